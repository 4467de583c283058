// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/var_input.h"

#include <QAbstractItemDelegate>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/closed_dialog.h"
#include "dialogs/dialog_keys.h"
#include "dialogs/document_text.h"
#include "dialogs/ok_cancel_line.h"
#include "ports/help_topics.h"

namespace {

constexpr int ColumnWidth = 151;

// A cell being edited holds its text in the editor until the editor closes;
// OK pressed with its accelerator keeps the focus in the grid, so the text is
// taken over explicitly.
void CommitOpenEditor(QTableWidget* table) {
  const QModelIndex index = table->currentIndex();
  if (QWidget* editor = table->indexWidget(index))
    table->itemDelegateForIndex(index)->setModelData(editor, table->model(), index);
}

std::string CellText(const QTableWidget* table, int row, int column) {
  const QTableWidgetItem* item = table->item(row, column);
  return item != nullptr ? DocumentBytes(item->text()) : std::string();
}

}  // namespace

TfVarInput::TfVarInput(TDocument& document, Prompts& prompts, TDialogHost& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      host_(host),
      form_(document.VarTable, prompts) {
  setWindowTitle(tr("Variable Table"));
  setProperty("helpContext", VarInputHelpContext);

  table_ = new QTableWidget(1, 4, this);
  table_->setObjectName(QStringLiteral("Table"));
  table_->setHorizontalHeaderLabels(
      {tr("Label"), tr("Minimum value"), tr("Maximum value"), tr("Actual value")});
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setHighlightSections(false);
  for (int column = 0; column < 4; ++column) table_->setColumnWidth(column, ColumnWidth);
  table_->setEditTriggers(QAbstractItemView::AllEditTriggers);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setFixedWidth(4 * ColumnWidth + 2 * table_->frameWidth() +
                        table_->verticalScrollBar()->sizeHint().width());
  table_->setMinimumHeight(220);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  connect(AddOkCancelLine(*this, *layout), &QPushButton::clicked, this, &TfVarInput::bOkClick);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  EnterPressesFocusedButton(this);
}

int TfVarInput::Execute() {
  FormShow();
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  return exec();
}

void TfVarInput::FormShow() {
  form_.FormShow();
  table_->clearContents();
  table_->setRowCount(static_cast<int>(form_.Rows.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const TVarInputRow& values = form_.Rows[static_cast<size_t>(row)];
    const std::string* texts[] = {&values.Name, &values.Minimum, &values.Maximum, &values.Actual};
    for (int column = 0; column < 4; ++column) {
      auto* item = new QTableWidgetItem(DocumentText(*texts[column]));
      // Names are not read back: they come and go with the terms that use them.
      if (column == 0) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
      table_->setItem(row, column, item);
    }
  }
  table_->setCurrentCell(0, 1);
}

void TfVarInput::bOkClick() {
  if (ClickAfterClose(*this)) return;
  CommitOpenEditor(table_);
  for (int row = 0; row < table_->rowCount() && static_cast<size_t>(row) < form_.Rows.size();
       ++row) {
    TVarInputRow& values = form_.Rows[static_cast<size_t>(row)];
    values.Minimum = CellText(table_, row, 1);
    values.Maximum = CellText(table_, row, 2);
    values.Actual = CellText(table_, row, 3);
  }
  if (!form_.bOkClick()) return;
  host_.Redraw();
  accept();
}
