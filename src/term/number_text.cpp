// SPDX-License-Identifier: GPL-3.0-or-later
#include "term/number_text.h"

#include <locale.h>

#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

// Checks TextToReal's form and gives the number's text as the C library
// reads it (no blanks); empty when it has no digit (the point alone reads as
// 0). False when the text is not a plain number.
bool PlainNumber(std::string_view text, std::string& number) {
  size_t k = 0;
  const size_t n = text.size();
  auto skipBlanks = [&] {
    while (k < n && text[k] == ' ') ++k;
  };
  skipBlanks();
  if (k < n && (text[k] == '+' || text[k] == '-')) number += text[k++];
  bool mantissa = false;
  bool digits = false;
  while (k < n && IsDigit(text[k])) {
    number += text[k++];
    digits = mantissa = true;
  }
  if (k < n && text[k] == '.') {
    number += text[k++];
    mantissa = true;
    while (k < n && IsDigit(text[k])) {
      number += text[k++];
      digits = true;
    }
  }
  if (!mantissa) return false;
  if (k < n && (text[k] == 'E' || text[k] == 'e')) {
    std::string exponent = "E";
    ++k;
    if (k < n && (text[k] == '+' || text[k] == '-')) exponent += text[k++];
    bool exponentDigits = false;
    while (k < n && IsDigit(text[k])) {
      exponent += text[k++];
      exponentDigits = true;
    }
    if (!exponentDigits) return false;
    number += exponent;
  }
  skipBlanks();
  if (k != n) return false;
  if (!digits) number.clear();
  return true;
}

}  // namespace

bool TextToReal(std::string_view text, Real& value) {
  value = 0;
  std::string number;
  if (!PlainNumber(text, number)) return false;
  if (number.empty()) return true;
  value = strtold_l(number.c_str(), nullptr, CLocale());
  // Beyond the extended range the conversion fails; an underflow is silent.
  return std::isfinite(value);
}

bool FitsDouble(Real value) { return std::fabs(value) <= static_cast<Real>(DBL_MAX); }

bool TextToDouble(std::string_view text, double& value) {
  Real v = 0;
  if (!TextToReal(text, v) || !FitsDouble(v)) return false;
  value = static_cast<double>(v);
  return true;
}

bool TextToInteger(std::string_view text, int32_t& value) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '+' || negative)) text.remove_prefix(1);
  if (text.empty()) return false;
  for (char c : text)
    if (!IsDigit(c)) return false;
  // The magnitude in 64 bits: -2147483648 is in range although 2147483648 is not.
  int64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  const int64_t signedValue = negative ? -magnitude : magnitude;
  if (signedValue < INT32_MIN || signedValue > INT32_MAX) return false;
  value = static_cast<int32_t>(signedValue);
  return true;
}

bool TextToNearestDouble(std::string_view text, double& value) {
  std::string number;
  if (!PlainNumber(text, number)) return false;
  if (number.empty()) {
    value = 0;
    return true;
  }
  const double v = strtod_l(number.c_str(), nullptr, CLocale());
  if (!std::isfinite(v)) return false;
  value = v;
  return true;
}
