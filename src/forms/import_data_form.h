// SPDX-License-Identifier: GPL-3.0-or-later
// The import dialog's logic without widgets: the three choices (separator,
// decimal separator, header line), each automatic unless the user picks one,
// and a preview of the first rows as they will land in the data table.
#pragma once

#include <string>
#include <vector>

#include "document/delimited_text.h"
#include "ports/prompts.h"

class TImportDataForm {
 public:
  explicit TImportDataForm(Prompts& prompts);

  // The items of the three choices, "Automatic" first; an item's index is
  // its value of TSeparator, TDecimalChoice or THeaderChoice.
  static const std::vector<std::string>& SeparatorItems();
  static const std::vector<std::string>& DecimalItems();
  static const std::vector<std::string>& HeaderItems();

  // Takes the text of the chosen file, to land with its first field at
  // cell (left, top); every choice automatic. False after the error box when
  // the text cannot be imported as detected (not text, a quote never
  // closed, too large): the dialog is not shown then.
  bool FormShow(std::string bytes, int left, int top);
  // A choice changed: the text is read again and the preview follows.
  void ChoiceChange();
  // False after the error box when the text cannot be imported with the
  // choices made (the dialog stays open); true with the result in Data.
  bool bOkClick();

  // The controls' contents.
  int cbSeparator = 0;
  int cbDecimal = 0;
  int cbHeader = 0;
  std::string lDetected;                    // what was detected or the reason it cannot be imported
  std::vector<std::string> PreviewColumns;  // "Col3" or "Col3 (name)" from a header line
  std::vector<std::string> PreviewRows;     // "Row1", ...
  std::vector<std::vector<std::string>> PreviewCells;  // Latin-1, [row][column]

  TDelimitedData Data;

 private:
  bool Parse();

  Prompts& prompts_;
  std::string bytes_;
  std::string error_;
  int left_ = 1;
  int top_ = 1;
};

// Rows and columns the preview shows: enough to see the layout, and few
// enough that a file of a hundred thousand fields a line previews at once.
inline constexpr size_t PreviewRowCount = 20;
inline constexpr int PreviewColumnCount = 50;
