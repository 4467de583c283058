// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/graph_input.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "dialogs/color_swatch.h"
#include "support/application.h"
#include "support/controls.h"
#include "support/graph.h"
#include "support/recording_host.h"
#include "support/scripted_prompts.h"

namespace {

QStringList Items(const QComboBox* field) {
  QStringList items;
  for (int i = 0; i < field->count(); ++i) items << field->itemText(i);
  return items;
}

TGraph Graph(const char* x, const char* y, const char* z, int32_t color1) {
  TGraph graph = ::Graph(x, y, z);
  graph.Color1 = color1;
  return graph;
}

}  // namespace

TEST(GraphInputDialog, TabsBindTheFieldsAndARefusedChangeKeepsTheTab) {
  EnsureApplication<QApplication>();
  TDocument document;
  CreateDocument(document);
  document.Graphs = {Graph("x", "sin(x)", "", 0x0000FF), Graph("t", "T^2", "", 0x00FF00)};
  document.Displays[0].GraphIndices = {0};
  ScriptedPrompts prompts;
  TRecordingHost host;
  TfGraphInput dialog(document, prompts, host);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Graph Input"));
  EXPECT_EQ(dialog.property("helpContext").toInt(), 11);
  EXPECT_FALSE(dialog.isModal());

  auto* tabs = Control<QTabBar>(dialog, "TabControl");
  auto* cbX = Control<QComboBox>(dialog, "cbX");
  auto* cbY = Control<QComboBox>(dialog, "cbY");
  auto* cbZ = Control<QComboBox>(dialog, "cbZ");
  auto* pColor1 = Control<TColorSwatch>(dialog, "pColor1");
  auto* bVarTable = Control<QToolButton>(dialog, "bVarTable");
  auto* bOk = Control<QPushButton>(dialog, "bOk");
  ASSERT_TRUE(tabs && cbX && cbY && cbZ && pColor1 && bVarTable && bOk);
  EXPECT_EQ(bVarTable->toolTip(), QStringLiteral("Open variable table"));

  dialog.ShowModeless();
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(0), QStringLiteral("Graph1"));
  EXPECT_EQ(tabs->tabText(1), QStringLiteral("Graph2"));
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_EQ(cbX->currentText(), QStringLiteral("x"));
  EXPECT_EQ(cbY->currentText(), QStringLiteral("sin(x)"));
  EXPECT_EQ(cbZ->currentText(), QString());
  EXPECT_EQ(pColor1->Color(), 0x0000FF);

  // A term that does not compile keeps the tab and the typed text.
  cbY->setEditText(QStringLiteral("(("));
  prompts.MessageAnswers = {mbOk};
  tabs->setCurrentIndex(1);
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"Invalid Term entered for axis 2."});
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_EQ(cbY->currentText(), QStringLiteral("(("));

  cbY->setEditText(QStringLiteral("cos(x)"));
  tabs->setCurrentIndex(1);
  EXPECT_EQ(tabs->currentIndex(), 1);
  EXPECT_EQ(cbX->currentText(), QStringLiteral("t"));
  EXPECT_EQ(pColor1->Color(), 0x00FF00);
  // The lists hold the confirmed terms, not the one just typed.
  EXPECT_EQ(Items(cbX), (QStringList{"x", "sin(x)", "t", "T^2"}));
  EXPECT_EQ(Items(cbZ), Items(cbX));

  // "Edit graphs" while open only brings the dialog to the front.
  dialog.ShowModeless();
  EXPECT_EQ(cbX->currentText(), QStringLiteral("t"));

  bVarTable->click();
  EXPECT_EQ(host.VariableTables, 1);
  EXPECT_EQ(document.VarTable.Names, (TStringArray{"x", "t", "T"}));

  // Enter in a term field is OK, the default button.
  cbZ->setEditText(QStringLiteral("x*t"));
  prompts.MessageAnswers = {mbNo};
  QTest::keyClick(cbZ->lineEdit(), Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(document.Graphs[0].Term2, "cos(x)");
  EXPECT_EQ(document.Graphs[1].Term3, "x*t");
  EXPECT_EQ(document.Displays[0].GraphIndices, (std::vector<uint16_t>{0, 1}));
  EXPECT_FALSE(document.Displays[0].ThreeAxes);
  EXPECT_EQ(prompts.MessageTexts().back().substr(0, 42),
            "Display1 contains threedimensional plots.\n");
  EXPECT_EQ(host.Redraws, 1);

  // Reopened, edited and then the document replaced: the dialog shows the new
  // document, and Cancel writes nothing.
  dialog.ShowModeless();
  cbX->setEditText(QStringLiteral("edited"));
  ResetDocument(document);
  dialog.DocumentReplaced();
  EXPECT_EQ(tabs->count(), 1);
  EXPECT_EQ(cbX->currentText(), QString());
  dialog.reject();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(document.Graphs.empty());
  EXPECT_EQ(host.Redraws, 1);
}
