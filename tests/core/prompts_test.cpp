// SPDX-License-Identifier: GPL-3.0-or-later
// The Prompts helpers and the scripted prompts the other tests rely on.
#include "ports/prompts.h"

#include <gtest/gtest.h>

#include "support/scripted_prompts.h"

namespace {

TEST(Prompts, ConfirmIsTrueOnlyForYes) {
  struct TRow {
    std::deque<TMessageButton> answers;
    bool confirmed;
    int unanswered;
  };
  const TRow rows[] = {
      {{mbYes}, true, 0},   {{mbNo}, false, 0}, {{mbCancel}, false, 0},
      {{mbHelp}, false, 0}, {{}, false, 1},  // closing the box is not a Yes
  };
  for (const TRow& row : rows) {
    ScriptedPrompts prompts;
    prompts.MessageAnswers = row.answers;
    EXPECT_EQ(Confirm(prompts, "Sure?"), row.confirmed);
    EXPECT_EQ(prompts.Unanswered, row.unanswered);
    ASSERT_EQ(prompts.Records.size(), 1u);
    EXPECT_EQ(prompts.Records[0].Kind, TMessageKind::Confirmation);
    EXPECT_EQ(prompts.Records[0].Buttons, mbYes | mbNo);
  }
}

TEST(ScriptedPrompts, RecordsEveryQuestionAndAnswersFromItsQueues) {
  ScriptedPrompts prompts;
  prompts.TextAnswers = {std::string("12"), std::nullopt};
  prompts.ColorAnswers = {0x00FF00};
  prompts.FileAnswers = {std::string("/tmp/a.mvf")};
  ShowError(prompts, "Invalid file.");
  ShowInformation(prompts, "Bye.");
  std::string text = "0";
  EXPECT_TRUE(prompts.InputText("Add rows", "Enter number of rows to add:", text));
  EXPECT_EQ(text, "12");
  text = "0";
  EXPECT_FALSE(prompts.InputText("Add rows", "Enter number of rows to add:", text));
  EXPECT_EQ(text, "0");  // cancelling keeps the preset
  int32_t color = 0xFF0000;
  EXPECT_TRUE(prompts.ChooseColor(color));
  EXPECT_EQ(color, 0x00FF00);
  EXPECT_FALSE(prompts.ChooseColor(color));  // queue empty: cancelled
  EXPECT_EQ(color, 0x00FF00);
  std::string path;
  EXPECT_TRUE(prompts.ChooseOpenFile("Morvit data file (.mvf)|*.mvf", path));
  EXPECT_EQ(path, "/tmp/a.mvf");
  // Boxes closed without an answer: Cancel, else No, else Ok.
  EXPECT_EQ(prompts.Message(TMessageKind::Warning, "?", mbYesNoCancel, 0), mbCancel);
  EXPECT_EQ(prompts.Message(TMessageKind::Warning, "?", mbYes | mbNo | mbHelp, 10), mbNo);
  EXPECT_EQ(prompts.Message(TMessageKind::Information, "!", mbOk, 0), mbOk);

  EXPECT_EQ(prompts.MessageTexts(),
            (std::vector<std::string>{"Invalid file.", "Bye.", "?", "?", "!"}));
  EXPECT_EQ(prompts.Records.size(), 10u);
  EXPECT_EQ(prompts.Records[0].Kind, TMessageKind::Error);
  EXPECT_EQ(prompts.Records[1].Kind, TMessageKind::Information);
  EXPECT_EQ(prompts.Records[2].Caption, "Add rows");
  EXPECT_EQ(prompts.Records[6].Text, "Morvit data file (.mvf)|*.mvf");
  EXPECT_EQ(prompts.Records[8].HelpContext, 10);
  // The error and information boxes, the empty colour queue and the three
  // closed boxes; an explicit cancel in a queue is an answer.
  EXPECT_EQ(prompts.Unanswered, 6);
}

}  // namespace
