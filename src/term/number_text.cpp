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

// Checks TextToReal's form and narrows text to the number itself, without
// the blanks around it; the C library reads that text as it stands. digits
// tells whether it holds a digit (the point alone reads as 0). False when the
// text is not a plain number.
bool PlainNumber(std::string_view& text, bool& digits) {
  size_t k = 0;
  const size_t n = text.size();
  auto skipBlanks = [&] {
    while (k < n && text[k] == ' ') ++k;
  };
  skipBlanks();
  const size_t first = k;
  if (k < n && (text[k] == '+' || text[k] == '-')) ++k;
  bool mantissa = false;
  digits = false;
  while (k < n && IsDigit(text[k])) {
    ++k;
    digits = mantissa = true;
  }
  if (k < n && text[k] == '.') {
    ++k;
    mantissa = true;
    while (k < n && IsDigit(text[k])) {
      ++k;
      digits = true;
    }
  }
  if (!mantissa) return false;
  if (k < n && (text[k] == 'E' || text[k] == 'e')) {
    ++k;
    if (k < n && (text[k] == '+' || text[k] == '-')) ++k;
    bool exponentDigits = false;
    while (k < n && IsDigit(text[k])) {
      ++k;
      exponentDigits = true;
    }
    if (!exponentDigits) return false;
  }
  const size_t last = k;
  skipBlanks();
  if (k != n) return false;
  text = text.substr(first, last - first);
  return true;
}

// The C library reads only terminated texts: a copy on the stack for the
// short numbers every document holds, on the heap for longer ones.
template <class Convert>
auto ConvertTerminated(std::string_view number, Convert convert) {
  char local[64];
  if (number.size() >= sizeof local) return convert(std::string(number).c_str());
  for (size_t k = 0; k < number.size(); ++k) local[k] = number[k];
  local[number.size()] = '\0';
  return convert(local);
}

}  // namespace

bool TextToReal(std::string_view text, Real& value) {
  value = 0;
  bool digits = false;
  if (!PlainNumber(text, digits)) return false;
  if (!digits) return true;
  value = ConvertTerminated(
      text, [](const char* number) { return strtold_l(number, nullptr, CLocale()); });
  // Beyond the extended range the conversion fails; an underflow is silent.
  return std::isfinite(value);
}

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
  bool digits = false;
  if (!PlainNumber(text, digits)) return false;
  const double v =
      digits ? ConvertTerminated(
                   text, [](const char* number) { return strtod_l(number, nullptr, CLocale()); })
             : 0;
  if (!std::isfinite(v)) return false;
  value = v;
  return true;
}
