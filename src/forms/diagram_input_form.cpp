// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/diagram_input_form.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "document/axis.h"
#include "ports/help_topics.h"
#include "term/compiler.h"
#include "term/complex.h"
#include "term/number_text.h"

namespace {

constexpr const char* InvalidCount = "Invalid number entered.";
constexpr const char* InvalidField = "Invalid value in numerical input field.";
constexpr const char* TransposeTooLarge =
    "The transposed cells do not fit into the table.\nSelect a smaller block or one nearer to the "
    "top left.";

bool IsBlank(char ch) { return ch == ' '; }

// A whole number: optional blanks, optional sign, decimal digits, optional
// blanks, within [minimum, maximum]. Digits are accumulated only while the
// value can still be in range, so a thousand digits cost no more than ten.
bool ReadWhole(std::string_view text, long long minimum, long long maximum, long long& value) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  const long long limit = negative ? -minimum : maximum;
  long long magnitude = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return false;
    magnitude = magnitude * 10 + (ch - '0');
    if (magnitude > limit) return false;
  }
  value = negative ? -magnitude : magnitude;
  return value >= minimum && value <= maximum;
}

bool ReadColumn(const std::string& text, int32_t& column) {
  long long value = 0;
  if (!ReadWhole(text, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
                 value))
    return false;
  column = static_cast<int32_t>(value);
  return true;
}

std::string AxisLabel(TAxis axis, int choice) {
  return "Axis " + std::to_string(AxisNumber(axis)) +
         (choice == AxisDataColumn ? " column:" : " value:");
}

std::string TabText(size_t index) { return "Diagram" + std::to_string(index + 1); }

}  // namespace

TDiagramInputForm::TDiagramInputForm(TDocument& document, Prompts& prompts, TDialogHost& host)
    : document_(document), prompts_(prompts), host_(host) {}

void TDiagramInputForm::FormShow() {
  // The headers are rewritten in the working copy only: a document may bring
  // column names of its own that its cells use, and Cancel must leave them.
  TempTable = document_.HiddenTable;
  TempTable.SetCells(0, 0, std::string());
  for (int c = 1; c < TempTable.ColCount(); ++c) TempTable.SetCells(c, 0, ColumnHeader(c));
  for (int r = 1; r < TempTable.RowCount(); ++r) TempTable.SetCells(0, r, RowHeader(r));
  Evaluate();
  // The selection survives from the last opening; the table may have shrunk.
  KeepSelectionInside();
  TableClick(Selection);

  WorkDiagrams = document_.Diagrams;
  WorkDiagramIndices.clear();
  WorkDiagramIndices.reserve(document_.Displays.size());
  for (const TCoordinateSystem& display : document_.Displays)
    WorkDiagramIndices.push_back(display.DiagramIndices);
  if (WorkDiagrams.empty()) bAddDiagramClick();
  RefreshDiagramTabs();
}

void TDiagramInputForm::FormClose() {
  CellClipboard.clear();
  WorkDiagrams.clear();
  WorkDiagramIndices.clear();
}

void TDiagramInputForm::bAddDiagramClick() {
  WorkDiagrams.push_back(TDiagram());
  Tabs.push_back(TabText(WorkDiagrams.size() - 1));
}

void TDiagramInputForm::RefreshDiagramTabs() {
  const int remembered = TabIndex;
  const int count = static_cast<int>(WorkDiagrams.size());
  Tabs.clear();
  Tabs.reserve(WorkDiagrams.size());
  for (size_t k = 0; k < WorkDiagrams.size(); ++k) Tabs.push_back(TabText(k));
  if (count == 0)
    TabIndex = -1;
  else if (remembered == -1)
    TabIndex = 0;
  else
    TabIndex = std::min(remembered, count - 1);
  if (TabIndex < 0) {
    TabControlVisible = false;
    return;
  }

  TDiagram& diagram = WorkDiagrams[static_cast<size_t>(TabIndex)];
  eDescription = diagram.Description;
  for (TAxis axis : AllAxes) {
    const TDiagramAxis stored = DiagramAxis(diagram, axis);
    const size_t a = AxisIndex(axis);
    if (stored.UseColumn) {
      eAxis[a] = std::to_string(stored.Column);
      rgAxis[a] = AxisDataColumn;
    } else {
      eAxis[a] = RealToStr(stored.Constant);
      rgAxis[a] = AxisConstant;
    }
    eErrorMax[a] = std::to_string(stored.ErrorHigh);
    eErrorMin[a] = std::to_string(stored.ErrorLow);
  }
  pColor1 = diagram.Color1;
  pColor2 = diagram.Color2;
  cbShowPoints = diagram.ShowPoints;
  cbConnectPoints = diagram.ConnectPoints;
  TabControlVisible = true;
  for (TAxis axis : AllAxes) rgAxisClick(axis);
}

void TDiagramInputForm::rgAxisClick(TAxis axis) {
  lAxis[AxisIndex(axis)] = AxisLabel(axis, rgAxis[AxisIndex(axis)]);
}

bool TDiagramInputForm::TabControlChanging() {
  if (TabIndex < 0 || TabIndex >= static_cast<int>(WorkDiagrams.size())) return true;

  // Everything is read before anything is stored, so a refusal leaves the
  // diagram untouched.
  std::array<int32_t, 3> columns{};
  std::array<double, 3> constants{};
  std::array<int32_t, 3> lows{};
  std::array<int32_t, 3> highs{};
  bool ok = true;
  for (TAxis axis : AllAxes) {
    const size_t a = AxisIndex(axis);
    ok = ok && (rgAxis[a] == AxisDataColumn ? ReadColumn(eAxis[a], columns[a])
                                            : TextToDouble(eAxis[a], constants[a]));
  }
  // High before Low on each axis: the order in which the fields are checked.
  for (TAxis axis : AllAxes) {
    const size_t a = AxisIndex(axis);
    ok = ok && ReadColumn(eErrorMax[a], highs[a]) && ReadColumn(eErrorMin[a], lows[a]);
  }
  if (!ok) {
    prompts_.Message(TMessageKind::Error, InvalidField, mbOk, DiagramInputHelpContext);
    return false;
  }

  TDiagram& diagram = WorkDiagrams[static_cast<size_t>(TabIndex)];
  for (TAxis axis : AllAxes) {
    const TDiagramAxis stored = DiagramAxis(diagram, axis);
    const size_t a = AxisIndex(axis);
    // The other of column and constant keeps its value for a later switch back.
    stored.UseColumn = rgAxis[a] == AxisDataColumn;
    if (stored.UseColumn)
      stored.Column = columns[a];
    else
      stored.Constant = constants[a];
    stored.ErrorHigh = highs[a];
    stored.ErrorLow = lows[a];
  }
  diagram.Color1 = pColor1;
  diagram.Color2 = pColor2;
  diagram.ShowPoints = cbShowPoints;
  diagram.ConnectPoints = cbConnectPoints;
  diagram.Description = eDescription;
  return true;
}

void TDiagramInputForm::TabControlChange(int index) {
  if (index >= 0 && index < static_cast<int>(WorkDiagrams.size())) TabIndex = index;
  RefreshDiagramTabs();
}

bool TDiagramInputForm::bOkClick() {
  if (!TabControlChanging()) return false;
  document_.HiddenTable = TempTable;
  document_.Diagrams = WorkDiagrams;
  const size_t displays = std::min(document_.Displays.size(), WorkDiagramIndices.size());
  for (size_t d = 0; d < displays; ++d)
    document_.Displays[d].DiagramIndices = WorkDiagramIndices[d];

  // A diagram just edited but shown nowhere goes to the last display. An
  // index past what a display list can hold is not assigned: it would wrap
  // around and name another diagram.
  const int t = TabIndex;
  if (t >= 0 && t <= std::numeric_limits<uint16_t>::max() && !document_.Displays.empty()) {
    const auto index = static_cast<uint16_t>(t);
    bool listed = false;
    for (const TCoordinateSystem& display : document_.Displays)
      listed = listed || std::find(display.DiagramIndices.begin(), display.DiagramIndices.end(),
                                   index) != display.DiagramIndices.end();
    if (!listed) document_.Displays.back().DiagramIndices.push_back(index);
  }
  host_.Redraw();
  return true;
}

void TDiagramInputForm::Evaluate() { EvaluateTable(TempTable, Table); }

void TDiagramInputForm::LoadCellField() { eCell = TempTable.Cells(Selection.Left, Selection.Top); }

void TDiagramInputForm::KeepSelectionInside() {
  const int lastCol = std::max(TempTable.ColCount() - 1, 1);
  const int lastRow = std::max(TempTable.RowCount() - 1, 1);
  Selection.Left = std::clamp(Selection.Left, 1, lastCol);
  Selection.Top = std::clamp(Selection.Top, 1, lastRow);
  Selection.Right = std::clamp(Selection.Right, Selection.Left, lastCol);
  Selection.Bottom = std::clamp(Selection.Bottom, Selection.Top, lastRow);
}

void TDiagramInputForm::TableClick(const TGridRect& selection) {
  Selection = selection;
  KeepSelectionInside();
  LoadCellField();
  CellFocusWanted = true;
}

void TDiagramInputForm::eCellExit() {
  TempTable.SetSize(Table.ColCount(), Table.RowCount());
  // Leaving the field without a change is frequent (every click into the
  // grid); the evaluation would give the same table again.
  if (TempTable.Cells(Selection.Left, Selection.Top) == eCell) return;
  TempTable.SetCells(Selection.Left, Selection.Top, eCell);
  Evaluate();
}

void TDiagramInputForm::bEnterClick() {
  eCellExit();
  const int left = Selection.Left;
  const int top = Selection.Top;
  if (top < TempTable.RowCount() - 1)
    Selection = {left, top + 1, left, top + 1};
  else if (left + 1 < TempTable.ColCount())
    Selection = {left + 1, 1, left + 1, 1};
  TableClick(Selection);
}

bool TDiagramInputForm::AskCount(const char* caption, const char* question, uint16_t& count) {
  // Cancel keeps the preset, so a cancelled prompt counts 0.
  std::string answer = "0";
  prompts_.InputText(caption, question, answer);
  long long value = 0;
  if (!ReadWhole(answer, 0, std::numeric_limits<uint16_t>::max(), value)) {
    RefuseCount();
    return false;
  }
  count = static_cast<uint16_t>(value);
  return true;
}

// The table may grow no further than a document file may bring it: beyond
// that it would take seconds to evaluate at every change and drawing, and
// more memory than a desktop has.
bool TDiagramInputForm::CountFits(long long cols, long long rows) {
  if (cols * rows <= MaxTableCells) return true;
  RefuseCount();
  return false;
}

void TDiagramInputForm::RefuseCount() {
  prompts_.Message(TMessageKind::Error, InvalidCount, mbOk, DiagramInputHelpContext);
}

void TDiagramInputForm::bAddColClick() {
  AddLines(TLine::Column, "Add columns", "Enter number of columns to add:");
}

void TDiagramInputForm::bAddRowClick() {
  AddLines(TLine::Row, "Add rows", "Enter number of rows to add:");
}

void TDiagramInputForm::bDeleteColClick() {
  DeleteLines(TLine::Column, "Delete columns", "Enter number of columns to delete:");
}

void TDiagramInputForm::bDeleteRowClick() {
  DeleteLines(TLine::Row, "Delete rows", "Enter number of rows to delete:");
}

void TDiagramInputForm::AddLines(TLine line, const char* caption, const char* question) {
  uint16_t n = 0;
  if (!AskCount(caption, question, n)) return;
  const bool columns = line == TLine::Column;
  const long long cols = TempTable.ColCount() + (columns ? n : 0LL);
  const long long rows = TempTable.RowCount() + (columns ? 0LL : n);
  if (!CountFits(cols, rows)) return;
  (columns ? AddColumns : AddRows)(TempTable, n);
  Evaluate();
}

// A deletion can take the selected cell away. The cell field then shows the
// cell now selected, so that leaving it never writes the text of a deleted
// cell into a neighbour.
void TDiagramInputForm::DeleteLines(TLine line, const char* caption, const char* question) {
  uint16_t n = 0;
  if (!AskCount(caption, question, n)) return;
  (line == TLine::Column ? DeleteColumns : DeleteRows)(TempTable, n);
  const TGridRect before = Selection;
  KeepSelectionInside();
  if (Selection.Left != before.Left || Selection.Top != before.Top) LoadCellField();
  Evaluate();
}

void TDiagramInputForm::bFillClick() {
  FillCells(TempTable, Selection);
  Evaluate();
}

void TDiagramInputForm::bCopyClick() {
  CopyCells(TempTable, Selection, CellClipboard);
  bPasteEnabled = true;
  Evaluate();
}

void TDiagramInputForm::bPasteClick() {
  PasteCells(TempTable, Selection, CellClipboard);
  LoadCellField();
  bPasteEnabled = false;
  Evaluate();
}

void TDiagramInputForm::bTransposeClick() {
  // The mirrored block may reach past the right or bottom edge. The table
  // grows to hold all of it, so no cell is lost; where that would take it
  // past its bounds, the block is refused before anything changes.
  const TGridRect& s = Selection;
  const long long cols =
      std::max<long long>(TempTable.ColCount(), 1LL + s.Left + (s.Bottom - s.Top));
  const long long rows =
      std::max<long long>(TempTable.RowCount(), 1LL + s.Top + (s.Right - s.Left));
  if (cols * rows > MaxTableCells) {
    prompts_.Message(TMessageKind::Error, TransposeTooLarge, mbOk, DiagramInputHelpContext);
    return;
  }
  GrowGrid(TempTable, static_cast<int>(cols), static_cast<int>(rows));
  Selection = TransposeCells(TempTable, Table, Selection, CellClipboard);
  KeepSelectionInside();
  LoadCellField();
  Evaluate();
}

void TDiagramInputForm::bDeleteClick() {
  DeleteCells(TempTable, Selection);
  eCell.clear();
  Evaluate();
}

void TDiagramInputForm::pColor1Click() {
  int32_t color = pColor1;
  if (prompts_.ChooseColor(color)) pColor1 = color;
}

void TDiagramInputForm::pColor2Click() {
  int32_t color = pColor2;
  if (prompts_.ChooseColor(color)) pColor2 = color;
}
