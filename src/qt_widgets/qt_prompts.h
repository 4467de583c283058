// SPDX-License-Identifier: GPL-3.0-or-later
// The Prompts port on Qt: message boxes, the text prompt, the colour chooser
// and the open-file chooser as the toolkit's modal dialogs.
#pragma once

#include <QString>
#include <functional>

#include "ports/prompts.h"

class QWidget;

class TQtPrompts : public Prompts {
 public:
  // Boxes are centred over the window that is active when they open (a
  // modeless dialog asks from above the main window), or over fallbackParent
  // when no window of ours is active. caption titles the message boxes.
  explicit TQtPrompts(QWidget* fallbackParent = nullptr,
                      QString caption = QStringLiteral("Morvit"));

  // Called with the asking window's help context when the user presses Help
  // in a message box; the box still answers mbHelp.
  void SetHelpHandler(std::function<void(int helpContext)> handler);

  TMessageButton Message(TMessageKind kind, const std::string& text, uint8_t buttons,
                         int helpContext) override;
  bool InputText(const std::string& caption, const std::string& question,
                 std::string& value) override;
  bool ChooseColor(int32_t& color) override;
  bool ChooseOpenFile(const std::string& filter, std::string& path) override;
  bool ChooseSaveFile(const std::string& filter, std::string& path) override;

 private:
  QWidget* Parent() const;

  QWidget* fallbackParent_;
  QString caption_;
  std::function<void(int)> helpHandler_;
};

// "Morvit data file (.mvf)|*.mvf" becomes Qt's "Morvit data file (.mvf) (*.mvf)";
// further description|pattern pairs become further filters, and patterns
// separated by ";" are separated by blanks.
QString QtFileFilter(const std::string& filter);
