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
  CopyVarTable(table, copy);
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

TEST(VarTable, MinMaxReal) {
  EXPECT_EQ(MinReal(1, 2), 1);
  EXPECT_EQ(MaxReal(1, 2), 2);
  EXPECT_EQ(MinReal(-3, -4), -4);
}

}  // namespace
