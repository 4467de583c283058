// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window: binds its controls to TCalculatorForm, which holds
// the logic; this class only moves texts between widgets and the form.
#pragma once

#include <QDialog>

#include "forms/calculator_form.h"
#include "ports/prompts.h"

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TfCalculator : public QDialog {
  Q_OBJECT

 public:
  TfCalculator(TDocument& document, Prompts& prompts, TDialogHost& host, QWidget* parent);

  // Loads the form afresh from the document, shows the calculator modally and
  // returns the dialog's result once it has closed.
  int Execute();

  // Opening without the modal loop, for Execute and for tests that drive the
  // shown window themselves.
  void FormShow();

  TCalculatorForm& Form() { return form_; }

 public slots:
  // Leaving the term field takes the term over; the buttons are wired to their
  // form steps in ConnectControls.
  void cbTermExit();

  // Every way of closing ends here, so the variable table is always put back.
  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  QHBoxLayout* BuildTermLine();
  QGroupBox* BuildDifferentiation();
  QGroupBox* BuildIntegration();
  void ConnectControls();
  void ReadControls();
  void RunStep(void (TCalculatorForm::*step)(), bool namesMayChange);
  void ShowVariableLists();
  void ShowNewResultLines();

  TCalculatorForm form_;
  size_t linesShown_ = 0;

  QComboBox* cbTerm_ = nullptr;
  QComboBox* cbDiffVar_ = nullptr;
  QComboBox* cbIntVar_ = nullptr;
  QLineEdit* eDiffValue_ = nullptr;
  QLineEdit* eLow_ = nullptr;
  QLineEdit* eHigh_ = nullptr;
  QPlainTextEdit* mResult_ = nullptr;
  QPushButton* bCalculate_ = nullptr;
  QPushButton* bVarTable_ = nullptr;
  QPushButton* bCalcDiff_ = nullptr;
  QPushButton* bCalcInt_ = nullptr;
  QPushButton* bClose_ = nullptr;
};
