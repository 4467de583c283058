// SPDX-License-Identifier: GPL-3.0-or-later
// Term evaluation per point, Morvit beside muparserx in complex mode, over the
// same 301 x 301 grid (x and y real in -10..10) for the four benchmark terms,
// measured alternately in one run; then the benchmark surface sampled by the
// plotting driver against the budget of 10 ms and against three plain
// evaluations per point. Every figure is printed as a ratio per run: min,
// median and max over the runs.
#include <mpParser.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "plot/graph_sampling.h"
#include "term/bound_term.h"
#include "term/evaluator.h"

namespace {

constexpr int GridSize = 301;

using Clock = std::chrono::steady_clock;

// Sums of the computed values end here, so that no evaluation is optimised away.
volatile double Sink = 0;

double GridValue(int k) { return -10 + 20.0 * k / (GridSize - 1); }

// muparserx's complex package has no inverse tangent; this one takes the
// library's complex atan, as the package's other functions do.
class FunCmplxAtan : public mup::ICallback {
 public:
  FunCmplxAtan() : ICallback(mup::cmFUNC, "atan", 1) {}
  void Eval(mup::ptr_val_type& ret, const mup::ptr_val_type* arg, int) override {
    const mup::cmplx_type z = arg[0]->GetComplex();
    if (z.imag() == 0) {
      *ret = static_cast<mup::float_type>(std::atan(z.real()));
    } else {
      *ret = std::atan(z);
    }
  }
  const mup::char_type* GetDesc() const override { return "atan(z)"; }
  mup::IToken* Clone() const override { return new FunCmplxAtan(*this); }
};

struct TBenchTerm {
  const char* morvit;
  const char* muparserx;
};

constexpr TBenchTerm Terms[] = {
    {"sin(x)*cos(y)", "sin(x)*cos(y)"},
    {"exp(-(x^2+y^2)/20)*cos(x*y)", "exp(-(x^2+y^2)/20)*cos(x*y)"},
    {"abs(sqrt(x+y*i))", "abs(sqrt(x+y*i))"},
    {"re(ln(x+i*y)*arctan(x/(y+1)))", "real(ln(x+i*y)*atan(x/(y+1)))"},
};

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Nanoseconds per point; sum keeps the values alive.
double TimeMorvit(const TTerm& tree, TVarTable& table, int x, int y, double& sum) {
  const auto start = Clock::now();
  for (int row = 0; row < GridSize; ++row) {
    table.Actual[static_cast<size_t>(y)] = {GridValue(row), 0};
    for (int column = 0; column < GridSize; ++column) {
      table.Actual[static_cast<size_t>(x)] = {GridValue(column), 0};
      TComplex v;
      if (EvaluateTerm(tree, table, v)) sum += v.Re;
    }
  }
  return Seconds(start) * 1e9 / (GridSize * GridSize);
}

// The same with the term bound to the table once, as the plot engine uses it.
double TimeBound(TBoundTerm& bound, TVarTable& table, int x, int y, double& sum) {
  const auto start = Clock::now();
  for (int row = 0; row < GridSize; ++row) {
    table.Actual[static_cast<size_t>(y)] = {GridValue(row), 0};
    for (int column = 0; column < GridSize; ++column) {
      table.Actual[static_cast<size_t>(x)] = {GridValue(column), 0};
      TComplex v;
      if (bound.Evaluate(v)) sum += v.Re;
    }
  }
  return Seconds(start) * 1e9 / (GridSize * GridSize);
}

double TimeMuparserx(mup::ParserX& parser, mup::Value& x, mup::Value& y, double& sum) {
  const auto start = Clock::now();
  for (int row = 0; row < GridSize; ++row) {
    y = GridValue(row);
    for (int column = 0; column < GridSize; ++column) {
      x = GridValue(column);
      const mup::IValue& v = parser.Eval();
      const double re = v.GetFloat();
      if (std::isfinite(re)) sum += re;
    }
  }
  return Seconds(start) * 1e9 / (GridSize * GridSize);
}

// Points where both give a value and the values differ beyond round-off: a
// check that both programs compute the same term.
int CountDisagreements(const TTerm& tree, TVarTable& table, int x, int y, mup::ParserX& parser,
                       mup::Value& mx, mup::Value& my) {
  int differ = 0;
  for (int row = 0; row < GridSize; ++row) {
    table.Actual[static_cast<size_t>(y)] = {GridValue(row), 0};
    my = GridValue(row);
    for (int column = 0; column < GridSize; ++column) {
      table.Actual[static_cast<size_t>(x)] = {GridValue(column), 0};
      mx = GridValue(column);
      TComplex v;
      if (!EvaluateTerm(tree, table, v)) continue;
      double re = 0;
      try {
        re = parser.Eval().GetFloat();
      } catch (const mup::ParserError&) {
        continue;
      }
      if (std::isfinite(re) && std::fabs(re - v.Re) > 1e-9 * (1 + std::fabs(re))) ++differ;
    }
  }
  return differ;
}

struct TSpread {
  double min, median, max;
};

TSpread SpreadOf(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return {values.front(), values[values.size() / 2], values.back()};
}

double Median(std::vector<double> values) { return SpreadOf(std::move(values)).median; }

void PrintRatio(const char* what, const std::vector<double>& ratios, const std::string& detail) {
  const TSpread s = SpreadOf(ratios);
  std::printf("  %-32s min %.3f  median %.3f  max %.3f   %s\n", what, s.min, s.median, s.max,
              detail.c_str());
}

std::string Format(const char* format, double a, double b) {
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, format, a, b);
  return buffer;
}

void CompareEvaluation(int runs) {
  std::printf(
      "evaluation per point, 301 x 301 grid       morvit / muparserx (complex)   goal <= 1\n");
  for (const TBenchTerm& term : Terms) {
    TTerm tree;
    if (!CompileTerm(term.morvit, tree)) {
      std::printf("  %s: does not compile\n", term.morvit);
      continue;
    }
    TVarTable table;
    SetVariable(table, "x", {}, {}, {});
    SetVariable(table, "y", {}, {}, {});
    const int x = FindVariable(table, "x");
    const int y = FindVariable(table, "y");

    mup::ParserX parser(mup::pckALL_COMPLEX);
    parser.DefineFun(mup::ptr_cal_type(new FunCmplxAtan));
    mup::Value mx(0.0), my(0.0);
    parser.DefineVar("x", mup::Variable(&mx));
    parser.DefineVar("y", mup::Variable(&my));
    parser.SetExpr(term.muparserx);

    const int differ = CountDisagreements(tree, table, x, y, parser, mx, my);
    TBoundTerm bound(tree.get(), table);
    std::vector<double> ratios, boundRatios, morvitNs, boundNs, peerNs;
    double sum = 0;
    for (int run = 0; run < runs; ++run) {
      const double m = TimeMorvit(tree, table, x, y, sum);
      const double p = TimeMuparserx(parser, mx, my, sum);
      const double b = TimeBound(bound, table, x, y, sum);
      morvitNs.push_back(m);
      boundNs.push_back(b);
      peerNs.push_back(p);
      ratios.push_back(m / p);
      boundRatios.push_back(b / p);
    }
    std::printf("  %s  (%d points differ from muparserx beyond round-off)\n", term.morvit, differ);
    PrintRatio("    EvaluateTerm", ratios,
               Format("(median %.0f ns against %.0f ns)", Median(morvitNs), Median(peerNs)));
    PrintRatio("    bound once, as plotting does", boundRatios,
               Format("(median %.0f ns against %.0f ns)", Median(boundNs), Median(peerNs)));
    Sink = sum;
  }
  std::printf("\n");
}

// The grid values as the sampler computes them: the three terms bound to the
// sample table, subtrees hoisted by the variables they use.
double TimeHoistedGrid(const std::array<TTerm, 3>& terms, TVarTable& table, double& sum) {
  const auto start = Clock::now();
  std::array<TBoundTerm, 3> bound{TBoundTerm(terms[0].get(), table),
                                  TBoundTerm(terms[1].get(), table),
                                  TBoundTerm(terms[2].get(), table)};
  for (TBoundTerm& b : bound) b.Hoist(0, 1);
  for (int column = 0; column < GridSize; ++column) {
    table.Actual[0] = {GridValue(column), 0};
    for (TBoundTerm& b : bound) b.TabulateColumn(static_cast<size_t>(column));
  }
  for (int row = 0; row < GridSize; ++row) {
    table.Actual[1] = {GridValue(row), 0};
    for (TBoundTerm& b : bound) b.PinRow();
    for (int column = 0; column < GridSize; ++column) {
      table.Actual[0] = {GridValue(column), 0};
      TComplex v;
      for (TBoundTerm& b : bound)
        if (b.EvaluateAt(static_cast<size_t>(column), v)) sum += v.Re;
    }
  }
  return Seconds(start);
}

// The baseline: the same grid, three plain evaluations per point.
double TimePlainGrid(const std::array<TTerm, 3>& terms, TVarTable& table, double& sum) {
  const auto start = Clock::now();
  for (int row = 0; row < GridSize; ++row) {
    table.Actual[1] = {GridValue(row), 0};
    for (int column = 0; column < GridSize; ++column) {
      table.Actual[0] = {GridValue(column), 0};
      TComplex v;
      for (const TTerm& t : terms)
        if (EvaluateTerm(t, table, v)) sum += v.Re;
    }
  }
  return Seconds(start);
}

void CompareSampling(int runs) {
  TCoordinateSystem display;
  SetDisplayDefaults(display);
  display.ThreeAxes = true;
  display.Resolution = 300;
  display.DisplayStyle = DisplayStyleSolid;
  TGraph graph;
  graph.Term1 = "x";
  graph.Term2 = "y";
  graph.Term3 = "sin(x)*cos(y)";
  const TVarTable noVariables;

  std::array<TTerm, 3> terms;
  CompileTerm("x", terms[0]);
  CompileTerm("y", terms[1]);
  CompileTerm("sin(x)*cos(y)", terms[2]);
  TVarTable table;
  SetVariable(table, "x", {}, {}, {});
  SetVariable(table, "y", {}, {}, {});

  // The window replots into the same scene, whose capacity stays.
  TObject3D scene;
  std::vector<double> gridToBudget, gridToPlain, graphToBudget, gridMs, graphMs;
  double sum = 0;
  for (int run = 0; run < runs; ++run) {
    const double plain = TimePlainGrid(terms, table, sum);
    const double hoisted = TimeHoistedGrid(terms, table, sum);
    ClearObject(scene);
    const auto start = Clock::now();
    AddGraph(graph, display, noVariables, scene);
    const double whole = Seconds(start);
    gridMs.push_back(hoisted * 1000);
    graphMs.push_back(whole * 1000);
    gridToBudget.push_back(hoisted / 0.010);
    gridToPlain.push_back(hoisted / plain);
    graphToBudget.push_back(whole / 0.010);
  }
  Sink = sum;
  std::printf("sampling the 301 x 301 sin(x)*cos(y) surface                          goal <= 1\n");
  PrintRatio("grid values / 10 ms", gridToBudget,
             Format("(median %.2f ms of %.0f ms)", Median(gridMs), 10.0));
  PrintRatio("grid values / plain evaluation", gridToPlain, "(3 EvaluateTerm per point, same run)");
  PrintRatio("AddGraph / 10 ms", graphToBudget,
             Format("(median %.2f ms of %.0f ms: grid, clipping, quads)", Median(graphMs), 10.0));
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  CompareEvaluation(runs);
  CompareSampling(runs);
  return 0;
}
