// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/var_input_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "support/scripted_prompts.h"

namespace {

TVarTable TableOf(const std::vector<std::string>& names) {
  TVarTable table;
  for (const std::string& name : names) SetVariable(table, name, {}, {}, {});
  return table;
}

bool Same(TComplex a, TComplex b) { return a.Re == b.Re && a.Im == b.Im; }

bool SameTable(const TVarTable& a, const TVarTable& b) {
  auto sameValues = [](const std::vector<TComplex>& x, const std::vector<TComplex>& y) {
    return std::equal(x.begin(), x.end(), y.begin(), y.end(), Same);
  };
  return a.Names == b.Names && sameValues(a.Minimum, b.Minimum) &&
         sameValues(a.Maximum, b.Maximum) && sameValues(a.Actual, b.Actual);
}

}  // namespace

TEST(VarInputForm, LoadShowsEveryVariableOrOneBlankRow) {
  TVarTable table = TableOf({"x", "y"});
  SetVariable(table, "y", {-1.5, 0}, {static_cast<double>(HalfPi), 0}, {2, 3});
  ScriptedPrompts prompts;
  TVarInputForm form(table, prompts);
  form.FormShow();
  const std::vector<TVarInputRow> expected = {{"x", "0", "0", "0"},
                                              {"y", "-1.5", "1.5707963267949", "2+3*i"}};
  EXPECT_EQ(form.Rows, expected);

  TVarTable empty;
  TVarInputForm emptyForm(empty, prompts);
  emptyForm.FormShow();
  EXPECT_EQ(emptyForm.Rows, std::vector<TVarInputRow>{TVarInputRow{}});
  // OK on the blank row of an empty table stores nothing and closes.
  EXPECT_TRUE(emptyForm.bOkClick());
  EXPECT_EQ(empty.Count(), 0);
  EXPECT_TRUE(prompts.Records.empty());
}

TEST(VarInputForm, StoreChecksEachValueAndOrdersTheRange) {
  struct TRow {
    const char* Minimum;
    const char* Maximum;
    const char* Actual;
    bool Accepted;
    TComplex StoredMinimum, StoredMaximum, StoredActual;
  };
  const double halfPi = static_cast<double>(HalfPi);
  const std::vector<TRow> rows = {
      {"-1", "pi/2", "0.5", true, {-1, 0}, {halfPi, 0}, {0.5, 0}},
      {"5", "1", "3", true, {1, 0}, {1, 0}, {3, 0}},
      {"5+2*i", "1", "0", true, {1, 2}, {1, 0}, {0, 0}},
      {"2+3*i", "-2*i", "i", true, {0, 3}, {0, -2}, {0, 1}},
      {"x", "1", "0", false, {}, {}, {}},   // a variable, though x is in the table
      {"zz", "1", "0", false, {}, {}, {}},  // a variable the table lacks
      {"", "1", "0", false, {}, {}, {}},    // empty
      {"1", "", "0", false, {}, {}, {}},
      {"1", "2", "", false, {}, {}, {}},
      {"1/0", "1", "0", false, {}, {}, {}},  // does not evaluate
      {"0", "ln(0)", "0", false, {}, {}, {}},
      {"0", "1", "10^400", false, {}, {}, {}},  // past the double range
      {"0", "1", "1E999999", false, {}, {}, {}},
      {"0", "1", "(((", false, {}, {}, {}},  // does not compile
      {"0", "1", "sin(", false, {}, {}, {}},
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    const TRow& row = rows[i];
    TVarTable table = TableOf({"x"});
    SetVariable(table, "x", {7, 0}, {8, 0}, {9, 0});
    ScriptedPrompts prompts;
    TVarInputForm form(table, prompts);
    form.FormShow();
    form.Rows[0] = {"x", row.Minimum, row.Maximum, row.Actual};
    EXPECT_EQ(form.bOkClick(), row.Accepted) << "row " << i;
    ASSERT_EQ(table.Count(), 1) << "row " << i;
    if (row.Accepted) {
      EXPECT_TRUE(prompts.Records.empty()) << "row " << i;
      EXPECT_TRUE(Same(table.Minimum[0], row.StoredMinimum)) << "row " << i;
      EXPECT_TRUE(Same(table.Maximum[0], row.StoredMaximum)) << "row " << i;
      EXPECT_TRUE(Same(table.Actual[0], row.StoredActual)) << "row " << i;
    } else {
      ASSERT_EQ(prompts.Records.size(), 1u) << "row " << i;
      EXPECT_EQ(prompts.Records[0].Kind, TMessageKind::Error);
      EXPECT_EQ(prompts.Records[0].Buttons, mbOk);
      EXPECT_EQ(prompts.Records[0].Text, "Error at \"x\".\nValues for variable cannot be saved.");
      EXPECT_TRUE(Same(table.Minimum[0], {7, 0}) && Same(table.Maximum[0], {8, 0}) &&
                  Same(table.Actual[0], {9, 0}))
          << "row " << i;
    }
  }
}

TEST(VarInputForm, RefusalStoresNothingAndReportsTheFirstFaultyRow) {
  TVarTable table = TableOf({"a", "b", "c"});
  ScriptedPrompts prompts;
  TVarInputForm form(table, prompts);
  form.FormShow();
  form.Rows = {{"a", "1", "2", "3"}, {"b", "oops(", "2", "3"}, {"c", "x", "2", "3"}};
  EXPECT_FALSE(form.bOkClick());
  EXPECT_EQ(prompts.MessageTexts(),
            std::vector<std::string>{"Error at \"b\".\nValues for variable cannot be saved."});
  // The valid row above the faulty one is not stored either: Cancel after a
  // refusal must leave the table as it was.
  EXPECT_TRUE(SameTable(table, TableOf({"a", "b", "c"})));
  // Only the last row faulty: still nothing stored.
  form.Rows = {{"a", "1", "2", "3"}, {"b", "4", "5", "6"}, {"c", "7", "8", "1/0"}};
  EXPECT_FALSE(form.bOkClick());
  EXPECT_EQ(prompts.MessageTexts().back(), "Error at \"c\".\nValues for variable cannot be saved.");
  EXPECT_TRUE(SameTable(table, TableOf({"a", "b", "c"})));

  // The name column is not read back: renaming in the grid changes nothing.
  form.Rows = {{"renamed", "1", "2", "3"}, {"b", "4", "5", "6"}, {"c", "7", "8", "9"}};
  EXPECT_TRUE(form.bOkClick());
  EXPECT_EQ(table.Names, (TStringArray{"a", "b", "c"}));
  EXPECT_TRUE(Same(table.Actual[2], {9, 0}));

  // The stored value is shown in its own form at the next opening.
  form.Rows[0].Maximum = "pi/2";
  EXPECT_TRUE(form.bOkClick());
  form.FormShow();
  EXPECT_EQ(form.Rows[0].Maximum, "1.5707963267949");
}

// A file may bring value lists shorter than the names; the form once read
// past their end.
TEST(VarInputForm, UnevenListsFromAFileLoadAndStoreInBounds) {
  TVarTable table;
  table.Names = {"a", "b", "c"};
  table.Minimum = {{1, 0}};
  table.Actual = {{2, 0}, {3, 0}};
  ScriptedPrompts prompts;
  TVarInputForm form(table, prompts);
  form.FormShow();
  const std::vector<TVarInputRow> expected = {
      {"a", "1", "0", "2"}, {"b", "0", "0", "3"}, {"c", "0", "0", "0"}};
  EXPECT_EQ(form.Rows, expected);
  EXPECT_TRUE(form.bOkClick());
  EXPECT_EQ(table.Minimum.size(), 3u);
  EXPECT_EQ(table.Maximum.size(), 3u);
  EXPECT_TRUE(Same(table.Actual[1], {3, 0}));
}
