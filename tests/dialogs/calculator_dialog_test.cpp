// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/calculator_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "support/application.h"
#include "support/controls.h"
#include "support/recording_host.h"
#include "support/scripted_prompts.h"

namespace {}  // namespace

TEST(CalculatorDialog, ButtonsWriteResultLinesAndClosingRestoresTheTable) {
  EnsureApplication<QApplication>();
  TDocument document;
  CreateDocument(document);
  TGraph graph;
  graph.Term1 = "x^2";
  graph.Term2 = "X^2";
  graph.Term3 = "sin(x)";
  document.Graphs = {graph, graph};
  ScriptedPrompts prompts;
  TRecordingHost host;
  TfCalculator dialog(document, prompts, host, nullptr);
  EXPECT_EQ(dialog.windowTitle(), "Calculator");
  EXPECT_EQ(dialog.property("helpContext").toInt(), 70);

  dialog.FormShow();
  dialog.show();
  auto* cbTerm = Control<QComboBox>(dialog, "cbTerm");
  auto* cbDiffVar = Control<QComboBox>(dialog, "cbDiffVar");
  auto* cbIntVar = Control<QComboBox>(dialog, "cbIntVar");
  auto* mResult = Control<QPlainTextEdit>(dialog, "mResult");
  ASSERT_TRUE(cbTerm && cbDiffVar && cbIntVar && mResult);
  ASSERT_EQ(cbTerm->count(), 2);
  EXPECT_EQ(cbTerm->itemText(0), "x^2");
  EXPECT_EQ(cbTerm->itemText(1), "sin(x)");

  // Typing a term and pressing the default button evaluates it; its new
  // variable joins both lists.
  cbTerm->setFocus();
  QTest::keyClicks(cbTerm, "x^2+y");
  QTest::mouseClick(Control<QPushButton>(dialog, "bCalculate"), Qt::LeftButton);
  ASSERT_EQ(cbDiffVar->count(), 2);
  EXPECT_EQ(cbDiffVar->itemText(0), "x");
  EXPECT_EQ(cbIntVar->itemText(1), "y");

  cbDiffVar->setCurrentIndex(0);
  QTest::keyClicks(Control<QLineEdit>(dialog, "eDiffValue"), "3");
  QTest::mouseClick(Control<QPushButton>(dialog, "bCalcDiff"), Qt::LeftButton);

  // A bound that is no number is refused with a line, not a box.
  cbIntVar->setCurrentIndex(0);
  QTest::keyClicks(Control<QLineEdit>(dialog, "eLow"), "zero");
  QTest::keyClicks(Control<QLineEdit>(dialog, "eHigh"), "1");
  QTest::mouseClick(Control<QPushButton>(dialog, "bCalcInt"), Qt::LeftButton);

  QTest::mouseClick(Control<QPushButton>(dialog, "bVarTable"), Qt::LeftButton);
  EXPECT_EQ(host.VariableTables, 1);

  EXPECT_EQ(mResult->toPlainText(), "0\n6\nError: Invalid value entered.");
  EXPECT_TRUE(prompts.Records.empty());
  EXPECT_EQ(document.VarTable.Names, (std::vector<std::string>{"x", "y"}));

  QTest::mouseClick(Control<QPushButton>(dialog, "bClose"), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(document.VarTable.Names.empty());

  // The next opening keeps the result lines and the typed term.
  dialog.FormShow();
  EXPECT_EQ(mResult->toPlainText(), "0\n6\nError: Invalid value entered.");
  EXPECT_EQ(cbTerm->currentText(), "x^2+y");
}
