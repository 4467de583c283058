// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/graph_terms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(GraphTerms, CollectTakesTheNonEmptyTermsInGraphAndAxisOrder) {
  struct TRow {
    std::vector<TGraph> Graphs;
    TStringArray Before;
    TStringArray Expected;
  };
  const std::vector<TRow> rows = {
      {{}, {}, {}},
      {{TGraph{}}, {}, {}},
      {{TGraph{"x", "sin(x)", "", 0, 0}}, {}, {"x", "sin(x)"}},
      {{TGraph{"", "", "z", 0, 0}, TGraph{"a", "b", "c", 0, 0}}, {}, {"z", "a", "b", "c"}},
      // Duplicates are kept and the list is not cleared.
      {{TGraph{"x", "x", "X", 0, 0}}, {"old"}, {"old", "x", "x", "X"}},
      // A blank is a term like any other text.
      {{TGraph{" ", "", "", 0, 0}}, {}, {" "}},
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    TStringArray list = rows[i].Before;
    CollectGraphTerms(rows[i].Graphs, list);
    EXPECT_EQ(list, rows[i].Expected) << "row " << i;
  }
}

TEST(GraphTerms, AddingIgnoresLetterCaseAndKeepsTheFirstSpelling) {
  struct TRow {
    TStringArray List;
    TStringArray Terms;
    TStringArray Expected;
  };
  const std::vector<TRow> rows = {
      {{}, {"Sin(X)", "sin(x)", "cos(x)", "SIN(x)"}, {"Sin(X)", "cos(x)"}},
      {{"x"}, {"X", "y", "Y", "y"}, {"x", "y"}},
      {{}, {"x^2", "x^2 "}, {"x^2", "x^2 "}},  // a trailing blank makes another term
      {{}, {}, {}},
      // Letters beyond ASCII are compared as they are.
      {{}, {"\xC3\xA4", "\xC3\x84"}, {"\xC3\xA4", "\xC3\x84"}},
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    TStringArray list = rows[i].List;
    AddTermsIgnoringCase(rows[i].Terms, list);
    EXPECT_EQ(list, rows[i].Expected) << "row " << i;
  }

  // Many graphs: linear, not quadratic, in the number of terms.
  TStringArray many;
  for (int k = 0; k < 200000; ++k) many.push_back("t" + std::to_string(k % 50000));
  TStringArray list;
  AddTermsIgnoringCase(many, list);
  EXPECT_EQ(list.size(), 50000u);
}
