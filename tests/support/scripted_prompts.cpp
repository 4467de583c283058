// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_prompts.h"

namespace {

// What a box answers when it is closed with the window's close button.
TMessageButton ClosedAnswer(uint8_t buttons) {
  if (buttons & mbCancel) return mbCancel;
  if (buttons & mbNo) return mbNo;
  return mbOk;
}

template <typename T>
std::optional<T> Next(std::deque<std::optional<T>>& queue, int& unanswered) {
  if (queue.empty()) {
    ++unanswered;
    return std::nullopt;
  }
  std::optional<T> answer = queue.front();
  queue.pop_front();
  return answer;
}

}  // namespace

TMessageButton ScriptedPrompts::Message(TMessageKind kind, const std::string& text, uint8_t buttons,
                                        int helpContext) {
  TPromptRecord record;
  record.Type = TPromptRecord::TType::Message;
  record.Kind = kind;
  record.Buttons = buttons;
  record.HelpContext = helpContext;
  record.Text = text;
  Records.push_back(record);
  if (MessageAnswers.empty()) {
    ++Unanswered;
    return ClosedAnswer(buttons);
  }
  const TMessageButton answer = MessageAnswers.front();
  MessageAnswers.pop_front();
  return answer;
}

bool ScriptedPrompts::InputText(const std::string& caption, const std::string& question,
                                std::string& value) {
  TPromptRecord record;
  record.Type = TPromptRecord::TType::InputText;
  record.Caption = caption;
  record.Text = question;
  Records.push_back(record);
  const std::optional<std::string> answer = Next(TextAnswers, Unanswered);
  if (!answer) return false;
  value = *answer;
  return true;
}

bool ScriptedPrompts::ChooseColor(int32_t& color) {
  TPromptRecord record;
  record.Type = TPromptRecord::TType::ChooseColor;
  Records.push_back(record);
  const std::optional<int32_t> answer = Next(ColorAnswers, Unanswered);
  if (!answer) return false;
  color = *answer;
  return true;
}

bool ScriptedPrompts::ChooseOpenFile(const std::string& filter, std::string& path) {
  TPromptRecord record;
  record.Type = TPromptRecord::TType::ChooseOpenFile;
  record.Text = filter;
  Records.push_back(record);
  const std::optional<std::string> answer = Next(FileAnswers, Unanswered);
  if (!answer) return false;
  path = *answer;
  return true;
}

bool ScriptedPrompts::ChooseSaveFile(const std::string& filter, std::string& path) {
  TPromptRecord record;
  record.Type = TPromptRecord::TType::ChooseSaveFile;
  record.Text = filter;
  record.Caption = path;
  Records.push_back(record);
  const std::optional<std::string> answer = Next(SaveFileAnswers, Unanswered);
  if (!answer) return false;
  path = *answer;
  return true;
}

std::vector<std::string> ScriptedPrompts::MessageTexts() const {
  std::vector<std::string> texts;
  for (const TPromptRecord& record : Records)
    if (record.Type == TPromptRecord::TType::Message) texts.push_back(record.Text);
  return texts;
}
