// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram data editor window: binds the grid, the cell field, the tool
// buttons and the diagram tabs to TDiagramInputForm, which holds the logic.
#pragma once

#include <QDialog>
#include <array>

#include "forms/diagram_input_form.h"

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QTableView;
class QToolButton;
class TColorSwatch;
class TDataTableModel;

class TfDiagramInput : public QDialog {
  Q_OBJECT

 public:
  TfDiagramInput(TDocument& document, Prompts& prompts, TDialogHost& host, QWidget* parent);
  ~TfDiagramInput() override;

  // Loads the editor afresh from the document, shows it modally and returns
  // the dialog's result once it has closed.
  int Execute();

  // Opening without the modal loop, for Execute and for tests that drive the
  // shown window themselves.
  void FormShow();

  TDiagramInputForm& Form() { return form_; }

 public slots:
  void TableClick();
  void eCellExit();
  void bEnterClick();
  // Copy and Paste are the clipboard keys' too; the tools that are only a
  // step of the form are wired to it in BuildToolBar.
  void bCopyClick();
  void bPasteClick();
  void pColor1Click();
  void pColor2Click();
  void TabControlChange(int index);
  void bOkClick();
  // Delimited text and the system clipboard (diagram_data_transfer_dialog.cpp).
  void bImportCSVClick();
  void bExportCSVClick();
  // Ctrl+V in the grid: a block copied in a spreadsheet lands at the
  // selection; a block copied in the grid itself pastes its cell texts.
  void PasteFromClipboard();

  // Every way of closing ends here, so the working copies are always dropped.
  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildToolBar();
  QHBoxLayout* BuildCellLine();
  QTableView* BuildTable();
  QWidget* BuildDiagramPanel();
  void BuildAxisRows(QGridLayout* grid, int& row, TAxis axis);
  void ShowTable(bool sizeChanged);
  void ShowSelection();
  void ShowCellField();
  void ShowTabs();
  void ShowDiagramFields();
  void ShowAxisLabels();
  void ReadDiagramFields();
  void AfterToolButton(bool sizeChanged);
  void BindClipboard();
  // The selected values go onto the system clipboard for spreadsheets.
  void PutSelectionOnClipboard();

  TDiagramInputForm form_;
  TDataTableModel* model_ = nullptr;
  bool quiet_ = false;  // widgets are being filled from the form

  QTableView* table_ = nullptr;
  QLineEdit* eCell_ = nullptr;
  QPushButton* bEnter_ = nullptr;
  QToolButton* bPaste_ = nullptr;
  QTabBar* tabControl_ = nullptr;
  QFrame* diagramPanel_ = nullptr;
  QLineEdit* eDescription_ = nullptr;
  TColorSwatch* pColor1_ = nullptr;
  TColorSwatch* pColor2_ = nullptr;
  std::array<QButtonGroup*, 3> rgAxis_{};
  std::array<QLabel*, 3> lAxis_{};
  std::array<QLineEdit*, 3> eAxis_{};
  std::array<QLineEdit*, 3> eErrorMin_{};
  std::array<QLineEdit*, 3> eErrorMax_{};
  QCheckBox* cbShowPoints_ = nullptr;
  QCheckBox* cbConnectPoints_ = nullptr;
  QString copiedText_;          // what the grid last put on the system clipboard
  TExportChoice exportChoice_;  // the last export's choices, offered again
};
