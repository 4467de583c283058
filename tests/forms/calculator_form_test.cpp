// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/calculator_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/graph.h"
#include "support/recording_host.h"

namespace {

void AddVariable(TVarTable& table, const std::string& name, double actual) {
  SetVariable(table, name, {0, 0}, {0, 0}, {actual, 0});
}

}  // namespace

TEST(CalculatorForm, TermListOffersEachGraphTermOnce) {
  struct Case {
    const char* name;
    std::vector<TGraph> graphs;
    std::vector<std::string> items;
  };
  const Case cases[] = {
      {"no graphs", {}, {}},
      {"axis order within a graph, empty terms skipped",
       {Graph("x", "", "x*y"), Graph("", "sin(t)", "")},
       {"x", "x*y", "sin(t)"}},
      {"two graphs with the same term", {Graph("x^2", "", ""), Graph("x^2", "", "")}, {"x^2"}},
      {"letter case ignored, the first spelling kept",
       {Graph("Sin(X)", "x", ""), Graph("sin(x)", "X", "SIN(x)")},
       {"Sin(X)", "x"}},
      {"blanks make a different text", {Graph("x+1", "x + 1", "")}, {"x+1", "x + 1"}},
  };
  for (const Case& c : cases) {
    TDocument document;
    CreateDocument(document);
    document.Graphs = c.graphs;
    TRecordingHost host;
    TCalculatorForm form(document, host);
    form.cbTerm = "typed before";
    form.cbTermItems = {"left over from last time"};
    form.FormShow();
    EXPECT_EQ(form.cbTermItems, c.items) << c.name;
    EXPECT_EQ(form.cbTerm, "typed before") << c.name;
  }
}

TEST(CalculatorForm, ManyGraphsAreListedQuickly) {
  // Every term of 60000 graphs differs only in letter case from the first.
  TDocument document;
  CreateDocument(document);
  for (int g = 0; g < 60000; ++g) document.Graphs.push_back(Graph(g % 2 ? "ABC" : "abc", "", ""));
  document.Graphs.push_back(Graph("last", "", ""));
  TRecordingHost host;
  TCalculatorForm form(document, host);
  form.FormShow();
  EXPECT_EQ(form.cbTermItems, (std::vector<std::string>{"abc", "last"}));
}

TEST(CalculatorForm, TermExitRefillsVariableListsInTableOrder) {
  struct Case {
    const char* name;
    std::vector<std::string> table;  // names before
    const char* term;
    int diffIndex;  // selected before
    int intIndex;
    std::vector<std::string> items;
    int diffAfter;
    int intAfter;
  };
  const Case cases[] = {
      {"new names appended in order of appearance",
       {"a"},
       "z*b+a",
       -1,
       -1,
       {"a", "z", "b"},
       -1,
       -1},
      {"known names add nothing", {"b", "a"}, "a+b", 1, 0, {"b", "a"}, 1, 0},
      {"selection kept by position", {"a", "b"}, "c", 1, 0, {"a", "b", "c"}, 1, 0},
      {"a term that does not compile adds nothing", {"a"}, "q+(", 0, 0, {"a"}, 0, 0},
      {"a position past the end is dropped", {"a"}, "1", 3, 0, {"a"}, -1, 0},
      {"letter case makes a new name", {"x"}, "X", 0, -1, {"x", "X"}, 0, -1},
  };
  for (const Case& c : cases) {
    TDocument document;
    CreateDocument(document);
    for (const auto& name : c.table) AddVariable(document.VarTable, name, 1);
    TRecordingHost host;
    TCalculatorForm form(document, host);
    form.FormShow();
    form.cbDiffVarItems = c.table;
    form.cbIntVarItems = c.table;
    form.cbDiffVarIndex = c.diffIndex;
    form.cbIntVarIndex = c.intIndex;
    form.cbTerm = c.term;
    form.cbTermExit();
    EXPECT_EQ(document.VarTable.Names, c.items) << c.name;
    EXPECT_EQ(form.cbDiffVarItems, c.items) << c.name;
    EXPECT_EQ(form.cbIntVarItems, c.items) << c.name;
    EXPECT_EQ(form.cbDiffVarIndex, c.diffAfter) << c.name;
    EXPECT_EQ(form.cbIntVarIndex, c.intAfter) << c.name;
  }
}

TEST(CalculatorForm, ButtonsAppendTheirLines) {
  enum class TButton { Calculate, Diff, Int };
  struct Case {
    const char* name;
    TButton button;
    const char* term;
    const char* variable;  // selected in both lists after the exit step; "" for none
    const char* first;     // x0, or the lower bound
    const char* second;    // the upper bound
    const char* line;
  };
  const Case cases[] = {
      {"value with the actual values", TButton::Calculate, "a*2", "", "", "", "6"},
      {"a complex value", TButton::Calculate, "2+3*i", "", "", "", "2+3*i"},
      {"division by zero", TButton::Calculate, "1/0", "", "", "",
       "Error: Result cannot be calculated."},
      // The exit step adds t with 0 first, so this is a value, not an error.
      {"a variable not yet in the table", TButton::Calculate, "t", "", "", "", "0"},
      {"derivative", TButton::Diff, "x^2", "x", "3", "", "6"},
      {"derivative of i*x", TButton::Diff, "i*x", "x", "0", "", "i"},
      {"derivative with nothing selected", TButton::Diff, "x^2", "", "3", "",
       "Error: No variable for differentiation selected."},
      {"derivative at a bad point", TButton::Diff, "x^2", "x", "3,5", "",
       "Error: Invalid value entered."},
      {"integral", TButton::Int, "x^2", "x", "0", "1", "0.333333"},
      {"integral with nothing selected", TButton::Int, "x^2", "", "0", "1",
       "Error: No variable for integration selected."},
      {"integral of a bad term", TButton::Int, "x^", "x", "0", "1", "Error: Invalid term entered."},
      {"integral with a huge bound", TButton::Int, "x", "x", "0", "1E400",
       "Error: Invalid value entered."},
  };
  for (const Case& c : cases) {
    TDocument document;
    CreateDocument(document);
    AddVariable(document.VarTable, "a", 3);
    AddVariable(document.VarTable, "x", 7);
    TRecordingHost host;
    TCalculatorForm form(document, host);
    form.FormShow();
    form.mResult = {"earlier"};
    form.cbTerm = c.term;
    form.cbTermExit();
    const std::string variable = c.variable;
    bool selected = false;
    for (size_t k = 0; k < form.cbDiffVarItems.size(); ++k)
      if (form.cbDiffVarItems[k] == variable) {
        form.cbDiffVarIndex = form.cbIntVarIndex = static_cast<int>(k);
        selected = true;
      }
    switch (c.button) {
      case TButton::Calculate: form.bCalculateClick(); break;
      case TButton::Diff:
        form.eDiffValue = c.first;
        form.bCalcDiffClick();
        break;
      case TButton::Int:
        form.eLow = c.first;
        form.eHigh = c.second;
        form.bCalcIntClick();
        break;
    }
    EXPECT_EQ(form.mResult, (std::vector<std::string>{"earlier", c.line})) << c.name;
    // The chosen variable is changed only while the line is computed.
    TComplex minimum, maximum, actual;
    ASSERT_EQ(selected, !variable.empty()) << c.name;
    if (selected) {
      ASSERT_TRUE(GetVariable(document.VarTable, variable, minimum, maximum, actual)) << c.name;
      EXPECT_EQ(actual.Re, 7) << c.name;
    }
  }
}

TEST(CalculatorForm, ClosingRemovesOnlyTheCalculatorsOwnVariables) {
  TDocument document;
  CreateDocument(document);
  AddVariable(document.VarTable, "a", 3);
  const TVarTable before = document.VarTable;
  TRecordingHost host;
  TCalculatorForm form(document, host);

  // Looked at in the variable table dialog but not changed (Cancel, or OK
  // without a change): the variables the term added go again on closing.
  std::vector<std::string> namesSeenByDialog;
  host.OnVariableTable = [&] { namesSeenByDialog = document.VarTable.Names; };
  form.FormShow();
  form.cbTerm = "newvar*a";
  form.bVarTableClick();
  EXPECT_EQ(host.VariableTables, 1);
  // The term's variables are in the table by the time the dialog shows it.
  EXPECT_EQ(namesSeenByDialog, (std::vector<std::string>{"a", "newvar"}));
  form.bCalculateClick();
  EXPECT_EQ(form.mResult.back(), "0");
  form.eDiffValue = "2";
  form.cbDiffVarIndex = 1;
  form.bCalcDiffClick();
  EXPECT_EQ(form.mResult.back(), "3");
  form.FormClose();

  EXPECT_EQ(document.VarTable.Names, before.Names);
  ASSERT_EQ(document.VarTable.Actual.size(), 1u);
  EXPECT_EQ(document.VarTable.Actual[0].Re, 3);
  EXPECT_EQ(host.Redraws, 0);

  // The result list keeps its lines across openings.
  form.FormShow();
  EXPECT_EQ(form.mResult, (std::vector<std::string>{"0", "3"}));
  form.cbTerm = "b";
  form.cbTermExit();
  form.FormClose();
  EXPECT_EQ(document.VarTable.Names, std::vector<std::string>{"a"});
}

TEST(CalculatorForm, EditsConfirmedInTheVariableTableStayAfterClosing) {
  TDocument document;
  CreateDocument(document);
  AddVariable(document.VarTable, "a", 3);
  TRecordingHost host;
  TCalculatorForm form(document, host);
  // OK in the variable table dialog: new values, stored and drawn.
  host.OnVariableTable = [&] {
    SetVariable(document.VarTable, "a", {-1, 0}, {1, 0}, {42, 0});
    SetVariable(document.VarTable, "newvar", {0, 0}, {2, 0}, {5, 0});
    host.Redraw();
  };
  form.FormShow();
  form.cbTerm = "newvar*a";
  form.bVarTableClick();
  form.bCalculateClick();
  EXPECT_EQ(form.mResult.back(), "210");
  // A term typed after the dialog closed adds a variable of the calculator's own.
  form.cbTerm = "later";
  form.cbTermExit();
  form.FormClose();

  const TVarTable& table = document.VarTable;
  EXPECT_EQ(table.Names, (std::vector<std::string>{"a", "newvar"}));
  EXPECT_EQ(table.Actual[0].Re, 42);
  EXPECT_EQ(table.Minimum[0].Re, -1);
  EXPECT_EQ(table.Actual[1].Re, 5);
  EXPECT_EQ(table.Maximum[1].Re, 2);
  // Closing draws nothing: the picture was drawn from this table already.
  EXPECT_EQ(host.Redraws, 1);
}

TEST(CalculatorForm, AWarningFollowsItsResultInTheList) {
  TDocument document;
  CreateDocument(document);
  TRecordingHost host;
  TCalculatorForm form(document, host);
  form.FormShow();
  form.cbTerm = "abs(x)";
  form.cbTermExit();
  form.cbDiffVarIndex = 0;
  form.eDiffValue = "0";
  form.bCalcDiffClick();
  form.cbIntVarIndex = 0;
  form.eLow = "-1";
  form.eHigh = "1";
  form.bCalcIntClick();
  EXPECT_EQ(
      form.mResult,
      (std::vector<std::string>{
          "0", "Warning: Left and right slopes differ by 2; the derivative may not exist.", "1"}));
}
