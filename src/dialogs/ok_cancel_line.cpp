// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ok_cancel_line.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>

QPushButton* AddOkCancelLine(QDialog& dialog, QBoxLayout& page) {
  auto* line = new QHBoxLayout;
  line->addStretch(1);
  auto* bOk = new QPushButton(QCoreApplication::translate("TOkCancelLine", "&OK"), &dialog);
  bOk->setObjectName(QStringLiteral("bOk"));
  bOk->setDefault(true);
  auto* bCancel = new QPushButton(QCoreApplication::translate("TOkCancelLine", "&Cancel"), &dialog);
  bCancel->setObjectName(QStringLiteral("bCancel"));
  line->addWidget(bOk);
  line->addWidget(bCancel);
  page.addLayout(line);
  QObject::connect(bCancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  return bOk;
}
