// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/axis_settings_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/reader.h"
#include "support/scripted_prompts.h"
#include "term/number_text.h"

namespace {

TDocument DefaultDocument() {
  TDocument document;
  CreateDocument(document);
  return document;
}

constexpr const char* InvalidNumber = "Invalid value entered in numerical input field.";
constexpr const char* MinNotBelowMax = "Axis minimum must be lower than axis maximum.";
constexpr const char* BadIntervals = "Invalid values for scaling intervals.";
std::string BadLog(int axis) {
  return "Invalid axis values for logarithmic scaling at axis " + std::to_string(axis) + ".";
}

}  // namespace

TEST(AxisSettingsForm, LoadShowsValuesAndTheSliderPosition) {
  struct TRow {
    std::function<void(TCoordinateSystem&)> Change;
    std::string Minimum1, Maximum1;
    int Slider;
  };
  const std::vector<TRow> rows = {
      {[](TCoordinateSystem&) {}, "-10", "10", 5},
      {[](TCoordinateSystem& d) { d.Perspective = 50; }, "-10", "10", 1},
      {[](TCoordinateSystem& d) { d.Perspective = 1500; }, "-10", "10", 10},
      {[](TCoordinateSystem& d) { d.Perspective = -1; }, "-10", "10", 10},
      {[](TCoordinateSystem& d) { d.Perspective = 0; }, "-10", "10", 10},
      {[](TCoordinateSystem& d) { d.Perspective = 900; }, "-10", "10", 9},
      // Exponents to the base 10 are shown as values.
      {[](TCoordinateSystem& d) {
         d.Log1 = true;
         d.Min1 = -10;
         d.Max1 = 1;
       },
       "1E-10", "10", 5},
      {[](TCoordinateSystem& d) {
         d.Log1 = true;
         d.Min1 = 0.5;
         d.Max1 = 3;
         d.MajorInterval1 = 4;
       },
       "2", "64", 5},
      // A file may bring a base for which no value can be formed: the stored
      // exponents are shown, never "nan" or "inf".
      {[](TCoordinateSystem& d) {
         d.Log1 = true;
         d.Min1 = -2;
         d.Max1 = 3;
         d.MajorInterval1 = 0;
       },
       "-2", "3", 5},
      {[](TCoordinateSystem& d) {
         d.Log1 = true;
         d.Min1 = 0.5;
         d.Max1 = 1.5;
         d.MajorInterval1 = -4;
       },
       "0.5", "1.5", 5},
      // A value beyond the range of a number is shown as the power, which
      // OK cannot take for a value (the exponent 400 once came back as 2.6).
      {[](TCoordinateSystem& d) {
         d.Log1 = true;
         d.Min1 = -1;
         d.Max1 = 400;
         d.MajorInterval1 = 10;
       },
       "0.1", "10^400", 5},
      {[](TCoordinateSystem& d) {
         d.Log1 = true;
         d.Min1 = -400;
         d.Max1 = 1;
         d.MajorInterval1 = 10;
       },
       "10^-400", "10", 5},
      {[](TCoordinateSystem& d) {
         d.Log1 = true;
         d.Min1 = 1;
         d.Max1 = 2000;
         d.MajorInterval1 = 2;
       },
       "2", "2^2000", 5},
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    TDocument document = DefaultDocument();
    rows[i].Change(document.Displays[0]);
    ScriptedPrompts prompts;
    TAxisSettingsForm form(document, prompts);
    form.FormShow(0);
    EXPECT_EQ(form.Fields.Axes[0].Minimum, rows[i].Minimum1) << "row " << i;
    EXPECT_EQ(form.Fields.Axes[0].Maximum, rows[i].Maximum1) << "row " << i;
    EXPECT_EQ(form.Fields.PerspectivePosition, rows[i].Slider) << "row " << i;
  }
}

TEST(AxisSettingsForm, LoadCopiesEveryControlAndIgnoresAMissingDisplay) {
  TDocument document = DefaultDocument();
  TCoordinateSystem& d = document.Displays[0];
  d.Label2 = " y axis ";
  d.Markings3 = false;
  d.Log3 = true;
  d.MinorInterval2 = 0.25;
  d.ThreeAxes = true;
  d.ForceEqualScale = true;
  d.DisplayStyle = DisplayStylePoints;
  d.AxisStyle = AxisStyleAxesOnly;
  d.AxisColor = 0x123456;
  d.Resolution = 250;
  ScriptedPrompts prompts;
  TAxisSettingsForm form(document, prompts);
  form.FormShow(0);
  const TAxisSettingsFields loaded = form.Fields;
  EXPECT_EQ(loaded.Axes[0], (TAxisFields{"-10", "10", "10", "2", false, true, "x"}));
  EXPECT_EQ(loaded.Axes[1], (TAxisFields{"-10", "10", "10", "0.25", false, true, " y axis "}));
  EXPECT_EQ(loaded.Axes[2], (TAxisFields{"1E-10", "10000000000", "10", "2", true, false, "z"}));
  EXPECT_TRUE(loaded.ThreeAxes);
  EXPECT_TRUE(loaded.ForceEqualScale);
  EXPECT_EQ(loaded.DisplayStyle, DisplayStylePoints);
  EXPECT_EQ(loaded.AxisStyle, AxisStyleAxesOnly);
  EXPECT_EQ(loaded.AxisColor, 0x123456);
  EXPECT_EQ(loaded.Resolution, "250");
  form.FormShow(-1);
  form.FormShow(1);
  EXPECT_EQ(form.Fields, loaded);
}

TEST(AxisSettingsForm, SwitchingToLogarithmicReplacesBoundsNotAboveZero) {
  struct TRow {
    TAxis Axis;
    std::string Minimum, Maximum, Major;
    std::string NewMinimum, NewMaximum;
  };
  const std::vector<TRow> rows = {
      {TAxis::First, "-10", "10", "10", "1E-10", "10"},
      {TAxis::Second, "-2", "-1", "2", "0.25", "0.5"},
      {TAxis::Third, "0", "5", "7", "1", "5"},
      {TAxis::First, "5", "10", "10", "5", "10"},
      {TAxis::First, "abc", "-1", "10", "abc", "-1"},  // stops at the first field that is no number
      {TAxis::First, "-1", "abc", "10", "0.1", "abc"},    // the replacement made stays
      {TAxis::First, "-1", "-2", "x", "-1", "-2"},        // a major interval that is no number
      {TAxis::First, "-0.5", "-1", "-4", "-0.5", "-1"},   // a root of a negative base is undefined
      {TAxis::First, "-10", "-5", "0", "-10", "-5"},      // 0 to a negative power
      {TAxis::First, "-1000", "1", "10", "-1000", "1"},   // too small for a double
      {TAxis::First, "-1", "-400", "0.1", "10", "-400"},  // 0.1^-400 too large for a double
      {TAxis::First, "1E400", "-1", "10", "1E400", "-1"},
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    const TRow& row = rows[i];
    TDocument document = DefaultDocument();
    ScriptedPrompts prompts;
    TAxisSettingsForm form(document, prompts);
    form.FormShow(0);
    TAxisFields& axis = form.Fields.Axes[AxisIndex(row.Axis)];
    axis.Minimum = row.Minimum;
    axis.Maximum = row.Maximum;
    axis.MajorInterval = row.Major;
    const TAxisSettingsFields before = form.Fields;
    form.rbAxisLogClick(row.Axis);
    EXPECT_EQ(axis.Minimum, row.NewMinimum) << "row " << i;
    EXPECT_EQ(axis.Maximum, row.NewMaximum) << "row " << i;
    for (size_t other = 0; other < 3; ++other)
      if (other != AxisIndex(row.Axis)) {
        EXPECT_EQ(form.Fields.Axes[other], before.Axes[other]);
      }
    EXPECT_TRUE(prompts.Records.empty());
  }
}

TEST(AxisSettingsForm, OkChecksInOrderThenStores) {
  using TFields = TAxisSettingsFields;
  using TDisplay = TCoordinateSystem;
  struct TRow {
    const char* What;
    std::function<void(TFields&)> Edit;
    std::string Message;  // empty when stored
    std::function<void(const TDisplay&)> Check;
  };
  const auto none = [](const TDisplay&) {};
  const std::vector<TRow> rows = {
      {"defaults stored again: only the third origin of a flat display moves to 0", [](TFields&) {},
       "",
       [](const TDisplay& d) {
         TDisplay expected;
         expected.Origin3 = 0;
         EXPECT_EQ(d, expected);
       }},
      {"logarithmic axis 1 from the defaults",
       [](TFields& f) {
         f.Axes[0].Minimum = "1E-10";
         f.Axes[0].Logarithmic = true;
       },
       "",
       [](const TDisplay& d) {
         EXPECT_TRUE(d.Log1);
         EXPECT_EQ(d.Min1, -10);
         EXPECT_EQ(d.Max1, 1);
         EXPECT_EQ(d.Origin1, -10);
         EXPECT_EQ(d.Shift1, 4.5);
         EXPECT_EQ(d.Shift2, 0);
       }},
      {"minor above major raises the major, which is then the base",
       [](TFields& f) { f.Axes[1] = {"1", "625", "2", "5", true, true, "y"}; }, "",
       [](const TDisplay& d) {
         EXPECT_EQ(d.MajorInterval2, 5);
         EXPECT_EQ(d.MinorInterval2, 5);
         EXPECT_NEAR(d.Max2, 4, 1E-15);
         EXPECT_EQ(d.Min2, 0);
         EXPECT_NEAR(d.Shift2, -2, 1E-15);
       }},
      {"minor above major on a linear axis",
       [](TFields& f) {
         f.Axes[2].MajorInterval = "2";
         f.Axes[2].MinorInterval = "5";
       },
       "", [](const TDisplay& d) { EXPECT_EQ(d.MajorInterval3, 5); }},
      {"resolution 0", [](TFields& f) { f.Resolution = "0"; }, "",
       [](const TDisplay& d) { EXPECT_EQ(d.Resolution, 1); }},
      {"resolution 5000", [](TFields& f) { f.Resolution = "5000"; }, "",
       [](const TDisplay& d) { EXPECT_EQ(d.Resolution, 2000); }},
      {"resolution -5", [](TFields& f) { f.Resolution = " -5 "; }, "",
       [](const TDisplay& d) { EXPECT_EQ(d.Resolution, 1); }},
      {"resolution 12.5", [](TFields& f) { f.Resolution = "12.5"; }, InvalidNumber, none},
      {"resolution past int32", [](TFields& f) { f.Resolution = "99999999999"; }, InvalidNumber,
       none},
      {"resolution empty", [](TFields& f) { f.Resolution = ""; }, InvalidNumber, none},
      {"a bound past the double range", [](TFields& f) { f.Axes[1].Maximum = "1E400"; },
       InvalidNumber, none},
      {"nan", [](TFields& f) { f.Axes[2].MinorInterval = "nan"; }, InvalidNumber, none},
      {"inf", [](TFields& f) { f.Axes[0].Minimum = "-inf"; }, InvalidNumber, none},
      {"empty interval", [](TFields& f) { f.Axes[0].MajorInterval = ""; }, InvalidNumber, none},
      {"a term is no number", [](TFields& f) { f.Axes[0].Maximum = "2*pi"; }, InvalidNumber, none},
      {"numbers before order",
       [](TFields& f) {
         f.Axes[0].Minimum = "20";
         f.Axes[2].Maximum = "x";
       },
       InvalidNumber, none},
      {"minimum equal to maximum", [](TFields& f) { f.Axes[1].Minimum = "10"; }, MinNotBelowMax,
       none},
      {"axis 3 also in a 2D display", [](TFields& f) { f.Axes[2].Minimum = "11"; }, MinNotBelowMax,
       none},
      {"order before logarithmic",
       [](TFields& f) {
         f.Axes[0].Logarithmic = true;
         f.Axes[2].Minimum = "11";
       },
       MinNotBelowMax, none},
      {"logarithmic with major interval 1",
       [](TFields& f) { f.Axes[0] = {"1", "10", "1", "0.5", true, true, "x"}; }, BadLog(1), none},
      {"logarithmic with minimum 0",
       [](TFields& f) {
         f.Axes[1].Minimum = "0";
         f.Axes[1].Logarithmic = true;
       },
       BadLog(2), none},
      {"logarithmic with negative bounds",
       [](TFields& f) {
         f.Axes[2].Minimum = "-5";
         f.Axes[2].Maximum = "-1";
         f.Axes[2].Logarithmic = true;
       },
       BadLog(3), none},
      {"logarithmic before intervals",
       [](TFields& f) {
         f.Axes[2].Logarithmic = true;
         f.Axes[0].MinorInterval = "0";
       },
       BadLog(3), none},
      {"minor interval 0", [](TFields& f) { f.Axes[0].MinorInterval = "0"; }, BadIntervals, none},
      {"negative major interval", [](TFields& f) { f.Axes[2].MajorInterval = "-1"; }, BadIntervals,
       none},
      {"perspective Far", [](TFields& f) { f.PerspectivePosition = PerspectiveFar; }, "",
       [](const TDisplay& d) { EXPECT_EQ(d.Perspective, -1); }},
      {"perspective Close", [](TFields& f) { f.PerspectivePosition = 1; }, "",
       [](const TDisplay& d) { EXPECT_EQ(d.Perspective, 100); }},
      {"every other control",
       [](TFields& f) {
         f.Axes[0].Label = " time ";
         f.Axes[1].Markings = false;
         f.DisplayStyle = DisplayStyleWireframe;
         f.AxisStyle = AxisStyleMarkings;
         f.AxisColor = 0x0000FF;
         f.ForceEqualScale = true;
         f.Axes[0].Minimum = "-1";
         f.Axes[0].Maximum = "3";
       },
       "",
       [](const TDisplay& d) {
         EXPECT_EQ(d.Label1, " time ");
         EXPECT_FALSE(d.Markings2);
         EXPECT_TRUE(d.Markings1);
         EXPECT_EQ(d.DisplayStyle, DisplayStyleWireframe);
         EXPECT_EQ(d.AxisStyle, AxisStyleMarkings);
         EXPECT_EQ(d.AxisColor, 0x0000FF);
         EXPECT_TRUE(d.ForceEqualScale);
         EXPECT_EQ(d.Origin1, -1);
         EXPECT_EQ(d.Shift1, -1);
       }},
      {"bounds near the double limit shift without overflow",
       [](TFields& f) {
         f.Axes[0].Minimum = "1.6E308";
         f.Axes[0].Maximum = "1.7E308";
       },
       "",
       [](const TDisplay& d) {
         EXPECT_TRUE(std::isfinite(d.Shift1));
         EXPECT_DOUBLE_EQ(d.Shift1, -1.65E308);
       }},
  };
  for (const TRow& row : rows) {
    TDocument document = DefaultDocument();
    ScriptedPrompts prompts;
    TAxisSettingsForm form(document, prompts);
    form.FormShow(0);
    row.Edit(form.Fields);
    const TDocument before = document;
    const bool stored = form.bOkClick(0);
    EXPECT_EQ(stored, row.Message.empty()) << row.What;
    if (row.Message.empty()) {
      EXPECT_TRUE(prompts.Records.empty()) << row.What;
    } else {
      EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{row.Message}) << row.What;
      EXPECT_EQ(prompts.Records[0].Kind, TMessageKind::Error) << row.What;
      EXPECT_TRUE(document.Displays == before.Displays) << row.What << ": nothing may be stored";
    }
    row.Check(document.Displays[0]);
  }
}

TEST(AxisSettingsForm, RoundTripsThroughOpeningAgain) {
  TDocument document = DefaultDocument();
  document.Displays[0].ThreeAxes = true;
  document.Displays[0].Alpha = 30;
  document.Displays[0].Beta = 200;
  document.Displays[0].Gamma = 5;
  document.Displays[0].Zoom2 = 3;
  ScriptedPrompts prompts;
  TAxisSettingsForm form(document, prompts);

  // Logarithmic axis 1 from the defaults shows 1E-10 and 10 again.
  form.FormShow(0);
  form.Fields.Axes[0].Logarithmic = true;
  form.rbAxisLogClick(TAxis::First);
  ASSERT_TRUE(form.bOkClick(0));
  form.FormShow(0);
  EXPECT_EQ(form.Fields.Axes[0].Minimum, "1E-10");
  EXPECT_EQ(form.Fields.Axes[0].Maximum, "10");
  EXPECT_EQ(document.Displays[0].Alpha, 30);  // a 3D display keeps its angles
  EXPECT_EQ(document.Displays[0].Zoom2, 3);   // zooms are never changed here

  // Perspective: 50 opens at 1 and stores 100; 1500 opens at 10 and stores -1.
  for (const auto& [stored, again] :
       std::vector<std::pair<int, int>>{{50, 100}, {1500, -1}, {500, 500}, {-1, -1}}) {
    document.Displays[0].Perspective = stored;
    form.FormShow(0);
    ASSERT_TRUE(form.bOkClick(0));
    EXPECT_EQ(document.Displays[0].Perspective, again) << stored;
  }

  // Two axes reset the rotation and the third origin.
  form.FormShow(0);
  form.Fields.ThreeAxes = false;
  ASSERT_TRUE(form.bOkClick(0));
  const TCoordinateSystem& d = document.Displays[0];
  EXPECT_EQ(d.Alpha, 0);
  EXPECT_EQ(d.Beta, 0);
  EXPECT_EQ(d.Gamma, 0);
  EXPECT_EQ(d.Origin3, 0);
  EXPECT_FALSE(d.ThreeAxes);
}

TEST(AxisSettingsForm, ABoundBeyondTheNumberRangeIsNeverStoredAsAnotherValue) {
  // A file's exponent whose value no number holds: OK right after opening
  // must neither store the shown text's logarithm nor anything else.
  for (const double exponent : {400.0, -400.0, 1E300}) {
    TDocument document = DefaultDocument();
    TCoordinateSystem& d = document.Displays[0];
    d.Log2 = true;
    d.MajorInterval2 = 10;
    d.Min2 = exponent < 0 ? exponent : 0;
    d.Max2 = exponent < 0 ? 1 : exponent;
    const TDocument before = document;
    ScriptedPrompts prompts;
    TAxisSettingsForm form(document, prompts);
    form.FormShow(0);
    EXPECT_FALSE(form.bOkClick(0)) << exponent;
    EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{InvalidNumber}) << exponent;
    EXPECT_TRUE(document.Displays == before.Displays) << exponent;
  }
}

TEST(AxisSettingsForm, WithoutACurrentDisplayOkStoresNothing) {
  for (int display : {-1, 1, 1000}) {
    TDocument document = DefaultDocument();
    ScriptedPrompts prompts;
    TAxisSettingsForm form(document, prompts);
    form.Fields.Resolution = "not a number";
    const TDocument before = document;
    EXPECT_TRUE(form.bOkClick(display)) << display;
    EXPECT_TRUE(document.Displays == before.Displays) << display;
    EXPECT_TRUE(prompts.Records.empty()) << display;
  }
}

TEST(AxisSettingsForm, ColourChooserIsPresetAndOnlyAConfirmedChoiceCounts) {
  TDocument document = DefaultDocument();
  ScriptedPrompts prompts;
  prompts.ColorAnswers = {std::nullopt, 0x0000FF};
  TAxisSettingsForm form(document, prompts);
  form.FormShow(0);
  form.pColorClick();
  EXPECT_EQ(form.Fields.AxisColor, 0x00FF00);
  form.pColorClick();
  EXPECT_EQ(form.Fields.AxisColor, 0x0000FF);
  EXPECT_EQ(document.Displays[0].AxisColor, 0x00FF00);  // stored only by OK
}

TEST(AxisSettingsForm, WholeNumbers) {
  const std::vector<std::pair<std::string, std::optional<int32_t>>> rows = {
      {"0", 0},
      {"42", 42},
      {" +7 ", 7},
      {"-2147483648", INT32_MIN},
      {"2147483647", INT32_MAX},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"12.5", std::nullopt},
      {"1E3", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"4 2", std::nullopt},
      {"$FF", std::nullopt},
      {std::string(10000, '9'), std::nullopt},
      {"00000000000000000000012", 12},
  };
  for (const auto& [text, expected] : rows) {
    int32_t value = -99;
    EXPECT_EQ(TextToInteger(text, value), expected.has_value()) << text;
    if (expected) {
      EXPECT_EQ(value, *expected) << text;
    }
  }
}

// Opening the settings of every display of the example documents and pressing
// OK without a change keeps its ranges, intervals and scaling: the values
// shown on a logarithmic axis turn back into the stored exponents.
TEST(AxisSettingsForm, ExampleDisplaysSurviveOpeningAndOk) {
  const std::filesystem::path examples = std::filesystem::path(MORVIT_SOURCE_DIR) / "examples";
  int displaysSeen = 0;
  for (const auto& entry : std::filesystem::directory_iterator(examples)) {
    if (entry.path().extension() != ".mvf") continue;
    std::ifstream in(entry.path());
    TDocument document;
    CreateDocument(document);
    ASSERT_TRUE(ReadDocument(in, document)) << entry.path();
    for (size_t i = 0; i < document.Displays.size(); ++i) {
      const TCoordinateSystem before = document.Displays[i];
      ScriptedPrompts prompts;
      TAxisSettingsForm form(document, prompts);
      form.FormShow(static_cast<int>(i));
      ASSERT_TRUE(form.bOkClick(static_cast<int>(i))) << entry.path() << " display " << i + 1;
      const TCoordinateSystem& after = document.Displays[i];
      const std::string where =
          entry.path().filename().string() + " display " + std::to_string(i + 1);
      for (const auto& [was, is] : {std::pair{before.Min1, after.Min1},
                                    {before.Max1, after.Max1},
                                    {before.Min2, after.Min2},
                                    {before.Max2, after.Max2},
                                    {before.Min3, after.Min3},
                                    {before.Max3, after.Max3}})
        EXPECT_NEAR(is, was, 1E-12 * std::max(1.0, std::abs(was))) << where;
      EXPECT_EQ(after.MajorInterval1, before.MajorInterval1) << where;
      EXPECT_EQ(after.MinorInterval2, before.MinorInterval2) << where;
      EXPECT_EQ(after.Log1, before.Log1) << where;
      EXPECT_EQ(after.Log2, before.Log2) << where;
      EXPECT_EQ(after.Resolution, before.Resolution) << where;
      EXPECT_EQ(after.GraphIndices, before.GraphIndices) << where;
      ++displaysSeen;
    }
  }
  EXPECT_GE(displaysSeen, 7);
}
