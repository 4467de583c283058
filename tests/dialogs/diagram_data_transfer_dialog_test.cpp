// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <functional>

#include "dialogs/diagram_input_dialog.h"
#include "dialogs/export_data_dialog.h"
#include "dialogs/import_data_dialog.h"
#include "support/application.h"
#include "support/controls.h"
#include "support/recording_host.h"
#include "support/scripted_prompts.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;

namespace {

QString Shown(QTableView* table, int col, int row) {
  return table->model()->index(row - 1, col - 1).data().toString();
}

// The editor on a 3 by 3 table holding 2 and Col1*3 in its first row, shown.
struct TShownEditor {
  bool applicationMade = (EnsureApplication<QApplication>(), true);  // before any widget
  TDocument document;
  ScriptedPrompts prompts;
  TRecordingHost host;
  TfDiagramInput dialog{document, prompts, host, nullptr};
  QTableView* table;
  QLineEdit* eCell;

  TShownEditor() {
    CreateDocument(document);
    document.HiddenTable = TStringGrid(3, 3);
    document.HiddenTable.SetCells(1, 1, "2");
    document.HiddenTable.SetCells(2, 1, "Col1*3");
    dialog.FormShow();
    dialog.show();
    table = Control<QTableView>(dialog, "Table");
    eCell = Control<QLineEdit>(dialog, "eCell");
  }

  void Select(int left, int top, int right, int bottom) {
    table->selectionModel()->select(QItemSelection(table->model()->index(top - 1, left - 1),
                                                   table->model()->index(bottom - 1, right - 1)),
                                    QItemSelectionModel::ClearAndSelect);
  }
};

// Works the modal dialog of type T that the next click opens.
template <typename T>
void WhenShown(const std::function<void(T&)>& work, bool& seen) {
  QTimer::singleShot(0, [work, &seen] {
    auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
    seen = modal != nullptr;
    if (modal == nullptr) return;
    work(*modal);
  });
}

}  // namespace

TEST(DiagramDataTransferDialog, ImportShowsThePreviewAndLandsAtTheSelection) {
  TShownEditor editor;
  auto* bImport = Control<QToolButton>(editor.dialog, "bImportCSV");
  ASSERT_TRUE(bImport->isEnabled());
  const fs::path path = TempPath("in.csv");
  std::ofstream(path, std::ios::binary) << "t;U\r\n0;1,5\r\n1;\xE4\r\n";
  editor.prompts.FileAnswers = {path.string()};
  editor.Select(2, 2, 2, 2);

  bool seen = false;
  QString detected, firstTitle;
  WhenShown<TfImportData>(
      [&](TfImportData& importer) {
        detected = Control<QLabel>(importer, "lDetected")->text();
        auto* preview = Control<QTableWidget>(importer, "Preview");
        firstTitle = preview->horizontalHeaderItem(0)->text();
        EXPECT_EQ(preview->item(0, 1)->text(), "1.5");
        EXPECT_EQ(preview->item(1, 1)->text(), QString::fromUtf8("\xC3\xA4"));
        QTest::mouseClick(Control<QPushButton>(importer, "bOk"), Qt::LeftButton);
      },
      seen);
  bImport->click();
  ASSERT_TRUE(seen);
  fs::remove(path);
  EXPECT_EQ(detected,
            "Semicolon separated, decimal comma, header line, Latin-1; 2 rows of up to 2 fields.");
  EXPECT_EQ(firstTitle, "Col2 (t)");
  EXPECT_EQ(Shown(editor.table, 3, 2), "1.5");
  EXPECT_EQ(Shown(editor.table, 2, 3), "1");
  EXPECT_EQ(editor.dialog.Form().TempTable.Cells(3, 3), "\xE4");
  EXPECT_EQ(editor.table->model()->columnCount(), 3);  // grown from 2 data columns
  EXPECT_EQ(Control<QLineEdit>(editor.dialog, "eDescription")->text(), "Col2: t; Col3: U");
  EXPECT_TRUE(editor.prompts.MessageTexts().empty());

  // Cancel undoes the import like any other edit.
  const TStringGrid before = editor.document.HiddenTable;
  QTest::mouseClick(Control<QPushButton>(editor.dialog, "bCancel"), Qt::LeftButton);
  EXPECT_EQ(editor.document.HiddenTable, before);
  EXPECT_EQ(editor.document.HiddenTable.ColCount(), 3);
}

TEST(DiagramDataTransferDialog, ExportWritesTheChoicesMade) {
  TShownEditor editor;
  const fs::path path = TempPath("out.csv");
  editor.prompts.SaveFileAnswers = {path.string()};
  bool seen = false;
  WhenShown<TfExportData>(
      [](TfExportData& exporter) {
        for (QRadioButton* radio :
             Control<QGroupBox>(exporter, "rgContent")->findChildren<QRadioButton*>())
          if (radio->text().contains(QStringLiteral("texts"))) radio->click();
        Control<QCheckBox>(exporter, "cbHeader")->setChecked(true);
        Control<QComboBox>(exporter, "cbSeparator")->setCurrentIndex(1);  // semicolon
        QTest::mouseClick(Control<QPushButton>(exporter, "bOk"), Qt::LeftButton);
      },
      seen);
  Control<QToolButton>(editor.dialog, "bExportCSV")->click();
  ASSERT_TRUE(seen);
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "Col1;Col2\r\n2;Col1*3\r\n;\r\n");
  fs::remove(path);
}

// A spreadsheet's block on the system clipboard pastes into the grid and
// grows it; one line of text stays the cell field's own paste.
TEST(DiagramDataTransferDialog, PasteOfTabSeparatedTextGrowsTheGrid) {
  TShownEditor editor;
  editor.Select(2, 2, 2, 2);
  ASSERT_TRUE(editor.eCell->hasFocus() || QApplication::focusWidget() == nullptr);
  QGuiApplication::clipboard()->setText(QStringLiteral("1\t2\t3\n4\t5\t6\n"));
  QTest::keyClick(editor.eCell, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(editor.table->model()->columnCount(), 4);
  EXPECT_EQ(editor.table->model()->rowCount(), 3);
  EXPECT_EQ(Shown(editor.table, 4, 3), "6");
  EXPECT_EQ(editor.eCell->text(), "1");
  EXPECT_EQ(editor.document.HiddenTable.ColCount(), 3);  // until OK

  QGuiApplication::clipboard()->setText(QStringLiteral("sin(x)"));
  editor.eCell->clear();
  QTest::keyClick(editor.eCell, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(editor.eCell->text(), "sin(x)");
  EXPECT_EQ(Shown(editor.table, 2, 2), "1");
}

// A block copied in the grid goes to the clipboard as the values shown, for
// a spreadsheet; pasted back into the grid it brings its terms.
TEST(DiagramDataTransferDialog, CopyPutsTheValuesOnTheClipboardAndKeepsTheTermsInside) {
  TShownEditor editor;
  editor.Select(1, 1, 2, 1);
  QTest::keyClick(editor.eCell, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "2\t6\n");
  editor.Select(1, 2, 1, 2);
  QTest::keyClick(editor.table, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(editor.dialog.Form().TempTable.Cells(2, 2), "Col1*3");
  EXPECT_EQ(Shown(editor.table, 2, 2), "6");
}

// Text that cannot be imported however it is read is refused before the
// import dialog opens; the grid stays as it was.
TEST(DiagramDataTransferDialog, HostileFilesAreRefusedBeforeThePreview) {
  TShownEditor editor;
  const fs::path path = TempPath("hostile.csv");
  const std::string files[] = {std::string(1 << 16, '\0'), "1,\"2\n3,4\n", "\xE2\x82\xAC;1\n"};
  for (const std::string& bytes : files) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    editor.prompts.FileAnswers = {path.string()};
    const TStringGrid before = editor.dialog.Form().TempTable;
    Control<QToolButton>(editor.dialog, "bImportCSV")->click();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(editor.dialog.Form().TempTable, before);
  }
  fs::remove(path);
  EXPECT_EQ(editor.prompts.MessageTexts(),
            (std::vector<std::string>{
                "The file is not text and cannot be imported.",
                "Record 1 opens a quote that is never closed.",
                "Record 1, field 1 holds the character U+20AC, which the data table cannot hold "
                "(its cells are Latin-1 text)."}));
}
