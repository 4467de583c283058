// SPDX-License-Identifier: GPL-3.0-or-later
// The variable table dialog: the grid of variables with their minimum,
// maximum and actual values, bound to TVarInputForm.
#pragma once

#include <QDialog>

#include "document/document.h"
#include "forms/var_input_form.h"
#include "ports/dialog_host.h"
#include "ports/prompts.h"

class QTableWidget;

class TfVarInput : public QDialog {
  Q_OBJECT

 public:
  TfVarInput(TDocument& document, Prompts& prompts, TDialogHost& host, QWidget* parent = nullptr);

  // Loads the grid afresh from the variable table and shows the dialog
  // modally; returns QDialog::Accepted after OK stored every row.
  int Execute();

  // Fills the grid from the variable table.
  void FormShow();

 private slots:
  void bOkClick();

 private:
  TDialogHost& host_;
  TVarInputForm form_;
  QTableWidget* table_ = nullptr;
};
