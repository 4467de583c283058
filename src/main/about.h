// SPDX-License-Identifier: GPL-3.0-or-later
// The About box "About Morvit".
#pragma once

#include <QDialog>

inline constexpr const char* MorvitWebAddress = "https://morvit.org";

class TfInfo final : public QDialog {
  Q_OBJECT
 public:
  explicit TfInfo(QWidget* parent = nullptr);
};
