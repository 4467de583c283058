// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/graph_input_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/graph.h"
#include "support/recording_host.h"
#include "support/scripted_prompts.h"

namespace {

const std::string TwoDQuestion =
    "For valid 2D plots, terms have to be entered at least for axis 1 and 2.\n\rDo you want to "
    "continue anyway?";

std::string ThreeDQuestion(int display) {
  return "Display" + std::to_string(display) +
         " contains threedimensional plots.\n\rDo you want to switch the display into 3D mode?\n\r"
         "You can also adjust the view mode manually at the Display Settings window, later.";
}

std::string DeepTerm(int depth) {
  std::string term;
  for (int k = 0; k < depth; ++k) term += "sin(";
  return term + "x" + std::string(static_cast<size_t>(depth), ')');
}

struct TSetup {
  TDocument Document;
  ScriptedPrompts Prompts;
  TRecordingHost Host;
  TGraphInputForm Form{Document, Prompts, Host};
  TSetup() { CreateDocument(Document); }
};

}  // namespace

TEST(GraphInputForm, OpeningWithoutGraphsMakesOneBlueEmptyGraph) {
  TSetup s;
  s.Form.FormShow();
  EXPECT_EQ(s.Form.TabCaptions(), std::vector<std::string>{"Graph1"});
  EXPECT_EQ(s.Form.SelectedTab, 0);
  EXPECT_TRUE(s.Form.TabsVisible);
  EXPECT_EQ(s.Form.Fields, Graph("", ""));
  EXPECT_EQ(s.Form.Fields.Color1, 0xFF0000);
  EXPECT_EQ(s.Form.Fields.Color2, 0xFF0000);
  EXPECT_TRUE(s.Document.Graphs.empty());  // only the working copy has it

  // OK with empty fields asks the 2D question; Yes stores the empty graph,
  // lists it in the last display and redraws.
  s.Prompts.MessageAnswers = {mbYes};
  EXPECT_TRUE(s.Form.bOkClick());
  ASSERT_EQ(s.Prompts.Records.size(), 1u);
  EXPECT_EQ(s.Prompts.Records[0].Text, TwoDQuestion);
  EXPECT_EQ(s.Prompts.Records[0].Kind, TMessageKind::Warning);
  EXPECT_EQ(s.Prompts.Records[0].Buttons, mbYes | mbNo | mbHelp);
  EXPECT_EQ(s.Prompts.Records[0].HelpContext, 11);
  EXPECT_EQ(s.Document.Graphs, std::vector<TGraph>{Graph("", "")});
  EXPECT_EQ(s.Document.Displays[0].GraphIndices, std::vector<uint16_t>{0});
  EXPECT_EQ(s.Host.Redraws, 1);
  EXPECT_FALSE(s.Form.IsOpen());
  EXPECT_TRUE(s.Form.WorkGraphs.empty());
  EXPECT_TRUE(s.Form.WorkGraphIndices.empty());

  // Opening again does not add a second graph.
  s.Form.FormShow();
  EXPECT_EQ(s.Form.WorkGraphs.size(), 1u);
}

TEST(GraphInputForm, StoreStepAsksAndRefusesInOrder) {
  struct TRow {
    std::string X, Y, Z;
    std::vector<TMessageButton> Answers;
    std::vector<std::string> Messages;
    bool Allowed;
  };
  const std::string bad1 = "Invalid Term entered for axis 1.";
  const std::string bad2 = "Invalid Term entered for axis 2.";
  const std::string bad3 = "Invalid Term entered for axis 3.";
  const std::vector<TRow> rows = {
      {"x", "sin(x)", "", {}, {}, true},
      {"x", "y", "x*y", {}, {}, true},
      {"x", "y", "(((", {}, {bad3}, false},
      {"x", "2*", "(((", {}, {bad2}, false},
      {"sin(", "y", "", {}, {bad1}, false},
      {"(((", "", "", {mbYes}, {TwoDQuestion, bad1}, false},
      {"(((", "", "", {mbNo}, {TwoDQuestion}, false},
      {"x", "", "", {mbNo}, {TwoDQuestion}, false},  // any answer but Yes refuses
      // Help shows the topic and is no answer: the question is asked again.
      {"x", "", "", {mbHelp, mbNo}, {TwoDQuestion, TwoDQuestion}, false},
      {"x", "", "", {mbHelp, mbHelp, mbYes}, {TwoDQuestion, TwoDQuestion, TwoDQuestion}, true},
      {"", "y", "", {mbYes}, {TwoDQuestion}, true},
      {"", "", "", {mbYes}, {TwoDQuestion}, true},
      {"", "", "((", {mbYes}, {TwoDQuestion, bad3}, false},
      {"x+", "y", "", {}, {bad1}, false},
      {std::string(70000, 'x'), "y", "", {}, {bad1}, false},  // beyond the longest term
      {DeepTerm(3000), "y", "", {}, {bad1}, false},           // nested deeper than a term may be
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    const TRow& row = rows[i];
    TSetup s;
    s.Document.Graphs = {Graph("a", "b"), Graph("c", "d")};
    s.Form.FormShow();
    s.Form.Fields.Term1 = row.X;
    s.Form.Fields.Term2 = row.Y;
    s.Form.Fields.Term3 = row.Z;
    s.Form.Fields.Color2 = 0x123456;
    s.Prompts.MessageAnswers.assign(row.Answers.begin(), row.Answers.end());
    EXPECT_EQ(s.Form.ChangeTab(1), row.Allowed) << "row " << i;
    EXPECT_EQ(s.Prompts.MessageTexts(), row.Messages) << "row " << i;
    EXPECT_TRUE(s.Prompts.MessageAnswers.empty()) << "row " << i << ": every scripted answer used";
    for (size_t m = 0; m < s.Prompts.Records.size(); ++m) {
      const bool question = s.Prompts.Records[m].Text == TwoDQuestion;
      EXPECT_EQ(s.Prompts.Records[m].Kind, question ? TMessageKind::Warning : TMessageKind::Error)
          << "row " << i;
      EXPECT_EQ(s.Prompts.Records[m].Buttons, question ? mbYes | mbNo | mbHelp : mbOk)
          << "row " << i;
    }
    if (row.Allowed) {
      EXPECT_EQ(s.Form.SelectedTab, 1) << "row " << i;
      EXPECT_EQ(s.Form.Fields, Graph("c", "d")) << "row " << i;
      TGraph stored = Graph(row.X, row.Y, row.Z);
      stored.Color2 = 0x123456;
      EXPECT_EQ(s.Form.WorkGraphs[0], stored) << "row " << i;
    } else {
      // The tab stays with every text as typed, and nothing is stored.
      EXPECT_EQ(s.Form.SelectedTab, 0) << "row " << i;
      EXPECT_EQ(s.Form.Fields.Term1, row.X) << "row " << i;
      EXPECT_EQ(s.Form.WorkGraphs[0], Graph("a", "b")) << "row " << i;
    }
    EXPECT_EQ(s.Document.Graphs, (std::vector<TGraph>{Graph("a", "b"), Graph("c", "d")}))
        << "row " << i;
  }
}

TEST(GraphInputForm, DropDownsOfferTheConfirmedTermsWithoutCaseDuplicates) {
  TSetup s;
  s.Document.Graphs = {Graph("sin(x)", "x"), Graph("SIN(X)", "cos(x)", "x"), Graph("", "t")};
  s.Form.FormShow();
  EXPECT_TRUE(s.Form.TermList.empty());  // empty until the first store step
  s.Form.Fields.Term1 = "typed*x";
  ASSERT_TRUE(s.Form.ChangeTab(2));
  EXPECT_EQ(s.Form.TermList, (TStringArray{"sin(x)", "x", "cos(x)", "t"}));
  // Kept over closing and opening again; rebuilt by the next store step only.
  s.Form.FormClose();
  s.Document.Graphs.clear();
  s.Form.FormShow();
  EXPECT_EQ(s.Form.TermList.size(), 4u);
}

TEST(GraphInputForm, OkKeepsTheVariableTableInLineWithTheTerms) {
  TSetup s;
  TVarTable& table = s.Document.VarTable;
  SetVariable(table, "unused", {1, 0}, {2, 0}, {3, 0});
  SetVariable(table, "a", {-1, 0}, {4, 0}, {2, 1});
  s.Document.Graphs = {Graph("a*t", "b", "")};
  s.Form.FormShow();
  // The variable table button adds the missing variables, before the dialog
  // opens; a variable the user adds there but no term uses goes on OK.
  s.Host.OnVariableTable = [&] {
    EXPECT_EQ(table.Names, (TStringArray{"unused", "a", "t", "b"}));
    SetVariable(table, "extra", {}, {}, {});
  };
  s.Form.bVarTableClick();
  EXPECT_EQ(s.Host.VariableTables, 1);
  EXPECT_EQ(s.Host.Redraws, 0);
  s.Form.Fields.Term2 = "b+c+t";
  ASSERT_TRUE(s.Form.bOkClick());
  EXPECT_EQ(table.Names, (TStringArray{"a", "t", "b", "c"}));
  EXPECT_EQ(table.Actual[0].Re, 2);  // a keeps its values
  EXPECT_EQ(table.Actual[0].Im, 1);
  EXPECT_EQ(table.Maximum[0].Re, 4);
  for (size_t k = 1; k < 4; ++k) {
    EXPECT_EQ(table.Minimum[k].Re, 0);
    EXPECT_EQ(table.Maximum[k].Re, 0);
    EXPECT_EQ(table.Actual[k].Re, 0);
  }
  EXPECT_EQ(table.Minimum.size(), 4u);
  EXPECT_EQ(table.Actual.size(), 4u);
  EXPECT_EQ(s.Prompts.Records.size(), 0u);
}

TEST(GraphInputForm, OkKeepsTheVariablesOfTermsThatDoNotCompile) {
  struct Case {
    const char* name;
    std::vector<TGraph> graphs;  // graph 0 is the one on the tab
    TStringArray kept;
  };
  const Case cases[] = {
      {"a graph on a tab never visited",
       {Graph("t", "a*t"), Graph("b*u+", "c")},
       {"a", "b", "c", "t", "u"}},
      {"implicit multiplication and a blank",
       {Graph("t", "a*t"), Graph("2u", "b c")},
       {"a", "b", "c", "t", "u"}},
      {"a misspelt function", {Graph("t", "a*t"), Graph("sinn(u)", "")}, {"a", "t", "u"}},
      {"words of a broken term only, not parts of them",
       {Graph("t", "a*t"), Graph("tu+", "")},
       {"a", "t"}},
  };
  for (const Case& c : cases) {
    TSetup s;
    TVarTable& table = s.Document.VarTable;
    for (const char* name : {"a", "b", "c", "t", "u", "v"})
      SetVariable(table, name, {-2, 0}, {5, 0}, {1, 0});
    s.Document.Graphs = c.graphs;
    s.Form.FormShow();
    ASSERT_TRUE(s.Form.bOkClick()) << c.name;
    TStringArray kept = table.Names;
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, c.kept) << c.name;
    // Kept with their ranges, so a fixed term does not collapse to a point.
    for (size_t k = 0; k < table.Names.size(); ++k) {
      EXPECT_EQ(table.Minimum[k].Re, -2) << c.name;
      EXPECT_EQ(table.Maximum[k].Re, 5) << c.name;
    }
  }
}

TEST(GraphInputForm, VariableTableButtonStopsWhenTheStoreStepRefuses) {
  TSetup s;
  s.Form.FormShow();
  s.Form.Fields = Graph("q", "((");
  s.Form.bVarTableClick();
  EXPECT_EQ(s.Host.VariableTables, 0);
  EXPECT_EQ(s.Document.VarTable.Count(), 0);
  EXPECT_EQ(s.Prompts.MessageTexts(), std::vector<std::string>{"Invalid Term entered for axis 2."});
}

TEST(GraphInputForm, OkAssignsOnlyTheSelectedUnlistedGraphToTheLastDisplay) {
  struct TRow {
    std::vector<std::vector<uint16_t>> Lists;
    int Tab;
    std::vector<std::vector<uint16_t>> Expected;
  };
  const std::vector<TRow> rows = {
      {{{0}, {}}, 1, {{0}, {1}}},  // the last display, not the current one
      {{{0}, {}}, 0, {{0}, {}}},   // already listed
      {{{}, {0}}, 0, {{}, {0}}},
      {{{}, {}}, 2, {{}, {2}}},  // graphs 0 and 1 stay unlisted
      {{{2, 2}, {1}}, 0, {{2, 2}, {1, 0}}},
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    TSetup s;
    s.Document.Displays.resize(2);
    for (size_t d = 0; d < 2; ++d) s.Document.Displays[d].GraphIndices = rows[i].Lists[d];
    s.Document.Graphs = {Graph("x", "1"), Graph("x", "2"), Graph("x", "3")};
    s.Form.FormShow();
    ASSERT_TRUE(s.Form.ChangeTab(rows[i].Tab)) << "row " << i;
    ASSERT_TRUE(s.Form.bOkClick()) << "row " << i;
    for (size_t d = 0; d < 2; ++d)
      EXPECT_EQ(s.Document.Displays[d].GraphIndices, rows[i].Expected[d]) << "row " << i;
  }

  // Without displays there is nowhere to assign to.
  TSetup s;
  s.Document.Displays.clear();
  s.Form.FormShow();
  s.Form.Fields = Graph("x", "x");
  EXPECT_TRUE(s.Form.bOkClick());
  EXPECT_EQ(s.Document.Graphs.size(), 1u);
}

TEST(GraphInputForm, ThreeDimensionalGraphsOfferTheSwitchPerGraphUntilYes) {
  struct TRow {
    std::vector<TMessageButton> Answers;
    std::vector<std::string> Questions;
    bool FirstThreeAxes, SecondThreeAxes;
  };
  const std::vector<TRow> rows = {
      {{mbNo, mbNo, mbNo}, {ThreeDQuestion(1), ThreeDQuestion(1), ThreeDQuestion(2)}, false, false},
      {{mbYes, mbYes}, {ThreeDQuestion(1), ThreeDQuestion(2)}, true, true},
      {{mbNo, mbYes, mbNo}, {ThreeDQuestion(1), ThreeDQuestion(1), ThreeDQuestion(2)}, true, false},
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    TSetup s;
    s.Document.Displays.resize(3);
    s.Document.Displays[0].GraphIndices = {0, 1, 2, 7};  // 7 names no graph
    s.Document.Displays[1].GraphIndices = {1, 1, 1, 1};  // one graph listed again and again
    s.Document.Displays[2].GraphIndices = {0};
    s.Document.Displays[2].ThreeAxes = true;
    s.Document.Displays[0].Alpha = 0;
    s.Document.Graphs = {Graph("x", "y", "x*y"), Graph("x", "y", "1"), Graph("x", "y", "")};
    s.Form.FormShow();
    s.Prompts.MessageAnswers.assign(rows[i].Answers.begin(), rows[i].Answers.end());
    ASSERT_TRUE(s.Form.bOkClick()) << "row " << i;
    EXPECT_EQ(s.Prompts.MessageTexts(), rows[i].Questions) << "row " << i;
    for (const TPromptRecord& record : s.Prompts.Records) {
      EXPECT_EQ(record.Kind, TMessageKind::Confirmation);
      EXPECT_EQ(record.Buttons, mbYesNo);
    }
    EXPECT_EQ(s.Document.Displays[0].ThreeAxes, rows[i].FirstThreeAxes) << "row " << i;
    EXPECT_EQ(s.Document.Displays[1].ThreeAxes, rows[i].SecondThreeAxes) << "row " << i;
    // Nothing else of the display changes.
    TCoordinateSystem expected;
    expected.GraphIndices = {0, 1, 2, 7};
    expected.ThreeAxes = rows[i].FirstThreeAxes;
    EXPECT_EQ(s.Document.Displays[0], expected) << "row " << i;
  }
}

TEST(GraphInputForm, CancelLeavesAllButTheVariablesTheButtonAdded) {
  TSetup s;
  s.Document.Graphs = {Graph("x", "y")};
  s.Document.Displays[0].GraphIndices = {0};
  const TDocument before = s.Document;
  s.Form.FormShow();
  s.Form.Fields = Graph("u", "v", "w");
  s.Prompts.ColorAnswers = {0x00FF00};
  s.Form.pColor1Click();
  EXPECT_EQ(s.Form.Fields.Color1, 0x00FF00);
  s.Form.bVarTableClick();
  s.Form.FormClose();
  EXPECT_EQ(s.Document.Graphs, before.Graphs);
  EXPECT_TRUE(s.Document.Displays == before.Displays);
  EXPECT_EQ(s.Document.VarTable.Names, (TStringArray{"u", "v", "w"}));
  EXPECT_EQ(s.Host.Redraws, 0);
  EXPECT_FALSE(s.Form.IsOpen());
}

TEST(GraphInputForm, ColoursAreStoredByTheStoreStepOnly) {
  TSetup s;
  s.Form.FormShow();
  s.Form.Fields = Graph("x", "x");
  s.Prompts.ColorAnswers = {std::nullopt, 0x0000FF, 0x00FF00};
  s.Form.pColor1Click();  // cancelled
  EXPECT_EQ(s.Form.Fields.Color1, 0xFF0000);
  s.Form.pColor1Click();
  s.Form.pColor2Click();
  EXPECT_EQ(s.Form.WorkGraphs[0].Color1, 0xFF0000);
  ASSERT_TRUE(s.Form.bOkClick());
  EXPECT_EQ(s.Document.Graphs[0].Color1, 0x0000FF);
  EXPECT_EQ(s.Document.Graphs[0].Color2, 0x00FF00);
}

TEST(GraphInputForm, AReplacedDocumentIsNeverWrittenOverWithOldCopies) {
  // Reported replacement: the copies are taken afresh from the new document.
  TSetup s;
  s.Document.Displays.resize(3);
  s.Document.Graphs = {Graph("x", "1"), Graph("x", "2"), Graph("x", "3")};
  s.Form.FormShow();
  ASSERT_TRUE(s.Form.ChangeTab(2));
  s.Form.Fields.Term1 = "old";
  ResetDocument(s.Document);
  s.Document.Graphs = {Graph("n", "1")};
  s.Form.DocumentReplaced();
  EXPECT_EQ(s.Form.WorkGraphs, std::vector<TGraph>{Graph("n", "1")});
  EXPECT_EQ(s.Form.WorkGraphIndices.size(), 1u);
  EXPECT_EQ(s.Form.SelectedTab, 0);
  EXPECT_EQ(s.Form.Fields, Graph("n", "1"));
  ASSERT_TRUE(s.Form.bOkClick());
  EXPECT_EQ(s.Document.Graphs, std::vector<TGraph>{Graph("n", "1")});
  EXPECT_EQ(s.Document.Displays.size(), 1u);
  EXPECT_EQ(s.Document.Displays[0].GraphIndices, std::vector<uint16_t>{0});

  // A replacement reported while closed changes nothing.
  s.Form.DocumentReplaced();
  EXPECT_FALSE(s.Form.IsOpen());
  EXPECT_TRUE(s.Form.WorkGraphs.empty());

  // Unreported, OK still writes lists back only into displays that exist.
  TSetup u;
  u.Document.Displays.resize(3);
  u.Document.Displays[2].GraphIndices = {0};
  u.Document.Graphs = {Graph("x", "1")};
  u.Form.FormShow();
  u.Document.Displays.resize(1);
  ASSERT_TRUE(u.Form.bOkClick());
  EXPECT_EQ(u.Document.Displays.size(), 1u);
  EXPECT_EQ(u.Document.Displays[0].GraphIndices, std::vector<uint16_t>{0});
}

TEST(GraphInputForm, ManyGraphsOfferTheFirstTabsAndKeepTheRest) {
  struct TRow {
    size_t Graphs;
    size_t Tabs;
    std::vector<std::string> Messages;
  };
  const std::vector<TRow> rows = {
      {999, 999, {}},
      {1000, 1000, {}},
      {1001,
       1000,
       {"Only the first 1000 of the 1001 graphs can be edited here; the others are kept as they "
        "are."}},
      {20000,
       1000,
       {"Only the first 1000 of the 20000 graphs can be edited here; the others are kept as they "
        "are."}},
  };
  for (const TRow& row : rows) {
    TSetup s;
    // Every graph names a variable of its own, so that adding and removing
    // variables must stay linear in their number.
    for (size_t g = 0; g < row.Graphs; ++g)
      s.Document.Graphs.push_back(Graph("v" + std::to_string(g), "1"));
    SetVariable(s.Document.VarTable, "gone", {}, {}, {});
    s.Form.FormShow();
    EXPECT_EQ(s.Prompts.MessageTexts(), row.Messages) << row.Graphs;
    const std::vector<std::string> captions = s.Form.TabCaptions();
    ASSERT_EQ(captions.size(), row.Tabs) << row.Graphs;
    EXPECT_EQ(captions.back(), "Graph" + std::to_string(row.Tabs));
    EXPECT_FALSE(s.Form.ChangeTab(static_cast<int>(row.Tabs))) << row.Graphs;
    ASSERT_TRUE(s.Form.ChangeTab(static_cast<int>(row.Tabs) - 1)) << row.Graphs;
    s.Form.Fields.Term2 = "2";
    ASSERT_TRUE(s.Form.bOkClick()) << row.Graphs;
    ASSERT_EQ(s.Document.Graphs.size(), row.Graphs);
    EXPECT_EQ(s.Document.Graphs[row.Tabs - 1].Term2, "2");
    EXPECT_EQ(s.Document.Graphs.back().Term1, "v" + std::to_string(row.Graphs - 1));
    const TVarTable& table = s.Document.VarTable;
    ASSERT_EQ(table.Count(), static_cast<int>(row.Graphs)) << row.Graphs;
    EXPECT_EQ(table.Names.front(), "v0");
    EXPECT_EQ(table.Names.back(), "v" + std::to_string(row.Graphs - 1));
    EXPECT_EQ(table.Actual.size(), row.Graphs);
  }
}
