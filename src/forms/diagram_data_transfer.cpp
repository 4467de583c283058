// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram data editor's delimited text: import from a file, export to a
// file, and the system clipboard's blocks to and from spreadsheets.
#include <string>

#include "document/writer.h"
#include "forms/diagram_input_form.h"
#include "ports/help_topics.h"

namespace {

// A block on the clipboard: records end with a line feed as spreadsheets
// write them on this platform.
constexpr const char* ClipboardLineEnd = "\n";
// RFC 4180's line end, read by every spreadsheet.
constexpr const char* FileLineEnd = "\r\n";

std::string NamesDescription(const std::vector<std::string>& names, int firstColumn) {
  std::string text;
  for (size_t k = 0; k < names.size(); ++k) {
    if (names[k].empty()) continue;
    if (!text.empty()) text += "; ";
    text += ColumnHeader(firstColumn + static_cast<int>(k)) + ": " + names[k];
  }
  return text;
}

}  // namespace

bool TDiagramInputForm::ChooseImportFile(std::string& bytes) {
  std::string path;
  if (!prompts_.ChooseOpenFile(DelimitedFileFilter, path) || path.empty()) return false;
  std::string error;
  if (!ReadDelimitedFile(path, bytes, error)) {
    prompts_.Message(TMessageKind::Error, error, mbOk, DiagramInputHelpContext);
    return false;
  }
  return true;
}

bool TDiagramInputForm::ImportData(const TDelimitedData& data) {
  std::string error;
  if (!PlaceDelimitedData(TempTable, data, Selection.Left, Selection.Top, error)) {
    prompts_.Message(TMessageKind::Error, error, mbOk, DiagramInputHelpContext);
    return false;
  }
  // The names of a header line are no cells (row 0 holds the names the
  // cells compute with), so they are kept where the user sees them beside
  // the data: in the description of the diagram being edited.
  const std::string names = NamesDescription(data.HeaderNames, Selection.Left);
  if (!names.empty() && TabIndex >= 0)
    eDescription = eDescription.empty() ? names : eDescription + "; " + names;
  LoadCellField();
  Evaluate();
  return true;
}

bool TDiagramInputForm::PasteText(const std::string& utf8) {
  TDelimitedData data;
  std::string error;
  if (!ParseDelimitedText(utf8, {TSeparator::Tab, TDecimalChoice::Auto, THeaderChoice::No}, data,
                          error)) {
    prompts_.Message(TMessageKind::Error, error, mbOk, DiagramInputHelpContext);
    return false;
  }
  return ImportData(data);
}

std::string TDiagramInputForm::SelectionText() const {
  return DelimitedText(Table, Selection, TSeparator::Tab, false, ClipboardLineEnd);
}

std::string TDiagramInputForm::ExportText(const TExportChoice& choice) const {
  return DelimitedText(choice.Texts ? TempTable : Table,
                       choice.SelectionOnly ? Selection : DataCells(TempTable), choice.Separator,
                       choice.Header, FileLineEnd);
}

bool TDiagramInputForm::ExportToFile(const TExportChoice& choice) {
  std::string path;
  if (!prompts_.ChooseSaveFile(DelimitedFileFilter, path) || path.empty()) return false;
  std::string error;
  if (!ReplaceFile(path, ExportText(choice), error)) {
    prompts_.Message(TMessageKind::Error, error, mbOk, DiagramInputHelpContext);
    return false;
  }
  return true;
}
