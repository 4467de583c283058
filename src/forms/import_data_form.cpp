// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/import_data_form.h"

#include <algorithm>
#include <utility>

#include "document/data_table.h"
#include "ports/help_topics.h"

TImportDataForm::TImportDataForm(Prompts& prompts) : prompts_(prompts) {}

const std::vector<std::string>& TImportDataForm::SeparatorItems() {
  static const std::vector<std::string> items{"Automatic", "Comma", "Semicolon", "Tab", "Blank"};
  return items;
}

const std::vector<std::string>& TImportDataForm::DecimalItems() {
  static const std::vector<std::string> items{"Automatic", "Point", "Comma"};
  return items;
}

const std::vector<std::string>& TImportDataForm::HeaderItems() {
  static const std::vector<std::string> items{"Automatic", "Yes", "No"};
  return items;
}

bool TImportDataForm::FormShow(std::string bytes, int left, int top) {
  bytes_ = std::move(bytes);
  left_ = std::max(left, 1);
  top_ = std::max(top, 1);
  cbSeparator = cbDecimal = cbHeader = 0;
  if (Parse()) return true;
  prompts_.Message(TMessageKind::Error, error_, mbOk, ImportDataHelpContext);
  return false;
}

void TImportDataForm::ChoiceChange() { Parse(); }

bool TImportDataForm::bOkClick() {
  if (error_.empty()) return true;
  prompts_.Message(TMessageKind::Error, error_, mbOk, ImportDataHelpContext);
  return false;
}

bool TImportDataForm::Parse() {
  const TImportOptions options{static_cast<TSeparator>(std::clamp(cbSeparator, 0, 4)),
                               static_cast<TDecimalChoice>(std::clamp(cbDecimal, 0, 2)),
                               static_cast<THeaderChoice>(std::clamp(cbHeader, 0, 2))};
  PreviewColumns.clear();
  PreviewRows.clear();
  PreviewCells.clear();
  error_.clear();
  if (!ParseDelimitedText(bytes_, options, Data, error_)) {
    lDetected = error_;
    return false;
  }
  // The bounds of the table at the landing cell are the editor's to check;
  // the preview shows where the data goes.
  const int columns = std::min(Data.Width, PreviewColumnCount);
  for (int c = 0; c < columns; ++c) {
    std::string title = ColumnHeader(left_ + c);
    const auto k = static_cast<size_t>(c);
    if (k < Data.HeaderNames.size() && !Data.HeaderNames[k].empty())
      title += " (" + Data.HeaderNames[k] + ")";
    PreviewColumns.push_back(std::move(title));
  }
  const size_t rows = std::min(Data.Records.size(), PreviewRowCount);
  for (size_t r = 0; r < rows; ++r) {
    PreviewRows.push_back(RowHeader(top_ + static_cast<int>(r)));
    std::vector<std::string> cells = Data.Records[r];
    cells.resize(static_cast<size_t>(columns));
    PreviewCells.push_back(std::move(cells));
  }
  lDetected = SeparatorItems()[static_cast<size_t>(Data.Separator)] + " separated, decimal " +
              (Data.DecimalComma ? "comma" : "point") +
              (Data.Header ? ", header line" : ", no header line") +
              (Data.Utf8 ? ", UTF-8" : ", Latin-1") + "; " + std::to_string(Data.Records.size()) +
              " rows of up to " + std::to_string(Data.Width) + " fields.";
  return true;
}
