// SPDX-License-Identifier: GPL-3.0-or-later
// The tool bar pictures, 18 x 18 pixels, drawn by the program itself so that
// they look the same on every desktop.
#pragma once

#include <QIcon>

enum class TToolIcon {
  NewDocument,
  OpenDocument,
  EditGraphs,
  EditDiagrams,
  VariableTable,
  Calculator,
  RestoreView,
  Settings,
  Help,
};

QIcon ToolIcon(TToolIcon kind);
