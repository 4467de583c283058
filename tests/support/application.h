// SPDX-License-Identifier: GPL-3.0-or-later
// The one application object of a test program, made by whichever test needs
// it first and kept to the end: fonts, pictures and widgets all need it, and
// Qt allows only one per process. Painting tests ask for a QGuiApplication,
// widget tests for EnsureApplication<QApplication>(). The object carries the
// test program's own name, as a started program's would.
#pragma once

#include <errno.h>

#include <QCoreApplication>
#include <QGuiApplication>

template <class TApplication = QGuiApplication>
TApplication& EnsureApplication() {
  static int argc = 1;
  static char* argv[] = {program_invocation_name, nullptr};
  if (QCoreApplication::instance() == nullptr) new TApplication(argc, argv);
  return *static_cast<TApplication*>(QCoreApplication::instance());
}
