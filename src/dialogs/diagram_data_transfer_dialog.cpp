// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram data editor's import, export and system clipboard: the
// windows and keys around the form's delimited text.
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

#include "dialogs/diagram_input_dialog.h"
#include "dialogs/export_data_dialog.h"
#include "dialogs/import_data_dialog.h"

namespace {

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

// Copy and paste keys in the grid and in the cell field, which has the focus
// whenever a cell is selected. In the cell field they stay the field's own
// while they concern its text: a copy of text selected in it while one cell
// is selected, a paste of one line. A block of cells is never a cell's text
// (a cell holds one line), so otherwise the keys move blocks between the
// grid and the clipboard.
class TClipboardKeys : public QObject {
 public:
  TClipboardKeys(TfDiagramInput& dialog, QLineEdit& cellField)
      : QObject(&dialog), dialog_(dialog), cellField_(cellField) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool inField = watched == &cellField_;
    if (key->matches(QKeySequence::Copy)) {
      const TGridRect& cells = dialog_.Form().Selection;
      const bool oneCell = cells.Left == cells.Right && cells.Top == cells.Bottom;
      if (inField && oneCell && cellField_.hasSelectedText()) return false;
      dialog_.bCopyClick();
      return true;
    }
    if (key->matches(QKeySequence::Paste)) {
      const QString text = QGuiApplication::clipboard()->text();
      if (inField && !text.contains(QLatin1Char('\t')) && !text.contains(QLatin1Char('\n')) &&
          !text.contains(QLatin1Char('\r')))
        return false;
      dialog_.PasteFromClipboard();
      return true;
    }
    return false;
  }

 private:
  TfDiagramInput& dialog_;
  QLineEdit& cellField_;
};

}  // namespace

void TfDiagramInput::BindClipboard() {
  auto* keys = new TClipboardKeys(*this, *eCell_);
  table_->installEventFilter(keys);
  eCell_->installEventFilter(keys);
}

void TfDiagramInput::PutSelectionOnClipboard() {
  copiedText_ = QString::fromUtf8(form_.SelectionText());
  QGuiApplication::clipboard()->setText(copiedText_);
}

void TfDiagramInput::PasteFromClipboard() {
  const QString text = QGuiApplication::clipboard()->text();
  // The block last copied in the grid is pasted as the editor pastes its
  // own cells: the texts, terms included, not the values the clipboard got.
  if (!form_.CellClipboard.empty() && text == copiedText_) {
    bPasteClick();
    return;
  }
  if (text.isEmpty()) return;
  if (form_.PasteText(Utf8(text))) AfterToolButton(true);
}

void TfDiagramInput::bImportCSVClick() {
  std::string bytes;
  if (!form_.ChooseImportFile(bytes)) return;
  TfImportData importer(form_.Prompter(), this);
  if (!importer.Execute(std::move(bytes), form_.Selection.Left, form_.Selection.Top)) return;
  ReadDiagramFields();
  if (!form_.ImportData(importer.Form().Data)) return;
  AfterToolButton(true);
  ShowDiagramFields();
}

void TfDiagramInput::bExportCSVClick() {
  TfExportData exporter(this);
  if (!exporter.Execute(exportChoice_)) return;
  form_.ExportToFile(exportChoice_);
}
