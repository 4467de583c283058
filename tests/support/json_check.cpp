// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/json_check.h"

#include <cctype>

namespace {

class TJsonChecker {
 public:
  explicit TJsonChecker(std::string_view text) : s_(text) {}

  bool Document() {
    SkipSpace();
    if (!Value(0)) return false;
    SkipSpace();
    return k_ == s_.size() || Fail();
  }
  size_t Offset() const { return k_; }

 private:
  static constexpr int MaxDepth = 256;

  bool Fail() { return false; }
  bool At(char c) const { return k_ < s_.size() && s_[k_] == c; }
  bool Eat(char c) {
    if (!At(c)) return false;
    ++k_;
    return true;
  }
  void SkipSpace() {
    while (k_ < s_.size() && (s_[k_] == ' ' || s_[k_] == '\t' || s_[k_] == '\n' || s_[k_] == '\r'))
      ++k_;
  }
  bool Literal(std::string_view word) {
    if (s_.substr(k_, word.size()) != word) return false;
    k_ += word.size();
    return true;
  }
  bool Digits() {
    const size_t start = k_;
    while (k_ < s_.size() && s_[k_] >= '0' && s_[k_] <= '9') ++k_;
    return k_ > start;
  }
  bool Number() {
    Eat('-');
    if (Eat('0')) {
      if (At('0') || (k_ < s_.size() && s_[k_] >= '1' && s_[k_] <= '9')) return Fail();
    } else if (!Digits()) {
      return Fail();
    }
    if (Eat('.') && !Digits()) return Fail();
    if (At('e') || At('E')) {
      ++k_;
      if (!Eat('+')) Eat('-');
      if (!Digits()) return Fail();
    }
    return true;
  }
  bool String() {
    if (!Eat('"')) return Fail();
    while (k_ < s_.size()) {
      const auto c = static_cast<unsigned char>(s_[k_]);
      if (c == '"') {
        ++k_;
        return true;
      }
      if (c < 0x20) return Fail();
      if (c == '\\') {
        ++k_;
        if (k_ >= s_.size()) return Fail();
        const char e = s_[k_++];
        if (e == 'u') {
          for (int h = 0; h < 4; ++h, ++k_)
            if (k_ >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[k_])))
              return Fail();
        } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
          --k_;
          return Fail();
        }
        continue;
      }
      if (c < 0x80) {
        ++k_;
        continue;
      }
      // UTF-8: a lead byte and its continuation bytes, shortest form only.
      int more = 0;
      unsigned min = 0;
      if (c >= 0xC2 && c <= 0xDF)
        more = 1, min = 0x80;
      else if (c >= 0xE0 && c <= 0xEF)
        more = 2, min = 0x800;
      else if (c >= 0xF0 && c <= 0xF4)
        more = 3, min = 0x10000;
      else
        return Fail();
      unsigned code = c & (0x3F >> more);
      ++k_;
      for (int m = 0; m < more; ++m, ++k_) {
        if (k_ >= s_.size() || (static_cast<unsigned char>(s_[k_]) & 0xC0) != 0x80) return Fail();
        code = (code << 6) | (static_cast<unsigned char>(s_[k_]) & 0x3F);
      }
      if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return Fail();
    }
    return Fail();
  }
  template <typename Element>
  bool Sequence(char close, Element element) {
    SkipSpace();
    if (Eat(close)) return true;
    while (true) {
      SkipSpace();
      if (!element()) return false;
      SkipSpace();
      if (Eat(close)) return true;
      if (!Eat(',')) return Fail();
    }
  }
  bool Value(int depth) {
    if (depth > MaxDepth || k_ >= s_.size()) return Fail();
    switch (s_[k_]) {
      case '{':
        ++k_;
        return Sequence('}', [&] {
          if (!String()) return false;
          SkipSpace();
          if (!Eat(':')) return Fail();
          SkipSpace();
          return Value(depth + 1);
        });
      case '[': ++k_; return Sequence(']', [&] { return Value(depth + 1); });
      case '"': return String();
      case 't': return Literal("true");
      case 'f': return Literal("false");
      case 'n': return Literal("null");
      default: return Number();
    }
  }

  std::string_view s_;
  size_t k_ = 0;
};

}  // namespace

bool IsValidJson(std::string_view text, std::string* error) {
  TJsonChecker checker(text);
  if (checker.Document()) return true;
  if (error != nullptr) *error = "invalid JSON at byte " + std::to_string(checker.Offset());
  return false;
}
