// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/import_data_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/message_catalogue.h"
#include "dialogs/ok_cancel_line.h"
#include "ports/help_topics.h"

namespace {

// Cells and names are Latin-1, one byte per character.
QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QComboBox* Choice(const char* name, const std::vector<std::string>& items, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  for (const std::string& item : items) box->addItem(TranslateMessage(Latin1(item)));
  return box;
}

}  // namespace

TfImportData::TfImportData(Prompts& prompts, QWidget* parent) : QDialog(parent), form_(prompts) {
  setObjectName(QStringLiteral("fImportData"));
  setWindowTitle(tr("Import data from file"));
  setProperty("helpContext", ImportDataHelpContext);

  cbSeparator_ = Choice("cbSeparator", TImportDataForm::SeparatorItems(), this);
  cbDecimal_ = Choice("cbDecimal", TImportDataForm::DecimalItems(), this);
  cbHeader_ = Choice("cbHeader", TImportDataForm::HeaderItems(), this);
  auto* choices = new QFormLayout;
  choices->addRow(tr("&Separator:"), cbSeparator_);
  choices->addRow(tr("&Decimal separator:"), cbDecimal_);
  choices->addRow(tr("&Header line:"), cbHeader_);

  lDetected_ = new QLabel(this);
  lDetected_->setObjectName(QStringLiteral("lDetected"));
  lDetected_->setWordWrap(true);

  preview_ = new QTableWidget(this);
  preview_->setObjectName(QStringLiteral("Preview"));
  preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  preview_->setSelectionMode(QAbstractItemView::NoSelection);
  preview_->horizontalHeader()->setDefaultSectionSize(90);
  preview_->setMinimumSize(520, 260);

  auto* page = new QVBoxLayout(this);
  page->addLayout(choices);
  page->addWidget(lDetected_);
  page->addWidget(preview_, 1);
  QPushButton* bOk = AddOkCancelLine(*this, *page);

  for (QComboBox* box : {cbSeparator_, cbDecimal_, cbHeader_})
    connect(box, &QComboBox::currentIndexChanged, this, &TfImportData::ChoiceChange);
  connect(bOk, &QPushButton::clicked, this, &TfImportData::bOkClick);
}

bool TfImportData::Execute(std::string bytes, int left, int top) {
  return FormShow(std::move(bytes), left, top) && exec() == QDialog::Accepted;
}

bool TfImportData::FormShow(std::string bytes, int left, int top) {
  if (!form_.FormShow(std::move(bytes), left, top)) return false;
  for (QComboBox* box : {cbSeparator_, cbDecimal_, cbHeader_}) {
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(0);
  }
  ShowPreview();
  return true;
}

void TfImportData::ChoiceChange() {
  form_.cbSeparator = cbSeparator_->currentIndex();
  form_.cbDecimal = cbDecimal_->currentIndex();
  form_.cbHeader = cbHeader_->currentIndex();
  form_.ChoiceChange();
  ShowPreview();
}

void TfImportData::ShowPreview() {
  lDetected_->setText(Latin1(form_.lDetected));
  preview_->clear();
  preview_->setColumnCount(static_cast<int>(form_.PreviewColumns.size()));
  preview_->setRowCount(static_cast<int>(form_.PreviewRows.size()));
  QStringList columns, rows;
  for (const auto& title : form_.PreviewColumns) columns << Latin1(title);
  for (const auto& title : form_.PreviewRows) rows << Latin1(title);
  preview_->setHorizontalHeaderLabels(columns);
  preview_->setVerticalHeaderLabels(rows);
  for (size_t r = 0; r < form_.PreviewCells.size(); ++r)
    for (size_t c = 0; c < form_.PreviewCells[r].size(); ++c)
      preview_->setItem(static_cast<int>(r), static_cast<int>(c),
                        new QTableWidgetItem(Latin1(form_.PreviewCells[r][c])));
}

void TfImportData::bOkClick() {
  if (form_.bOkClick()) accept();
}
