// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/export_data_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/ok_cancel_line.h"
#include "ports/help_topics.h"

namespace {

// The separators an export offers, in the order of the choice.
constexpr TSeparator ExportSeparators[] = {TSeparator::Comma, TSeparator::Semicolon,
                                           TSeparator::Tab};

QButtonGroup* RadioGroup(const char* name, const QString& title, const QString& first,
                         const QString& second, QVBoxLayout* page, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(QString::fromLatin1(name));
  auto* line = new QHBoxLayout(box);
  auto* group = new QButtonGroup(box);
  int id = 0;
  for (const QString& text : {first, second}) {
    auto* radio = new QRadioButton(text, box);
    group->addButton(radio, id++);
    line->addWidget(radio);
  }
  page->addWidget(box);
  return group;
}

}  // namespace

TfExportData::TfExportData(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fExportData"));
  setWindowTitle(tr("Export data to file"));
  setProperty("helpContext", DiagramInputHelpContext);

  auto* page = new QVBoxLayout(this);
  rgContent_ = RadioGroup("rgContent", tr("Write"), tr("&Values shown"), tr("Cell &texts (terms)"),
                          page, this);
  rgRange_ = RadioGroup("rgRange", tr("Cells"), tr("&Whole table"), tr("&Selection"), page, this);
  cbHeader_ = new QCheckBox(tr("Column &headers as first line"), this);
  cbHeader_->setObjectName(QStringLiteral("cbHeader"));
  page->addWidget(cbHeader_);
  cbSeparator_ = new QComboBox(this);
  cbSeparator_->setObjectName(QStringLiteral("cbSeparator"));
  cbSeparator_->addItems({tr("Comma"), tr("Semicolon"), tr("Tab")});
  auto* separatorLine = new QFormLayout;
  separatorLine->addRow(tr("Se&parator:"), cbSeparator_);
  page->addLayout(separatorLine);

  connect(AddOkCancelLine(*this, *page), &QPushButton::clicked, this, &QDialog::accept);
}

bool TfExportData::Execute(TExportChoice& choice) {
  FormShow(choice);
  if (exec() != QDialog::Accepted) return false;
  choice = Choice();
  return true;
}

void TfExportData::FormShow(const TExportChoice& choice) {
  rgContent_->button(choice.Texts ? 1 : 0)->setChecked(true);
  rgRange_->button(choice.SelectionOnly ? 1 : 0)->setChecked(true);
  cbHeader_->setChecked(choice.Header);
  int index = 0;
  for (int k = 0; k < 3; ++k)
    if (ExportSeparators[k] == choice.Separator) index = k;
  cbSeparator_->setCurrentIndex(index);
}

TExportChoice TfExportData::Choice() const {
  TExportChoice choice;
  choice.Texts = rgContent_->checkedId() == 1;
  choice.SelectionOnly = rgRange_->checkedId() == 1;
  choice.Header = cbHeader_->isChecked();
  choice.Separator = ExportSeparators[std::clamp(cbSeparator_->currentIndex(), 0, 2)];
  return choice;
}
