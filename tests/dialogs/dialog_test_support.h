// SPDX-License-Identifier: GPL-3.0-or-later
// What the dialogs' widget tests share: finding a control by its name.
#pragma once

#include <gtest/gtest.h>

#include <QWidget>

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
