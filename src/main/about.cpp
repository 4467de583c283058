// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/about.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TfInfo::TfInfo(QWidget* parent) : QDialog(parent) {
  setObjectName("Info");
  setWindowTitle(tr("About Morvit"));
  auto* picture = new QLabel(this);
  picture->setPixmap(QPixmap(":/morvit/about.jpg"));
  auto* name = new QLabel("<b style='font-size:16pt'>Morvit</b>", this);
  auto* version = new QLabel(tr("Version 1.02"), this);
  auto* text = new QLabel(tr("A plotter for mathematical terms over the complex numbers:\n"
                             "curves, surfaces, diagrams and a calculator."),
                          this);
  auto* address = new QLabel(QString("<a href=\"%1\">%1</a>").arg(MorvitWebAddress), this);
  address->setObjectName("lWebAddress");
  address->setOpenExternalLinks(true);
  auto* close = new QPushButton(tr("&Close"), this);
  close->setObjectName("bClose");
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  for (QWidget* w : {static_cast<QWidget*>(name), static_cast<QWidget*>(version),
                     static_cast<QWidget*>(text), static_cast<QWidget*>(address)})
    texts->addWidget(w);
  texts->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(picture);
  top->addLayout(texts);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(close, 0, Qt::AlignRight);
  setFixedSize(sizeHint());
}
