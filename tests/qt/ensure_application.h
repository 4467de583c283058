// Fonts and pictures need the application object; one serves every test of
// the program, made by whichever test needs it first.
#pragma once

#include <QGuiApplication>

inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "morvit_qt_tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app =
      QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
  (void)app;
}
