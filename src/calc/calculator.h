// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's numerics: the lines its three buttons append to the result
// list, computed on the document's variable table without any widget.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "term/var_table.h"

inline constexpr std::string_view CalcErrorResult = "Error: Result cannot be calculated.";
inline constexpr std::string_view CalcErrorValue = "Error: Invalid value entered.";
inline constexpr std::string_view CalcErrorTerm = "Error: Invalid term entered.";
inline constexpr std::string_view CalcErrorDiffVar =
    "Error: No variable for differentiation selected.";
inline constexpr std::string_view CalcErrorIntVar = "Error: No variable for integration selected.";
inline constexpr std::string_view CalcErrorIntPoint =
    "Error: Term cannot be calculated at every point of the interval.";
inline constexpr std::string_view CalcErrorDiffPoint =
    "Error: No difference quotient can be formed at this point.";
inline constexpr std::string_view CalcErrorDiffComplex =
    "Error: Term is real on one side of the point only.";
inline constexpr std::string_view CalcWarningPrefix = "Warning: ";

// What one calculation appends: its result or error line first, then, after a
// result that cannot be trusted to its last shown digit, a warning line.
using TCalcLines = std::vector<std::string>;

// Makes the term's variables known: every variable of a term that compiles and
// that the table lacks is appended with minimum, maximum and actual value 0.
void CalcTermExit(TVarTable& table, std::string_view term);

// "C&alculate": the exit step, then the term's value with the variables'
// actual values, or the error line.
std::string CalcEvaluate(TVarTable& table, std::string_view term);

// "Calculate &derivation": the central difference quotient at x0, rounded to 4
// decimal places (halves to even). The step is 1E-6, or 1E-6·|x0| beyond
// |x0| = 1, and the quotient divides by the step actually taken between the
// two points. The term must be defined at x0 and at two steps either side,
// and not real on one side only. A warning follows when the quotient with the
// double step or the one-sided slopes disagree beyond the shown digits. The
// chosen variable is changed only while the lines are computed.
TCalcLines CalcDifferentiate(TVarTable& table, std::string_view term, const std::string& variable,
                             std::string_view x0Text);

// "Calculate &integral": composite Simpson rule over 1000 intervals, rounded
// to 6 decimal places (halves to even); an error line when the term cannot be
// calculated at one of its points. A warning follows when the rule on every
// second node (Richardson) or a Gauss rule on nodes of its own disagrees by
// more than half a unit of the last shown digit.
TCalcLines CalcIntegrate(TVarTable& table, std::string_view term, const std::string& variable,
                         std::string_view lowText, std::string_view highText);

// True for the error lines above.
bool IsCalcErrorLine(std::string_view line);
