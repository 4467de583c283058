// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_json.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "support/json_check.h"

TEST(CliJson, Strings) {
  struct Row {
    std::string bytes;
    const char* json;
  };
  const Row rows[] = {
      {"", R"("")"},
      {"plain text", R"("plain text")"},
      {"\"quoted\" \\ back", R"("\"quoted\" \\ back")"},
      {"\b\f\n\r\t", R"("\b\f\n\r\t")"},
      {std::string("\0\x01\x1F", 3), R"("\u0000\u0001\u001f")"},
      {"\x7F", "\"\x7F\""},
      // Each byte of 8-bit text is the ISO 8859-1 character of its code.
      {"\xE9", "\"\xC3\xA9\""},
      {"\x80\xBF\xC0\xFF", "\"\xC2\x80\xC2\xBF\xC3\x80\xC3\xBF\""},
      {"/", R"("/")"},
  };
  for (const Row& row : rows) {
    const std::string json = JsonString(row.bytes);
    EXPECT_EQ(json, row.json);
    EXPECT_TRUE(IsValidJson(json)) << json;
  }
  // Every byte value gives valid JSON.
  std::string all;
  for (int code = 0; code < 256; ++code) all += static_cast<char>(code);
  EXPECT_TRUE(IsValidJson(JsonString(all)));
}

TEST(CliJson, NumbersReadBackExactly) {
  struct Row {
    double value;
    const char* json;
  };
  const Row rows[] = {
      {0, "0"},
      {-0.0, "-0"},
      {10, "10"},
      {-2.5, "-2.5"},
      {0.1, "0.1"},
      {1E20, "1e+20"},
      {1E-300, "1e-300"},
      {1.0 / 3, "0.3333333333333333"},
      {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
      {std::numeric_limits<double>::denorm_min(), "5e-324"},
  };
  for (const Row& row : rows) {
    const std::string json = JsonNumber(row.value);
    EXPECT_EQ(json, row.json);
    EXPECT_TRUE(IsValidJson(json)) << json;
    double back = 0;
    std::from_chars(json.data(), json.data() + json.size(), back);
    EXPECT_EQ(back, row.value);
    EXPECT_EQ(std::signbit(back), std::signbit(row.value));
  }
  EXPECT_EQ(JsonNumber(int64_t{-2147483648LL}), "-2147483648");
  EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
}

TEST(JsonCheck, RefusesMalformedText) {
  for (const char* bad : {"", "{", "[1,]", "{\"a\" 1}", "01", "1.", "\"\x01\"", "\"\xC3\"",
                          "\"\xE9\"", "nul", "[1] 2", "\"\\x\"", "-", "1e"}) {
    EXPECT_FALSE(IsValidJson(bad)) << bad;
  }
  for (const char* good :
       {"0", "-0.5e+3", "[]", "{}", " {\"a\": [1, true, null, \"\xC3\xA9\"]} ", "\"\\u00e9\""}) {
    EXPECT_TRUE(IsValidJson(good)) << good;
  }
}
