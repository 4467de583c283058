// The diagram data editor's logic without widgets: the working copies of the
// data table and the diagrams, the cell field, the tool buttons bound to the
// cell operations, the diagram tabs with their store step, and OK's
// write-back. The dialog shows these fields and calls these handlers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/data_table.h"
#include "document/document.h"
#include "document/reader.h"
#include "document/string_grid.h"
#include "ports/dialog_host.h"
#include "ports/prompts.h"

inline constexpr int DiagramInputHelpContext = 20;

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
  // axis is 1, 2 or 3: the field's label follows the axis choice.
  void rgAxisClick(int axis);

  // The store step before another tab is shown: false (after the error box)
  // when a numerical field does not hold a number of its kind.
  bool TabControlChanging();
  // The user picked tab index after TabControlChanging allowed it.
  void TabControlChange(int index);

  // OK: false when the store step refused (the editor stays open); true
  // after the write-back and the redraw.
  bool bOkClick();

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
  std::array<std::string, 3> lAxis;       // the label above each axis field
  std::array<std::string, 3> eErrorMin;   // "Low:" of axes 1 to 3 (eXErrorMin, ...)
  std::array<std::string, 3> eErrorMax;   // "High:" (eXErrorMax, ...)
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

  TDocument& document_;
  Prompts& prompts_;
  TDialogHost& host_;
};
