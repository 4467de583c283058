// SPDX-License-Identifier: GPL-3.0-or-later
// The import dialog of the diagram data editor: the three choices and a
// preview of the first rows as they will land, bound to TImportDataForm.
#pragma once

#include <QDialog>
#include <string>

#include "forms/import_data_form.h"

class QComboBox;
class QLabel;
class QTableWidget;

class TfImportData : public QDialog {
  Q_OBJECT

 public:
  TfImportData(Prompts& prompts, QWidget* parent);

  // Shows the dialog for the text of a file that lands at cell (left, top).
  // True with the data in Form().Data after OK; false after Cancel or when
  // the text cannot be imported at all (the error box was shown).
  bool Execute(std::string bytes, int left, int top);
  // Loads the form without the modal loop; false as Execute.
  bool FormShow(std::string bytes, int left, int top);

  TImportDataForm& Form() { return form_; }

 public slots:
  void ChoiceChange();
  void bOkClick();

 private:
  void ShowPreview();

  TImportDataForm form_;
  QComboBox* cbSeparator_ = nullptr;
  QComboBox* cbDecimal_ = nullptr;
  QComboBox* cbHeader_ = nullptr;
  QLabel* lDetected_ = nullptr;
  QTableWidget* preview_ = nullptr;
};
