// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/var_input.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "support/application.h"
#include "support/recording_host.h"
#include "support/scripted_prompts.h"

namespace {

void SetCell(QTableWidget* table, int row, int column, const char* text) {
  table->item(row, column)->setText(QString::fromUtf8(text));
}

}  // namespace

TEST(VarInputDialog, GridShowsTheTableAndOkStoresAfterOneRefusal) {
  EnsureApplication<QApplication>();
  TDocument document;
  CreateDocument(document);
  SetVariable(document.VarTable, "x", {-1, 0}, {1, 0}, {0.25, 0});
  SetVariable(document.VarTable, "y", {}, {}, {});
  ScriptedPrompts prompts;
  prompts.MessageAnswers = {mbOk};
  TRecordingHost host;
  TfVarInput dialog(document, prompts, host);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Variable Table"));
  EXPECT_EQ(dialog.property("helpContext").toInt(), 40);

  auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("Table"));
  auto* bOk = dialog.findChild<QPushButton*>(QStringLiteral("bOk"));
  auto* bCancel = dialog.findChild<QPushButton*>(QStringLiteral("bCancel"));
  ASSERT_TRUE(table && bOk && bCancel);
  EXPECT_TRUE(bOk->isDefault());

  struct TShown {
    QStringList Headers;
    QStringList Row0, Row1;
    int Rows = 0;
    int Width = 0;
    bool StillOpenAfterRefusal = false;
    std::vector<std::string> Messages;
  } shown;
  QTimer::singleShot(0, [&] {
    for (int column = 0; column < 4; ++column) {
      shown.Headers << table->horizontalHeaderItem(column)->text();
      shown.Row0 << table->item(0, column)->text();
      shown.Row1 << table->item(1, column)->text();
    }
    shown.Rows = table->rowCount();
    shown.Width = table->columnWidth(2);
    SetCell(table, 1, 1, "x");  // a variable as a minimum
    bOk->click();
    shown.StillOpenAfterRefusal = dialog.isVisible();
    shown.Messages = prompts.MessageTexts();
    SetCell(table, 1, 1, "5");
    SetCell(table, 1, 2, "pi/2");
    bOk->click();
  });
  EXPECT_EQ(dialog.Execute(), QDialog::Accepted);

  EXPECT_EQ(shown.Headers,
            (QStringList{"Label", "Minimum value", "Maximum value", "Actual value"}));
  EXPECT_EQ(shown.Row0, (QStringList{"x", "-1", "1", "0.25"}));
  EXPECT_EQ(shown.Row1, (QStringList{"y", "0", "0", "0"}));
  EXPECT_EQ(shown.Rows, 2);
  EXPECT_EQ(shown.Width, 151);
  EXPECT_TRUE(shown.StillOpenAfterRefusal);
  EXPECT_EQ(shown.Messages,
            std::vector<std::string>{"Error at \"y\".\nValues for variable cannot be saved."});
  // The first refusal stored x again (unchanged); the second OK stored y with
  // its minimum lowered to the maximum's real part.
  EXPECT_DOUBLE_EQ(document.VarTable.Minimum[1].Re, static_cast<double>(HalfPi));
  EXPECT_DOUBLE_EQ(document.VarTable.Maximum[1].Re, static_cast<double>(HalfPi));
  EXPECT_EQ(host.Redraws, 1);

  // Cancel forgets the edits; an empty table shows one blank row.
  ClearVarTable(document.VarTable);
  QTimer::singleShot(0, [&] {
    shown.Rows = table->rowCount();
    shown.Row0.clear();
    for (int column = 0; column < 4; ++column) shown.Row0 << table->item(0, column)->text();
    bCancel->click();
  });
  EXPECT_EQ(dialog.Execute(), QDialog::Rejected);
  EXPECT_EQ(shown.Rows, 1);
  EXPECT_EQ(shown.Row0, (QStringList{"", "", "", ""}));
  EXPECT_EQ(host.Redraws, 1);
}
