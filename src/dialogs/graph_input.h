// SPDX-License-Identifier: GPL-3.0-or-later
// The graph input dialog: one tab per graph with its three terms and two
// colours, bound to TGraphInputForm. Modeless and kept above the main window.
#pragma once

#include <QDialog>

#include "document/document.h"
#include "forms/graph_input_form.h"
#include "ports/dialog_host.h"
#include "ports/prompts.h"

class QComboBox;
class QFrame;
class QTabBar;
class QToolButton;
class TColorSwatch;

class TfGraphInput : public QDialog {
  Q_OBJECT

 public:
  TfGraphInput(TDocument& document, Prompts& prompts, TDialogHost& host, QWidget* parent = nullptr);

  // "Edit graphs": opens the dialog with fresh working copies, or only brings
  // it to the front when it is open already.
  void ShowModeless();

  // New or Open replaced the document: an open dialog takes its working
  // copies afresh from the new document (what was typed is dropped), so OK
  // never writes the old document's shape back.
  void DocumentReplaced();

  // Closing by Cancel, Esc or the close box drops the working copies.
  void reject() override;

 private slots:
  void TabControlChanged(int index);
  void pColor1Click();
  void pColor2Click();
  void bVarTableClick();
  void bOkClick();

 private:
  void FormShow();
  void ControlsToFields();
  void FieldsToControls();
  void BuildTabArea();
  QFrame* BuildTermPage();
  void TermListToControls();

  TGraphInputForm form_;
  QWidget* tabArea_ = nullptr;  // the tab strip with everything on it
  QTabBar* tabControl_ = nullptr;
  QComboBox* cbZ_ = nullptr;
  QComboBox* cbY_ = nullptr;
  QComboBox* cbX_ = nullptr;
  TColorSwatch* pColor1_ = nullptr;
  TColorSwatch* pColor2_ = nullptr;
  QToolButton* bVarTable_ = nullptr;
};
