// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/splash.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

TfSplash::TfSplash(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Dialog),
      timer_(new QTimer(this)) {
  setObjectName("Splash");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* picture = new QLabel(this);
  picture->setObjectName("Image1");
  picture->setPixmap(QPixmap(":/morvit/splash.jpg"));
  layout->addWidget(picture);
  // A click on the picture reaches the dialog, which closes.
  picture->setAttribute(Qt::WA_TransparentForMouseEvents);
  connect(timer_, &QTimer::timeout, this, &QDialog::close);
  timer_->start(SplashMilliseconds);
}

void TfSplash::mousePressEvent(QMouseEvent* event) {
  event->accept();
  close();
}
