// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/dialog_keys.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "dialogs/calculator_dialog.h"
#include "dialogs/diagram_input_dialog.h"
#include "dialogs/graph_input.h"
#include "support/application.h"
#include "support/controls.h"
#include "support/recording_host.h"
#include "support/scripted_prompts.h"

// In the calculator, Enter on "Calculate derivation" differentiates; Enter in
// the point field calculates the term's value (the default button).
TEST(DialogKeys, EnterPressesTheFocusedButtonInTheCalculator) {
  EnsureApplication<QApplication>();
  TDocument document;
  CreateDocument(document);
  ScriptedPrompts prompts;
  TRecordingHost host;
  TfCalculator dialog(document, prompts, host, nullptr);
  dialog.FormShow();
  dialog.show();
  auto* cbTerm = Control<QComboBox>(dialog, "cbTerm");
  auto* eDiffValue = Control<QLineEdit>(dialog, "eDiffValue");
  auto* mResult = Control<QPlainTextEdit>(dialog, "mResult");
  ASSERT_TRUE(cbTerm && eDiffValue && mResult);
  cbTerm->setEditText("x^2");
  Control<QPushButton>(dialog, "bCalculate")->click();
  Control<QComboBox>(dialog, "cbDiffVar")->setCurrentIndex(0);
  eDiffValue->setText("3");

  QTest::keyClick(Control<QPushButton>(dialog, "bCalcDiff"), Qt::Key_Return);
  QTest::keyClick(eDiffValue, Qt::Key_Enter);
  QTest::keyClick(Control<QPushButton>(dialog, "bClose"), Qt::Key_Return);
  EXPECT_EQ(mResult->toPlainText(), "0\n6\n0");  // value, derivative, value
  EXPECT_FALSE(dialog.isVisible());
}

// In the diagram editor, Enter on Cancel cancels; Enter in the cell field
// commits it and moves down (the default button "Enter").
TEST(DialogKeys, EnterPressesTheFocusedButtonInTheDiagramEditor) {
  EnsureApplication<QApplication>();
  TDocument document;
  CreateDocument(document);
  document.HiddenTable = TStringGrid(2, 3);
  ScriptedPrompts prompts;
  TRecordingHost host;
  TfDiagramInput dialog(document, prompts, host, nullptr);
  dialog.FormShow();
  dialog.show();
  auto* eCell = Control<QLineEdit>(dialog, "eCell");
  ASSERT_NE(eCell, nullptr);
  eCell->setText("4");
  QTest::keyClick(eCell, Qt::Key_Return);
  EXPECT_EQ(dialog.Form().Selection.Top, 2);
  EXPECT_EQ(Control<QTableView>(dialog, "Table")->model()->index(0, 0).data().toString(), "4");

  QTest::keyClick(Control<QPushButton>(dialog, "bCancel"), Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(document.HiddenTable.Cells(1, 1), "");
  EXPECT_TRUE(document.Diagrams.empty());
}

// In the graph input dialog, Enter on the variable table button opens the
// table and leaves the dialog open.
TEST(DialogKeys, EnterPressesTheFocusedToolButtonInTheGraphInput) {
  EnsureApplication<QApplication>();
  TDocument document;
  CreateDocument(document);
  document.Graphs = {{"x", "x^2", "", 0xFF0000, 0xFF0000}};
  ScriptedPrompts prompts;
  TRecordingHost host;
  TfGraphInput dialog(document, prompts, host);
  dialog.ShowModeless();
  QTest::keyClick(Control<QToolButton>(dialog, "bVarTable"), Qt::Key_Return);
  EXPECT_EQ(host.VariableTables, 1);
  EXPECT_TRUE(dialog.isVisible());
  dialog.reject();
}
