// SPDX-License-Identifier: GPL-3.0-or-later
#include "term/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <string>

namespace {

// The rule of the document reader (whose tokens hold no blanks) and of the
// resolution field, which the command line and the picture size now share
// (the command line still refuses blanks and "+" itself).
TEST(TextToInteger, WholeNumbers) {
  const struct {
    const char* text;
    bool ok;
    int32_t value;
  } cases[] = {
      {"0", true, 0},
      {"+5", true, 5},
      {"-5", true, -5},
      {"007", true, 7},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, INT32_MIN},
      {"2147483648", false, 0},
      {"-2147483649", false, 0},
      {"99999999999999999999999", false, 0},
      {"", false, 0},
      {"+", false, 0},
      {"-", false, 0},
      {"+-5", false, 0},
      {" 5 ", true, 5},
      {"- 5", false, 0},
      {"4 2", false, 0},
      {"1.0", false, 0},
      {"1e3", false, 0},
  };
  for (const auto& c : cases) {
    int32_t value = 0;
    EXPECT_EQ(TextToInteger(c.text, value), c.ok) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

TEST(TextToDouble, NumberFields) {
  const struct {
    const char* text;
    bool ok;
    double value;
  } cases[] = {
      {"1.5", true, 1.5},  {" -2 ", true, -2},    {".5", true, 0.5},    {"1.", true, 1},
      {".", true, 0},      {"1E3", true, 1000},   {"1e-3", true, 1e-3}, {"1e308", true, 1e308},
      {"1e309", false, 0}, {"1e99999", false, 0}, {"inf", false, 0},    {"nan", false, 0},
      {"0x10", false, 0},  {"1,5", false, 0},     {"", false, 0},       {"e5", false, 0},
  };
  for (const auto& c : cases) {
    double value = 0;
    EXPECT_EQ(TextToDouble(c.text, value), c.ok) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

// from_chars leaves the value alone beyond the double range, the initial
// value stands for that.
double FromChars(const std::string& text, double initial = -1) {
  double value = initial;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// The picture scale (at most eight characters from 1 to 4) was read with
// from_chars: every such scale (up to six decimals) reads the same.
TEST(TextToNearestDouble, SameAsFromCharsForPictureScales) {
  char text[16];
  for (int k = 1000000; k <= 4000000; ++k) {
    std::snprintf(text, sizeof text, "%d.%06d", k / 1000000, k % 1000000);
    double value = 0;
    ASSERT_TRUE(TextToNearestDouble(text, value)) << text;
    ASSERT_EQ(value, FromChars(text)) << text;
  }
}

// The calculator rounds its error estimate to two digits by writing and
// reading back "d.de-x" (also read with from_chars before): the same double
// over the whole range.
TEST(TextToNearestDouble, SameAsFromCharsForTwoDigitEstimates) {
  char text[16];
  for (int exponent = -324; exponent <= 308; ++exponent)
    for (int mantissa = 10; mantissa <= 99; ++mantissa) {
      std::snprintf(text, sizeof text, "%d.%de%+03d", mantissa / 10, mantissa % 10, exponent);
      // The calculator starts from 0, which also stands for an underflow.
      const double expected = FromChars(text, 0);
      double value = 0;
      TextToNearestDouble(text, value);
      ASSERT_EQ(value, expected) << text;
    }
}

// Where the two readings part: the files' and fields' value stays as it was.
TEST(TextToDouble, RoundsThroughTheExtendedType) {
  double twice = 0, nearest = 0;
  ASSERT_TRUE(TextToDouble("1.000444", twice));
  ASSERT_TRUE(TextToNearestDouble("1.000444", nearest));
  EXPECT_EQ(nearest, FromChars("1.000444"));
  EXPECT_NE(twice, nearest);
}

}  // namespace
