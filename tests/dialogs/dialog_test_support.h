// SPDX-License-Identifier: GPL-3.0-or-later
// What the dialogs' widget tests share: the one application object, a host
// that counts what a dialog asks of the main window, and finding a control by
// its name.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "ports/dialog_host.h"

inline void EnsureWidgetApplication() {
  static int argc = 1;
  static char name[] = "morvit_dialogs_tests";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);
}

class TCountingDialogHost : public TDialogHost {
 public:
  int Redraws = 0;
  int VariableTables = 0;
  int CurrentDisplay() const override { return 0; }
  void Redraw() override { ++Redraws; }
  void OpenVariableTable() override { ++VariableTables; }
};

template <typename T>
T* NamedChild(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// The control of that name in a dialog, failing the test when there is none.
template <typename T>
T* Control(QWidget& dialog, const char* name) {
  return NamedChild<T>(dialog, name);
}
