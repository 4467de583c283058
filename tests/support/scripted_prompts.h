// SPDX-License-Identifier: GPL-3.0-or-later
// Prompts for tests: every question is recorded, and the answers come from
// queues the test fills beforehand. An empty queue answers as if the user
// closed the box or cancelled, and counts the question as unanswered, so a
// test can tell an unexpected question from an expected one.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ports/prompts.h"

struct TPromptRecord {
  enum class TType : uint8_t { Message, InputText, ChooseColor, ChooseOpenFile, ChooseSaveFile };
  TType Type = TType::Message;
  TMessageKind Kind = TMessageKind::Error;  // message boxes only
  uint8_t Buttons = 0;                      // message boxes only
  int HelpContext = 0;                      // message boxes only
  std::string Text;                         // message text, prompt question or file filter
  std::string Caption;                      // text prompt only
};

class ScriptedPrompts : public Prompts {
 public:
  std::vector<TPromptRecord> Records;
  std::deque<TMessageButton> MessageAnswers;
  std::deque<std::optional<std::string>> TextAnswers;      // nullopt cancels
  std::deque<std::optional<int32_t>> ColorAnswers;         // nullopt cancels
  std::deque<std::optional<std::string>> FileAnswers;      // nullopt cancels
  std::deque<std::optional<std::string>> SaveFileAnswers;  // nullopt cancels
  int Unanswered = 0;

  TMessageButton Message(TMessageKind kind, const std::string& text, uint8_t buttons,
                         int helpContext) override;
  bool InputText(const std::string& caption, const std::string& question,
                 std::string& value) override;
  bool ChooseColor(int32_t& color) override;
  bool ChooseOpenFile(const std::string& filter, std::string& path) override;
  // Answers from SaveFileAnswers; the preset path is recorded in Caption.
  bool ChooseSaveFile(const std::string& filter, std::string& path) override;

  // The texts of the message boxes shown, in order.
  std::vector<std::string> MessageTexts() const;
};
