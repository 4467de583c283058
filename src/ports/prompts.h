// SPDX-License-Identifier: GPL-3.0-or-later
// The seam through which the core talks to the user: message boxes, the text
// prompt, the colour chooser and the open-file chooser. The GUI implements it
// with the toolkit's modal boxes; tests script the answers. Core code never
// opens a window itself, so every question it asks passes through here.
#pragma once

#include <cstdint>
#include <string>

// The icon and tone of a message box.
enum class TMessageKind : uint8_t { Error, Information, Warning, Confirmation };

// The buttons a message box offers, combined as flags; the answer is one of them.
enum TMessageButton : uint8_t {
  mbOk = 1,
  mbYes = 2,
  mbNo = 4,
  mbCancel = 8,
  mbHelp = 16,
};
inline constexpr uint8_t mbYesNo = mbYes | mbNo;
inline constexpr uint8_t mbYesNoCancel = mbYes | mbNo | mbCancel;

class Prompts {
 public:
  virtual ~Prompts() = default;

  // Shows a modal message box with the given buttons (TMessageButton flags)
  // and returns the button pressed. A box closed without a button answers
  // Cancel when it offers Cancel, otherwise No, otherwise Ok. Help answers
  // mbHelp; whether the box is shown again is the caller's decision.
  // helpContext is the help topic of the asking window, 0 for none.
  virtual TMessageButton Message(TMessageKind kind, const std::string& text, uint8_t buttons,
                                 int helpContext) = 0;

  // A text prompt with a window caption, a question and a preset answer in
  // value. True with the typed text in value on OK; false on Cancel, and
  // value then keeps the preset.
  virtual bool InputText(const std::string& caption, const std::string& question,
                         std::string& value) = 0;

  // The colour chooser preset with color (red + 256 x green + 65536 x blue);
  // true with the chosen colour in color when the user confirms.
  virtual bool ChooseColor(int32_t& color) = 0;

  // The open-file chooser. filter is "description|pattern" such as
  // "Morvit data file (.mvf)|*.mvf". True with the chosen path in path.
  virtual bool ChooseOpenFile(const std::string& filter, std::string& path) = 0;

  // The save-file chooser, preset with path (may be empty). filter is one or
  // more "description|pattern" pairs joined by "|". True with the chosen path;
  // the chooser itself asks before an existing file is replaced. A port
  // without one answers as if the user cancelled.
  virtual bool ChooseSaveFile(const std::string& filter, std::string& path) {
    (void)filter;
    (void)path;
    return false;
  }
};

// The usual boxes, so that callers state the kind and the buttons once.
inline void ShowError(Prompts& prompts, const std::string& text) {
  prompts.Message(TMessageKind::Error, text, mbOk, 0);
}
inline void ShowInformation(Prompts& prompts, const std::string& text) {
  prompts.Message(TMessageKind::Information, text, mbOk, 0);
}
// A confirmation with Yes and No; true only for Yes.
inline bool Confirm(Prompts& prompts, const std::string& text) {
  return prompts.Message(TMessageKind::Confirmation, text, mbYesNo, 0) == mbYes;
}
