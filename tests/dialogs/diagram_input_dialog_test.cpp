// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/diagram_input_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "support/application.h"
#include "support/controls.h"
#include "support/recording_host.h"
#include "support/scripted_prompts.h"

namespace {

QString Shown(QTableView* table, int col, int row) {
  return table->model()->index(row - 1, col - 1).data().toString();
}

void Retype(QLineEdit* edit, const char* text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

QRadioButton* Choice(QWidget& dialog, const char* group, const char* text) {
  for (QRadioButton* radio : Control<QGroupBox>(dialog, group)->findChildren<QRadioButton*>())
    if (radio->text() == QString::fromLatin1(text)) return radio;
  ADD_FAILURE() << group << " " << text;
  return nullptr;
}

}  // namespace

TEST(DiagramInputDialog, CellFieldGridAndTabsAreBoundToTheForm) {
  EnsureApplication<QApplication>();
  TDocument document;
  CreateDocument(document);
  document.HiddenTable = TStringGrid(3, 3);
  document.HiddenTable.SetCells(1, 1, "1");
  document.HiddenTable.SetCells(2, 1, "Col1*2");
  document.HiddenTable.SetCells(1, 2, "7");
  ScriptedPrompts prompts;
  prompts.MessageAnswers = {mbOk, mbOk};  // the two refusals below
  TRecordingHost host;
  TfDiagramInput dialog(document, prompts, host, nullptr);
  EXPECT_EQ(dialog.windowTitle(), "Input diagram data");
  EXPECT_EQ(dialog.property("helpContext").toInt(), 20);

  dialog.FormShow();
  dialog.show();
  auto* table = Control<QTableView>(dialog, "Table");
  auto* eCell = Control<QLineEdit>(dialog, "eCell");
  auto* tabs = Control<QTabBar>(dialog, "TabControl");
  auto* eAxis1 = Control<QLineEdit>(dialog, "eAxis1");
  auto* lAxis1 = Control<QLabel>(dialog, "lAxis1");
  ASSERT_TRUE(table && eCell && tabs && eAxis1 && lAxis1);

  // Headers in the fixed row and column, values in the cells.
  EXPECT_EQ(table->model()->headerData(0, Qt::Horizontal).toString(), "Col1");
  EXPECT_EQ(table->model()->headerData(1, Qt::Vertical).toString(), "Row2");
  EXPECT_EQ(Shown(table, 2, 1), "2");
  EXPECT_EQ(eCell->text(), "1");
  EXPECT_TRUE(Control<QToolButton>(dialog, "bImportCSV")->isEnabled());
  EXPECT_TRUE(Control<QToolButton>(dialog, "bExportCSV")->isEnabled());
  EXPECT_EQ(Control<QToolButton>(dialog, "bTranspose")->toolTip(), "Transpose cells");
  ASSERT_EQ(tabs->count(), 1);
  EXPECT_EQ(tabs->tabText(0), "Diagram1");
  EXPECT_EQ(lAxis1->text(), "Axis 1 value:");
  EXPECT_EQ(eAxis1->text(), "0");

  // Enter commits the cell field and moves down the column.
  Retype(eCell, "5");
  QTest::keyClick(eCell, Qt::Key_Return);
  EXPECT_EQ(Shown(table, 1, 1), "5");
  EXPECT_EQ(Shown(table, 2, 1), "10");
  EXPECT_EQ(eCell->text(), "7");

  // Selecting a cell in the grid loads its raw text.
  table->selectionModel()->select(table->model()->index(0, 1), QItemSelectionModel::ClearAndSelect);
  EXPECT_EQ(eCell->text(), "Col1*2");

  // Clicking another cell while typing: the text goes to the cell that was
  // selected while typing, then the field shows the clicked cell.
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  Retype(eCell, "Col1+1");
  const QRect target = table->visualRect(table->model()->index(1, 1));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, target.center());
  EXPECT_EQ(Shown(table, 2, 1), "6");
  EXPECT_EQ(document.HiddenTable.Cells(2, 1), "Col1*2");  // only the copy changed
  EXPECT_EQ(eCell->text(), "");
  EXPECT_TRUE(eCell->hasFocus());

  prompts.TextAnswers.push_back("many");
  QTest::mouseClick(Control<QToolButton>(dialog, "bAddCol"), Qt::LeftButton);
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"Invalid number entered."});
  EXPECT_EQ(table->model()->columnCount(), 2);
  prompts.TextAnswers.push_back("1");
  QTest::mouseClick(Control<QToolButton>(dialog, "bAddCol"), Qt::LeftButton);
  EXPECT_EQ(table->model()->columnCount(), 3);
  EXPECT_EQ(table->model()->headerData(2, Qt::Horizontal).toString(), "Col3");

  // "Data column" changes the label only; 1.5 is then refused on OK.
  QTest::mouseClick(Choice(dialog, "rgAxis1", "Data column"), Qt::LeftButton);
  EXPECT_EQ(lAxis1->text(), "Axis 1 column:");
  Retype(eAxis1, "1.5");
  Retype(Control<QLineEdit>(dialog, "eDescription"), "errors");
  QTest::mouseClick(Control<QPushButton>(dialog, "bOk"), Qt::LeftButton);
  EXPECT_EQ(prompts.MessageTexts().back(), "Invalid value in numerical input field.");
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(document.Diagrams.empty());
  EXPECT_EQ(eAxis1->text(), "1.5");

  Retype(eAxis1, "2");
  QTest::mouseClick(Control<QPushButton>(dialog, "bOk"), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(host.Redraws, 1);
  ASSERT_EQ(document.Diagrams.size(), 1u);
  EXPECT_TRUE(document.Diagrams[0].UseColumn1);
  EXPECT_EQ(document.Diagrams[0].Column1, 2);
  EXPECT_EQ(document.Diagrams[0].Description, "errors");
  EXPECT_EQ(document.HiddenTable.ColCount(), 4);
  EXPECT_EQ(document.HiddenTable.Cells(1, 1), "5");
  EXPECT_EQ(document.Displays[0].DiagramIndices, std::vector<uint16_t>{0});
  EXPECT_EQ(prompts.Unanswered, 0);
}

TEST(DiagramInputDialog, TransposeShowsTheGrownTable) {
  EnsureApplication<QApplication>();
  TDocument document;
  CreateDocument(document);
  document.HiddenTable = TStringGrid(3, 4);  // 2 data columns, 3 data rows
  for (int r = 1; r <= 3; ++r) document.HiddenTable.SetCells(2, r, std::to_string(r));
  ScriptedPrompts prompts;
  TRecordingHost host;
  TfDiagramInput dialog(document, prompts, host, nullptr);
  dialog.FormShow();
  dialog.show();
  auto* table = Control<QTableView>(dialog, "Table");
  table->selectionModel()->select(
      QItemSelection(table->model()->index(0, 1), table->model()->index(2, 1)),
      QItemSelectionModel::ClearAndSelect);
  QTest::mouseClick(Control<QToolButton>(dialog, "bTranspose"), Qt::LeftButton);
  // The view, not only the model, knows the new column.
  ASSERT_EQ(table->horizontalHeader()->count(), 4);
  EXPECT_EQ(table->model()->headerData(3, Qt::Horizontal).toString(), "Col4");
  EXPECT_EQ(Shown(table, 2, 1), "1");
  EXPECT_EQ(Shown(table, 3, 1), "2");
  EXPECT_EQ(Shown(table, 4, 1), "3");
  EXPECT_TRUE(prompts.Records.empty());
}

TEST(DiagramInputDialog, RefusedTabChangeKeepsTheTabAndItsTexts) {
  EnsureApplication<QApplication>();
  TDocument document;
  CreateDocument(document);
  TDiagram first;
  first.Description = "first";
  TDiagram second;
  second.Description = "second";
  document.Diagrams = {first, second};
  ScriptedPrompts prompts;
  prompts.MessageAnswers = {mbOk};
  TRecordingHost host;
  TfDiagramInput dialog(document, prompts, host, nullptr);
  dialog.FormShow();
  dialog.show();
  auto* tabs = Control<QTabBar>(dialog, "TabControl");
  auto* eDescription = Control<QLineEdit>(dialog, "eDescription");
  auto* eYErrorMax = Control<QLineEdit>(dialog, "eYErrorMax");
  ASSERT_TRUE(tabs && eDescription && eYErrorMax);
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(1), "Diagram2");

  Retype(eYErrorMax, "2x");
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  EXPECT_EQ(prompts.MessageTexts(),
            std::vector<std::string>{"Invalid value in numerical input field."});
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_EQ(eYErrorMax->text(), "2x");
  EXPECT_EQ(eDescription->text(), "first");

  Retype(eYErrorMax, "2");
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  EXPECT_EQ(tabs->currentIndex(), 1);
  EXPECT_EQ(eDescription->text(), "second");
  EXPECT_EQ(eYErrorMax->text(), "0");
  EXPECT_EQ(dialog.Form().WorkDiagrams[0].ErrorHigh2, 2);

  // Cancel: the document keeps its diagrams as they were.
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(document.Diagrams[0].ErrorHigh2, 0);
  EXPECT_TRUE(dialog.Form().WorkDiagrams.empty());
  EXPECT_EQ(host.Redraws, 0);
}

// The header row and column and the corner only name the cells: a click on
// them selects nothing, so "Delete cell content" cannot empty a whole column
// or the table after one click.
TEST(DiagramInputDialog, HeaderClicksSelectNothing) {
  EnsureApplication<QApplication>();
  TDocument document;
  CreateDocument(document);
  document.HiddenTable = TStringGrid(4, 4);
  for (int c = 1; c < 4; ++c)
    for (int r = 1; r < 4; ++r) document.HiddenTable.SetCells(c, r, std::to_string(c * 10 + r));
  ScriptedPrompts prompts;
  TRecordingHost host;
  TfDiagramInput dialog(document, prompts, host, nullptr);
  dialog.FormShow();
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  auto* table = Control<QTableView>(dialog, "Table");
  ASSERT_NE(table, nullptr);
  const TGridRect before = dialog.Form().Selection;

  QHeaderView* columns = table->horizontalHeader();
  QHeaderView* rows = table->verticalHeader();
  QTest::mouseClick(columns->viewport(), Qt::LeftButton, {},
                    QPoint(columns->sectionViewportPosition(1) + 5, columns->height() / 2));
  QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                    QPoint(rows->width() / 2, rows->sectionViewportPosition(2) + 3));
  for (QAbstractButton* corner : table->findChildren<QAbstractButton*>())
    if (corner->parentWidget() == table) QTest::mouseClick(corner, Qt::LeftButton);
  EXPECT_EQ(table->selectionModel()->selectedIndexes().size(), 1);
  EXPECT_EQ(dialog.Form().Selection, before);

  QTest::mouseClick(Control<QToolButton>(dialog, "bDelete"), Qt::LeftButton);
  EXPECT_EQ(Shown(table, 2, 1), "21");
  EXPECT_EQ(Shown(table, 1, 3), "13");
  dialog.reject();
}

// Each tool that is a step of the form reaches it, and the grid shows the
// table afterwards at its new size.
TEST(DiagramInputDialog, ToolButtonsRunTheirStepAndShowTheTable) {
  EnsureApplication<QApplication>();
  const struct {
    const char* button;
    const char* count;  // the answer to the count prompt; null for none
    int columns, rows;  // data columns and rows shown afterwards
    const char* first;  // the first data cell shown afterwards
  } cases[] = {
      {"bAddCol", "1", 4, 3, "1"},    {"bAddRow", "2", 3, 5, "1"},
      {"bDeleteCol", "1", 2, 3, "1"}, {"bDeleteRow", "2", 3, 1, "1"},
      {"bDelete", nullptr, 3, 3, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    TDocument document;
    CreateDocument(document);
    document.HiddenTable = TStringGrid(4, 4);
    document.HiddenTable.SetCells(1, 1, "1");
    ScriptedPrompts prompts;
    if (c.count != nullptr) prompts.TextAnswers.push_back(c.count);
    TRecordingHost host;
    TfDiagramInput dialog(document, prompts, host, nullptr);
    dialog.FormShow();
    dialog.show();
    auto* table = Control<QTableView>(dialog, "Table");
    QTest::mouseClick(Control<QToolButton>(dialog, c.button), Qt::LeftButton);
    EXPECT_EQ(table->horizontalHeader()->count(), c.columns);
    EXPECT_EQ(table->verticalHeader()->count(), c.rows);
    EXPECT_EQ(Shown(table, 1, 1), c.first);
    EXPECT_EQ(prompts.Unanswered, 0);
  }
}
