// SPDX-License-Identifier: GPL-3.0-or-later
// The choices of "Export data to file": values or cell texts, the whole
// table or the selection, the column headers as the first line, and the
// separator.
#pragma once

#include <QDialog>

#include "forms/diagram_input_form.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;

class TfExportData : public QDialog {
  Q_OBJECT

 public:
  explicit TfExportData(QWidget* parent);

  // Shows the choices preset with choice; true with the made ones after OK.
  bool Execute(TExportChoice& choice);
  void FormShow(const TExportChoice& choice);
  TExportChoice Choice() const;

 private:
  QButtonGroup* rgContent_ = nullptr;
  QButtonGroup* rgRange_ = nullptr;
  QCheckBox* cbHeader_ = nullptr;
  QComboBox* cbSeparator_ = nullptr;
};
