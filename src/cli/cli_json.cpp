// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_json.h"

#include <charconv>
#include <cmath>

std::string JsonString(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() + 2);
  text += '"';
  for (const char c : bytes) {
    const auto code = static_cast<unsigned char>(c);
    switch (c) {
      case '"': text += "\\\""; continue;
      case '\\': text += "\\\\"; continue;
      case '\b': text += "\\b"; continue;
      case '\f': text += "\\f"; continue;
      case '\n': text += "\\n"; continue;
      case '\r': text += "\\r"; continue;
      case '\t': text += "\\t"; continue;
      default: break;
    }
    if (code < 0x20) {
      static const char hex[] = "0123456789abcdef";
      text += "\\u00";
      text += hex[code >> 4];
      text += hex[code & 15];
    } else if (code < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (code >> 6));
      text += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  text += '"';
  return text;
}

std::string JsonNumber(double value) {
  // JSON has no infinity or NaN; were one ever to arrive, null keeps the
  // output parseable.
  if (!std::isfinite(value)) return "null";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string JsonNumber(int64_t value) { return std::to_string(value); }
