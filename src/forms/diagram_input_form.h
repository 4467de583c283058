// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram data editor's logic without widgets: the working copies of the
// data table and the diagrams, the cell field, the tool buttons bound to the
// cell operations, the diagram tabs with their store step, and OK's
// write-back. The dialog shows these fields and calls these handlers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/axis.h"
#include "document/data_table.h"
#include "document/delimited_text.h"
#include "document/document.h"
#include "document/reader.h"
#include "document/string_grid.h"
#include "ports/dialog_host.h"
#include "ports/prompts.h"

// The choices of "Export data to file".
struct TExportChoice {
  bool Texts = false;          // the cell texts (terms) instead of the values shown
  bool SelectionOnly = false;  // the selected cells instead of the whole table
  bool Header = false;         // the column headers as the first record
  TSeparator Separator = TSeparator::Comma;
};

inline constexpr const char* DelimitedFileFilter =
    "Delimited text (*.csv, *.tsv, *.txt)|*.csv;*.tsv;*.txt|All files|*";

// The two items of each axis choice.
inline constexpr int AxisDataColumn = 0;
inline constexpr int AxisConstant = 1;

class TDiagramInputForm {
 public:
  TDiagramInputForm(TDocument& document, Prompts& prompts, TDialogHost& host);

  // Opening: headers rewritten, table copied and evaluated, cell field
  // loaded, diagrams copied (one new diagram when there are none), tabs built.
  void FormShow();
  // Closing by any means: clipboard and working diagrams are dropped.
  void FormClose();

  // The selection of the table changed; the cell field shows the raw text of
  // its top-left cell and asks for the focus.
  void TableClick(const TGridRect& selection);
  // The cell field lost the focus: its text goes into the selected cell.
  void eCellExit();
  // Commit, then move down the column, or on to the first data row of the
  // next column after the last row.
  void bEnterClick();

  void bAddColClick();
  void bDeleteColClick();
  void bAddRowClick();
  void bDeleteRowClick();
  void bFillClick();
  void bCopyClick();
  void bPasteClick();
  void bTransposeClick();
  void bDeleteClick();

  void pColor1Click();
  void pColor2Click();
  // The axis field's label follows the axis choice.
  void rgAxisClick(TAxis axis);

  // The store step before another tab is shown: false (after the error box)
  // when a numerical field does not hold a number of its kind.
  bool TabControlChanging();
  // The user picked tab index after TabControlChanging allowed it.
  void TabControlChange(int index);

  // OK: false when the store step refused (the editor stays open); true
  // after the write-back and the redraw.
  bool bOkClick();

  // Delimited text in and out (the bodies live in diagram_data_transfer.cpp).
  // The file chooser of "Import data from file", then the file read: false
  // (after the error box for a file that cannot be read) when there is
  // nothing to import.
  bool ChooseImportFile(std::string& bytes);
  // Data lands with its first field at the selection's top-left cell, the
  // table growing to hold it; a header line's names go into the selected
  // diagram's description. False after the error box when the table would
  // pass its bounds; nothing changes then.
  bool ImportData(const TDelimitedData& data);
  // A block copied in a spreadsheet: tab-separated UTF-8 text, landing like
  // an import. False after the error box; nothing changes then.
  bool PasteText(const std::string& utf8);
  // The selected cells' values as tab-separated UTF-8 text, the way a
  // spreadsheet takes a block from the clipboard.
  std::string SelectionText() const;
  // The text "Export data to file" writes.
  std::string ExportText(const TExportChoice& choice) const;
  // The save-file chooser, then the file written whole or not at all. False
  // when cancelled or after the error box.
  bool ExportToFile(const TExportChoice& choice);
  // The prompts the editor asks through, for the dialogs it opens on top.
  Prompts& Prompter() { return prompts_; }

  // Working state.
  TStringGrid TempTable;  // raw texts, all cell operations work on it
  TStringGrid Table;      // its evaluation, shown in the grid
  TCellClipboard CellClipboard;
  std::vector<TDiagram> WorkDiagrams;
  std::vector<std::vector<uint16_t>> WorkDiagramIndices;  // one list per display

  // The controls' contents.
  TGridRect Selection;
  std::string eCell;
  bool CellFocusWanted = false;  // TableClick asks for the cell field's focus
  bool bPasteEnabled = true;
  std::vector<std::string> Tabs;  // "Diagram1", "Diagram2", ...
  int TabIndex = -1;              // -1: no tab selected
  bool TabControlVisible = false;
  std::string eDescription;
  int32_t pColor1 = 0xFF0000;
  int32_t pColor2 = 0xFF0000;
  std::array<int, 3> rgAxis{};  // AxisDataColumn or AxisConstant, axes 1 to 3
  std::array<std::string, 3> eAxis;
  std::array<std::string, 3> lAxis;      // the label above each axis field
  std::array<std::string, 3> eErrorMin;  // "Low:" of axes 1 to 3 (eXErrorMin, ...)
  std::array<std::string, 3> eErrorMax;  // "High:" (eXErrorMax, ...)
  bool cbShowPoints = true;
  bool cbConnectPoints = true;

 private:
  void bAddDiagramClick();
  void RefreshDiagramTabs();
  void Evaluate();
  void LoadCellField();
  void KeepSelectionInside();
  bool AskCount(const char* caption, const char* question, uint16_t& count);
  bool CountFits(long long cols, long long rows);
  void RefuseCount();
  // Columns and rows are added and deleted by the same steps.
  enum class TLine { Column, Row };
  void AddLines(TLine line, const char* caption, const char* question);
  void DeleteLines(TLine line, const char* caption, const char* question);

  TDocument& document_;
  Prompts& prompts_;
  TDialogHost& host_;
};
