// SPDX-License-Identifier: GPL-3.0-or-later
// The one QApplication of the main window's test program, made by whichever
// test needs it first.
#pragma once

#include <QApplication>

inline QApplication& MainTestApplication() {
  static int argc = 1;
  static char name[] = "morvit_main_tests";
  static char* argv[] = {name, nullptr};
  if (auto* app = qobject_cast<QApplication*>(QApplication::instance())) return *app;
  return *new QApplication(argc, argv);
}
