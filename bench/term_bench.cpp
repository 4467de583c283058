// SPDX-License-Identifier: GPL-3.0-or-later
// Term evaluation per point over the 301 x 301 grid of a surface (x and y
// real in -10..10), the work the plot engine does three times per point.
#include <benchmark/benchmark.h>

#include "term/bound_term.h"
#include "term/evaluator.h"

namespace {

constexpr int GridSize = 301;

void EvaluateGrid(benchmark::State& state, const char* text) {
  TTerm tree;
  if (!CompileTerm(text, tree)) {
    state.SkipWithError("term does not compile");
    return;
  }
  TVarTable table;
  SetVariable(table, "x", {}, {}, {});
  SetVariable(table, "y", {}, {}, {});
  const int x = FindVariable(table, "x");
  const int y = FindVariable(table, "y");
  long valid = 0;
  for (auto _ : state) {
    for (int row = 0; row < GridSize; ++row) {
      table.Actual[static_cast<size_t>(y)] = {-10 + 20.0 * row / (GridSize - 1), 0};
      for (int column = 0; column < GridSize; ++column) {
        table.Actual[static_cast<size_t>(x)] = {-10 + 20.0 * column / (GridSize - 1), 0};
        TComplex v;
        valid += EvaluateTerm(tree, table, v);
        benchmark::DoNotOptimize(v);
      }
    }
  }
  state.counters["valid"] = static_cast<double>(valid) / static_cast<double>(state.iterations());
  // Shown as seconds per evaluation (n = nanoseconds).
  state.counters["per_eval"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * GridSize * GridSize,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK_CAPTURE(EvaluateGrid, sin_cos, "sin(x)*cos(y)")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EvaluateGrid, gauss_cos, "exp(-(x^2+y^2)/20)*cos(x*y)")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EvaluateGrid, abs_sqrt, "abs(sqrt(x+y*i))")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EvaluateGrid, re_ln_arctan, "re(ln(x+i*y)*arctan(x/(y+1)))")
    ->Unit(benchmark::kMillisecond);

// The same grid as the plot engine evaluates it: the term bound to the table
// once, and with hoist also its subtrees computed once per column or row.
void EvaluateBoundGrid(benchmark::State& state, const char* text, bool hoist) {
  TTerm tree;
  if (!CompileTerm(text, tree)) {
    state.SkipWithError("term does not compile");
    return;
  }
  TVarTable table;
  SetVariable(table, "x", {}, {}, {});
  SetVariable(table, "y", {}, {}, {});
  long valid = 0;
  for (auto _ : state) {
    TBoundTerm bound(tree.get(), table);
    if (hoist) {
      bound.Hoist(0, 1);
      for (int column = 0; column < GridSize; ++column) {
        table.Actual[0] = {-10 + 20.0 * column / (GridSize - 1), 0};
        bound.TabulateColumn(static_cast<size_t>(column));
      }
    }
    for (int row = 0; row < GridSize; ++row) {
      table.Actual[1] = {-10 + 20.0 * row / (GridSize - 1), 0};
      if (hoist) bound.PinRow();
      for (int column = 0; column < GridSize; ++column) {
        table.Actual[0] = {-10 + 20.0 * column / (GridSize - 1), 0};
        TComplex v;
        valid += hoist ? bound.EvaluateAt(static_cast<size_t>(column), v) : bound.Evaluate(v);
        benchmark::DoNotOptimize(v);
      }
    }
  }
  state.counters["valid"] = static_cast<double>(valid) / static_cast<double>(state.iterations());
  state.counters["per_eval"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * GridSize * GridSize,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK_CAPTURE(EvaluateBoundGrid, sin_cos, "sin(x)*cos(y)", false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EvaluateBoundGrid, gauss_cos, "exp(-(x^2+y^2)/20)*cos(x*y)", false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EvaluateBoundGrid, sin_cos_hoisted, "sin(x)*cos(y)", true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EvaluateBoundGrid, gauss_cos_hoisted, "exp(-(x^2+y^2)/20)*cos(x*y)", true)
    ->Unit(benchmark::kMillisecond);

void CompileSurfaceTerm(benchmark::State& state) {
  for (auto _ : state) {
    TTerm tree;
    benchmark::DoNotOptimize(CompileTerm("exp(-(x^2+y^2)/20)*cos(x*y)", tree));
  }
}
BENCHMARK(CompileSurfaceTerm);

}  // namespace

BENCHMARK_MAIN();
