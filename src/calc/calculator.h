// The calculator's numerics: the lines its three buttons append to the result
// list, computed on the document's variable table without any widget.
#pragma once

#include <string>
#include <string_view>

#include "term/var_table.h"

inline constexpr std::string_view CalcErrorResult = "Error: Result cannot be calculated.";
inline constexpr std::string_view CalcErrorValue = "Error: Invalid value entered.";
inline constexpr std::string_view CalcErrorTerm = "Error: Invalid term entered.";
inline constexpr std::string_view CalcErrorDiffVar = "Error: No variable for differentiation selected.";
inline constexpr std::string_view CalcErrorIntVar = "Error: No variable for integration selected.";

// Makes the term's variables known: every variable of a term that compiles and
// that the table lacks is appended with minimum, maximum and actual value 0.
void CalcTermExit(TVarTable& table, std::string_view term);

// "C&alculate": the exit step, then the term's value with the variables'
// actual values, or the error line.
std::string CalcEvaluate(TVarTable& table, std::string_view term);

// "Calculate &derivation": the central difference quotient at x0 with step
// 1E-6, rounded to 4 decimal places (halves to even). The chosen variable is
// changed only while the line is computed.
std::string CalcDifferentiate(TVarTable& table, std::string_view term, const std::string& variable,
                              std::string_view x0Text);

// "Calculate &integral": composite Simpson rule over 1000 intervals, rounded
// to 6 decimal places (halves to even).
std::string CalcIntegrate(TVarTable& table, std::string_view term, const std::string& variable,
                          std::string_view lowText, std::string_view highText);

// True for the error lines above.
bool IsCalcErrorLine(std::string_view line);
