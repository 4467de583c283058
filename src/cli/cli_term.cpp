// SPDX-License-Identifier: GPL-3.0-or-later
// parse, eval, diff and integrate: the term engine and the calculator.
#include <ostream>

#include "calc/calculator.h"
#include "cli/cli_commands.h"
#include "term/evaluator.h"
#include "term/prefix_form.h"

namespace {

int UsageError(std::ostream& err, const char* name, const char* problem) {
  err << "morvit-cli " << name << ": " << problem << "\n";
  PrintUsage(err, name);
  return ExitUsage;
}

}  // namespace

bool ReadAssignments(const TCliArgs& args, size_t first, TVarTable& table, std::ostream& err) {
  const TVarTable none;
  for (size_t k = first; k < args.size(); ++k) {
    const std::string& arg = args[k];
    const auto equals = arg.find('=');
    if (equals == std::string::npos || equals == 0) {
      err << "morvit-cli: malformed assignment '" << arg << "' (expected NAME=VALUE)\n";
      return false;
    }
    TTerm tree;
    TComplex value;
    if (!CompileTerm(std::string_view(arg).substr(equals + 1), tree) ||
        !EvaluateTerm(tree, none, value)) {
      err << "morvit-cli: the value of '" << arg.substr(0, equals) << "' cannot be calculated\n";
      return false;
    }
    SetVariable(table, arg.substr(0, equals), value, value, value);
  }
  return true;
}

int CliParse(const TCliArgs& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return UsageError(err, "parse", "expects exactly one TERM");
  TTerm tree;
  const bool ok = CompileTerm(args[0], tree);
  out << (ok ? "ok" : "invalid") << "\n" << PrefixForm(tree.get()) << "\n";
  return ok ? ExitOk : ExitFailed;
}

int CliEval(const TCliArgs& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return UsageError(err, "eval", "expects a TERM");
  TVarTable table;
  if (!ReadAssignments(args, 1, table, err)) return ExitUsage;
  TTerm tree;
  TComplex value;
  if (CompileTerm(args[0], tree) && EvaluateTerm(tree, table, value)) {
    out << ComplexToStr(value) << "\n";
    return ExitOk;
  }
  out << CalcErrorResult << "\n";
  return ExitFailed;
}

int CliDiff(const TCliArgs& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 3) return UsageError(err, "diff", "expects TERM VAR X0");
  TVarTable table;
  if (!ReadAssignments(args, 3, table, err)) return ExitUsage;
  CalcTermExit(table, args[0]);
  const TCalcLines lines = CalcDifferentiate(table, args[0], args[1], args[2]);
  for (const std::string& line : lines) out << line << "\n";
  return IsCalcErrorLine(lines.front()) ? ExitFailed : ExitOk;
}

int CliIntegrate(const TCliArgs& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 4) return UsageError(err, "integrate", "expects TERM VAR LOW HIGH");
  TVarTable table;
  if (!ReadAssignments(args, 4, table, err)) return ExitUsage;
  CalcTermExit(table, args[0]);
  const TCalcLines lines = CalcIntegrate(table, args[0], args[1], args[2], args[3]);
  for (const std::string& line : lines) out << line << "\n";
  return IsCalcErrorLine(lines.front()) ? ExitFailed : ExitOk;
}
