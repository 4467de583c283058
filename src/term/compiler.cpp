// SPDX-License-Identifier: GPL-3.0-or-later
#include "term/compiler.h"

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text of length len at 1-based position p, or an empty text when fewer
// characters remain, which then matches no name.
std::string_view At(std::string_view s, size_t p, size_t len) {
  return p - 1 + len <= s.size() ? s.substr(p - 1, len) : std::string_view();
}

template <size_t N>
bool MatchesAny(std::string_view text, const std::string_view (&names)[N]) {
  if (text.empty()) return false;
  for (const auto& name : names)
    if (NameMatches(text, name)) return true;
  return false;
}

constexpr std::string_view SevenLetterNames[] = {"arcsin(", "arccos(", "arctan(", "arccot(",
                                                 "arsinh(", "arcosh(", "artanh(", "arcoth("};
constexpr std::string_view FiveLetterNames[] = {"sinh(", "cosh(", "tanh(", "coth(", "sqrt("};
constexpr std::string_view FourLetterNames[] = {"sin(", "cos(", "tan(", "cot(",
                                                "exp(", "log(", "abs(", "arg("};
constexpr std::string_view ThreeLetterNames[] = {"ln(", "lg(", "re(", "im("};

struct TFunctionName {
  std::string_view Name;
  uint8_t Operation;
};

// Compared in this order at the split position; the first match decides.
constexpr TFunctionName FunctionNames[] = {
    {"arcsin", opArcSin}, {"arccos", opArcCos}, {"arctan", opArcTan}, {"arccot", opArcCot},
    {"arsinh", opArSinh}, {"arcosh", opArCosh}, {"artanh", opArTanh}, {"arcoth", opArCoth},
    {"sinh", opSinh},     {"cosh", opCosh},     {"tanh", opTanh},     {"coth", opCoth},
    {"sqrt", opSqrt},     {"sin", opSin},       {"cos", opCos},       {"tan", opTan},
    {"cot", opCot},       {"exp", opExp},       {"abs", opAbs},       {"arg", opArg},
    {"log", opLog},       {"ln", opLn},         {"re", opRe},         {"im", opIm},
    {"lg", opLg},         {"h", opHeaviside},
};

TTerm Constant(TComplex value) {
  auto node = std::make_unique<TTermElement>();
  node->Value = value;
  return node;
}

TTerm BuildLeaf(std::string_view s, bool& ok) {
  while (!s.empty() && s.front() == '(') s.remove_prefix(1);
  while (!s.empty() && s.back() == ')') s.remove_suffix(1);
  if (s.empty()) {
    ok = false;
    return nullptr;
  }
  auto node = std::make_unique<TTermElement>();
  if (NameMatches(s, "i")) {
    node->Value = {0, 1};
  } else if (IsAsciiLetter(s.front())) {
    for (char c : s) {
      if (!IsAsciiLetter(c) && !IsDigit(c) && c != '_') {
        ok = false;
        return node;  // the constant 0
      }
    }
    if (NameMatches(s, "pi")) {
      node->Value = {static_cast<double>(Pi), 0};
    } else if (s == "e") {  // only the lower-case e: E is an ordinary name
      node->Value = {static_cast<double>(std::exp(1.0L)), 0};
    } else {
      node->IsVariable = true;
      node->Name = std::string(s);
    }
  } else {
    // A lower-case e is no exponent letter here: 1e5 is refused, so that the
    // constant e can never be mistaken for part of a number.
    Real value = 0;
    if (s.find('e') != std::string_view::npos || !TextToReal(s, value) || !FitsDouble(value)) {
      ok = false;
      return node;  // the constant 0
    }
    node->Value = {static_cast<double>(value), 0};
  }
  return node;
}

TTerm Build(std::string_view s, bool& ok, int level) {
  if (s.empty() || level > MaxTermDepth) {
    ok = false;
    return nullptr;
  }
  const size_t p = FindSplit(s);
  if (p == 0) return BuildLeaf(s, ok);

  auto node = std::make_unique<TTermElement>();
  const std::string_view before = s.substr(0, p - 1);
  for (const auto& function : FunctionNames) {
    if (!NameMatches(At(s, p, function.Name.size()), function.Name)) continue;
    node->Operation = function.Operation;
    if (function.Operation == opLg) {
      // The base is written directly in front: 2lg(8).
      node->Left = Build(before, ok, level + 1);
    } else if (!OnlyOpenBrackets(before)) {
      // Text in front of a function, such as 2sin(x) or 3h(x), is no
      // implicit product: the term is refused.
      ok = false;
    }
    // The argument runs from the function's bracket to the end of the text;
    // the leaf rule strips the surplus brackets.
    node->Right = Build(s.substr(p - 1 + function.Name.size()), ok, level + 1);
    return node;
  }

  const char c = s[p - 1];
  switch (c) {
    case '+': node->Operation = opAdd; break;
    case '-': node->Operation = opSub; break;
    case '*': node->Operation = opMul; break;
    case '/': node->Operation = opDiv; break;
    case '^': node->Operation = opPower; break;
    default: ok = false; return node;
  }
  // A sign first in the text or directly after "(" is unary. After "(" that
  // holds only when nothing but opening brackets stands before it; otherwise
  // the bracket follows a misspelt function name or an operand, as in
  // sqr(-4), 2(-3) or x(-2), and the term is refused instead of silently
  // losing the text in front.
  const bool sign = c == '+' || c == '-';
  const bool afterBracket = sign && !before.empty() && before.back() == '(';
  if (afterBracket && !OnlyOpenBrackets(before)) ok = false;
  const bool unarySign = sign && (before.empty() || afterBracket);
  node->Left = unarySign ? Constant({}) : Build(before, ok, level + 1);
  node->Right = Build(s.substr(p), ok, level + 1);
  return node;
}

}  // namespace

bool NameMatches(std::string_view a, std::string_view b) {
  if (a.empty() || a.size() != b.size()) return false;
  for (size_t k = 0; k < a.size(); ++k) {
    const char x = a[k], y = b[k];
    if (x == y) continue;
    if (!IsAsciiLetter(x) || !IsAsciiLetter(y) || (x ^ y) != 32) return false;
  }
  return true;
}

bool OnlyOpenBrackets(std::string_view text) {
  return text.find_first_not_of('(') == std::string_view::npos;
}

size_t FindSplit(std::string_view s) {
  const size_t n = s.size();
  if (n == 0) return 0;
  // Depth and priorities are 16-bit and wrap: a surplus ")" turns the depth
  // into a huge number, so what follows it ranks as if deeply bracketed.
  uint16_t depth = 0;
  uint16_t best = 65535;
  size_t position = 0;
  size_t p = 0;
  auto take = [&](uint16_t priority, bool orEqual) {
    if (priority < best || (orEqual && priority == best)) {
      best = priority;
      position = p;
    }
  };
  do {
    ++p;
    const char c = s[p - 1];
    if (c == '(') depth = static_cast<uint16_t>(depth + 5);
    if (c == ')') depth = static_cast<uint16_t>(depth - 5);
    const auto functionPriority = static_cast<uint16_t>(depth + 3);
    const bool letter = IsAsciiLetter(c);
    // Among the long names the first occurrence wins (strictly less), among
    // ln, lg, re, im and h the last one (less or equal). The skips move on to
    // the name's bracket.
    if (letter && MatchesAny(At(s, p, 7), SevenLetterNames)) {
      take(functionPriority, false);
      p += 5;
    } else if (letter && MatchesAny(At(s, p, 5), FiveLetterNames)) {
      take(functionPriority, false);
      p += 3;
    } else if (letter && MatchesAny(At(s, p, 4), FourLetterNames)) {
      take(functionPriority, false);
      p += 2;
    } else if (letter && MatchesAny(At(s, p, 3), ThreeLetterNames)) {
      take(functionPriority, true);
      p += 1;
    } else if (letter && NameMatches(At(s, p, 2), "h(")) {
      take(functionPriority, true);
    } else if (c == '+' || c == '-') {
      if (!(p > 1 && s[p - 2] == 'E')) take(depth, true);  // not the sign of 1E-5
    } else if (c == '*' || c == '/') {
      take(static_cast<uint16_t>(depth + 1), true);
    } else if (c == '^') {
      take(static_cast<uint16_t>(depth + 2), true);
    }
  } while (p < n);
  return position;
}

bool CompileTerm(std::string_view text, TTerm& tree) {
  bool ok = true;
  if (text.size() > MaxTermLength) {
    tree.reset();
    return false;
  }
  tree = Build(text, ok, 1);
  return ok;
}
