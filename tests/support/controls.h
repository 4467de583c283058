// SPDX-License-Identifier: GPL-3.0-or-later
// Widget tests find a window's controls by their object names, which are the
// control names the program has always used (bOk, eCell, cbX). A missing
// control fails the test and comes back null.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

template <typename T>
T* Control(QWidget* parent, const char* name) {
  T* control = parent != nullptr ? parent->findChild<T*>(QString::fromLatin1(name)) : nullptr;
  EXPECT_NE(control, nullptr) << name;
  return control;
}

template <typename T>
T* Control(QWidget& parent, const char* name) {
  return Control<T>(&parent, name);
}
