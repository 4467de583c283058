// SPDX-License-Identifier: GPL-3.0-or-later
#include "term/var_table.h"

#include <gtest/gtest.h>

namespace {

TEST(VarTable, SetGetDelete) {
  TVarTable table;
  EXPECT_FALSE(SetVariable(table, "x", {1, 0}, {2, 0}, {3, 0}));
  EXPECT_TRUE(SetVariable(table, "x", {4, 0}, {5, 0}, {6, 0}));
  EXPECT_EQ(table.Count(), 1);
  EXPECT_FALSE(SetVariable(table, "", {}, {}, {}));
  EXPECT_EQ(table.Count(), 1);

  TComplex mn, mx, ac;
  EXPECT_TRUE(GetVariable(table, "x", mn, mx, ac));
  EXPECT_EQ(mn.Re, 4);
  EXPECT_EQ(mx.Re, 5);
  EXPECT_EQ(ac.Re, 6);
  mn = mx = ac = {7, 7};
  EXPECT_FALSE(GetVariable(table, "X", mn, mx, ac));
  EXPECT_EQ(mn.Re, 0);
  EXPECT_EQ(ac.Im, 0);
  EXPECT_FALSE(GetVariable(table, "", mn, mx, ac));

  SetVariable(table, "y", {}, {}, {});
  SetVariable(table, "z", {}, {}, {});
  EXPECT_TRUE(DeleteVariable(table, "y"));
  EXPECT_EQ(table.Names, (TStringArray{"x", "z"}));
  EXPECT_EQ(table.Actual.size(), 2u);
  EXPECT_FALSE(DeleteVariable(table, "y"));

  TVarTable copy;
  SetVariable(copy, "old", {}, {}, {});
  copy = table;
  EXPECT_EQ(copy.Names, table.Names);
  ClearVarTable(table);
  EXPECT_EQ(table.Count(), 0);
  EXPECT_TRUE(table.Actual.empty());
}

TEST(VarTable, DuplicateNames) {
  TVarTable table;
  table.Names = {"a", "b", "a"};
  table.Minimum = table.Maximum = table.Actual = {{1, 0}, {2, 0}, {3, 0}};
  // Setting writes every row of the name; reading takes the last; deleting the first.
  EXPECT_TRUE(SetVariable(table, "a", {9, 0}, {9, 0}, {9, 0}));
  EXPECT_EQ(table.Actual[0].Re, 9);
  EXPECT_EQ(table.Actual[2].Re, 9);
  table.Actual[0].Re = 1;
  TComplex mn, mx, ac;
  EXPECT_TRUE(GetVariable(table, "a", mn, mx, ac));
  EXPECT_EQ(ac.Re, 9);
  EXPECT_TRUE(DeleteVariable(table, "a"));
  EXPECT_EQ(table.Names, (TStringArray{"b", "a"}));
}

// A document file may give the four lists different lengths; no operation
// may reach outside a list (each of these once read or wrote past the end).
TEST(VarTable, ListsOfDifferentLengths) {
  TVarTable table;
  table.Names = {"a", "b", "c"};
  table.Minimum = {{1, 0}};
  table.Maximum = {};
  table.Actual = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}};

  TComplex mn{7, 7}, mx{7, 7}, ac{7, 7};
  EXPECT_TRUE(GetVariable(table, "b", mn, mx, ac));
  EXPECT_EQ(mn.Re, 0);  // Minimum holds no row 1
  EXPECT_EQ(mx.Re, 0);
  EXPECT_EQ(ac.Re, 2);

  // Setting a row lengthens the shorter lists just enough.
  EXPECT_TRUE(SetVariable(table, "b", {8, 0}, {9, 0}, {10, 0}));
  EXPECT_EQ(table.Minimum.size(), 2u);
  EXPECT_EQ(table.Maximum.size(), 2u);
  EXPECT_EQ(table.Actual.size(), 5u);
  EXPECT_TRUE(GetVariable(table, "b", mn, mx, ac));
  EXPECT_EQ(mn.Re, 8);
  EXPECT_EQ(mx.Re, 9);
  EXPECT_EQ(ac.Re, 10);

  // A new name takes row 3 in every list; Actual's surplus row 3 belonged to
  // no name.
  EXPECT_FALSE(SetVariable(table, "d", {11, 0}, {12, 0}, {13, 0}));
  EXPECT_EQ(table.Names.size(), 4u);
  EXPECT_EQ(table.Minimum.size(), 4u);
  EXPECT_EQ(table.Actual.size(), 5u);
  EXPECT_TRUE(GetVariable(table, "d", mn, mx, ac));
  EXPECT_EQ(mn.Re, 11);
  EXPECT_EQ(ac.Re, 13);

  // Deleting removes the row from the lists that hold it.
  table.Maximum.clear();
  EXPECT_TRUE(DeleteVariable(table, "c"));
  EXPECT_EQ(table.Names, (TStringArray{"a", "b", "d"}));
  EXPECT_EQ(table.Minimum.size(), 3u);
  EXPECT_TRUE(table.Maximum.empty());
  EXPECT_EQ(table.Actual.size(), 4u);
  EXPECT_TRUE(GetVariable(table, "d", mn, mx, ac));
  EXPECT_EQ(mn.Re, 11);
  EXPECT_EQ(mx.Re, 0);
}

TEST(VarTable, MinMaxReal) {
  EXPECT_EQ(MinReal(1, 2), 1);
  EXPECT_EQ(MaxReal(1, 2), 2);
  EXPECT_EQ(MinReal(-3, -4), -4);
}

}  // namespace

namespace {

TEST(VarTable, UnevenListsAreReadAsZerosAndEvenedOut) {
  TVarTable table;
  table.Names = {"a", "b"};
  table.Actual = {{5, 0}, {6, 0}, {7, 0}};
  EXPECT_EQ(ValueAt(table.Minimum, 1).Re, 0);
  EXPECT_EQ(ValueAt(table.Actual, 1).Re, 6);
  EvenOutVarTable(table);
  EXPECT_EQ(table.Minimum.size(), 2u);
  EXPECT_EQ(table.Maximum.size(), 2u);
  EXPECT_EQ(table.Actual.size(), 2u);
  EXPECT_EQ(table.Actual[1].Re, 6);
}

}  // namespace
