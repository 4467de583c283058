// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_widgets/qt_prompts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <vector>

#include "dialogs/color_swatch.h"
#include "support/application.h"

namespace {

struct TShownBox {
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons Buttons;
  QString Text;
  bool Seen = false;
};

// Answers the next modal message box by pressing a button, or by Escape when
// press is NoButton, and records what the box looked like.
void AnswerNextBox(QMessageBox::StandardButton press, TShownBox& shown) {
  QTimer::singleShot(0, [press, &shown] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    shown.Seen = true;
    shown.Icon = box->icon();
    shown.Buttons = box->standardButtons();
    shown.Text = box->text();
    if (press == QMessageBox::NoButton)
      box->reject();
    else
      box->button(press)->click();
  });
}

}  // namespace

TEST(QtPrompts, MessageShowsKindAndButtonsAndAnswersThePressedOne) {
  EnsureApplication<QApplication>();
  struct TRow {
    TMessageKind Kind;
    uint8_t Buttons;
    QMessageBox::StandardButton Press;
    QMessageBox::Icon Icon;
    QMessageBox::StandardButtons Shown;
    TMessageButton Answer;
  };
  const std::vector<TRow> rows = {
      {.Kind = TMessageKind::Error,
       .Buttons = mbOk,
       .Press = QMessageBox::Ok,
       .Icon = QMessageBox::Critical,
       .Shown = QMessageBox::Ok,
       .Answer = mbOk},
      {.Kind = TMessageKind::Information,
       .Buttons = mbOk,
       .Press = QMessageBox::Ok,
       .Icon = QMessageBox::Information,
       .Shown = QMessageBox::Ok,
       .Answer = mbOk},
      {.Kind = TMessageKind::Confirmation,
       .Buttons = mbYesNo,
       .Press = QMessageBox::No,
       .Icon = QMessageBox::Question,
       .Shown = QMessageBox::Yes | QMessageBox::No,
       .Answer = mbNo},
      {.Kind = TMessageKind::Warning,
       .Buttons = mbYes | mbNo | mbHelp,
       .Press = QMessageBox::Yes,
       .Icon = QMessageBox::Warning,
       .Shown = QMessageBox::Yes | QMessageBox::No | QMessageBox::Help,
       .Answer = mbYes},
      {.Kind = TMessageKind::Warning,
       .Buttons = mbYes | mbNo | mbHelp,
       .Press = QMessageBox::Help,
       .Icon = QMessageBox::Warning,
       .Shown = QMessageBox::Yes | QMessageBox::No | QMessageBox::Help,
       .Answer = mbHelp},
      // Closed without a button: Cancel when offered, otherwise No, otherwise Ok.
      {.Kind = TMessageKind::Confirmation,
       .Buttons = mbYesNo,
       .Press = QMessageBox::NoButton,
       .Icon = QMessageBox::Question,
       .Shown = QMessageBox::Yes | QMessageBox::No,
       .Answer = mbNo},
      {.Kind = TMessageKind::Confirmation,
       .Buttons = mbYesNoCancel,
       .Press = QMessageBox::NoButton,
       .Icon = QMessageBox::Question,
       .Shown = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
       .Answer = mbCancel},
      {.Kind = TMessageKind::Error,
       .Buttons = mbOk,
       .Press = QMessageBox::NoButton,
       .Icon = QMessageBox::Critical,
       .Shown = QMessageBox::Ok,
       .Answer = mbOk},
      // No button asked for still gives a box that can be answered.
      {.Kind = TMessageKind::Information,
       .Buttons = 0,
       .Press = QMessageBox::Ok,
       .Icon = QMessageBox::Information,
       .Shown = QMessageBox::Ok,
       .Answer = mbOk},
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    const TRow& row = rows[i];
    TQtPrompts prompts;
    std::vector<int> helpAsked;
    prompts.SetHelpHandler([&helpAsked](int context) { helpAsked.push_back(context); });
    TShownBox shown;
    AnswerNextBox(row.Press, shown);
    const TMessageButton answer =
        prompts.Message(row.Kind, "First line.\n\rSecond <b>line</b>.", row.Buttons, 11);
    ASSERT_TRUE(shown.Seen) << "row " << i;
    EXPECT_EQ(shown.Icon, row.Icon) << "row " << i;
    EXPECT_EQ(shown.Buttons, row.Shown) << "row " << i;
    EXPECT_EQ(shown.Text, QStringLiteral("First line.\nSecond <b>line</b>.")) << "row " << i;
    EXPECT_EQ(answer, row.Answer) << "row " << i;
    EXPECT_EQ(helpAsked, row.Answer == mbHelp ? std::vector<int>{11} : std::vector<int>{})
        << "row " << i;
  }
}

TEST(QtPrompts, FileFilterBecomesQtFilter) {
  const std::vector<std::pair<std::string, QString>> rows = {
      {"Morvit data file (.mvf)|*.mvf", "Morvit data file (.mvf) (*.mvf)"},
      {"Pictures|*.png;*.jpg|All files|*.*", "Pictures (*.png *.jpg);;All files (*.*)"},
      {"Anything", "Anything (*)"},
      {"|*.mvf", "*.mvf"},
      {"", "*"},
  };
  for (const auto& [filter, expected] : rows) EXPECT_EQ(QtFileFilter(filter), expected) << filter;
}

TEST(QtPrompts, PackedColoursHoldRedInTheLowByte) {
  struct TRow {
    int32_t Packed;
    int Red, Green, Blue;
    int32_t Back;
  };
  const std::vector<TRow> rows = {
      {0xFF0000, 0, 0, 255, 0xFF0000},  // pure blue
      {0x00FF00, 0, 255, 0, 0x00FF00},  // green
      {0x0000FF, 255, 0, 0, 0x0000FF},  // red
      {0x123456, 0x56, 0x34, 0x12, 0x123456},
      {static_cast<int32_t>(0xFF808080u), 128, 128, 128, 0x808080},  // top byte ignored
      {-1, 255, 255, 255, 0xFFFFFF},
  };
  for (const TRow& row : rows) {
    const QColor color = ColorFromPacked(row.Packed);
    EXPECT_EQ(color.red(), row.Red) << row.Packed;
    EXPECT_EQ(color.green(), row.Green) << row.Packed;
    EXPECT_EQ(color.blue(), row.Blue) << row.Packed;
    EXPECT_EQ(PackedFromColor(color), row.Back) << row.Packed;
  }
}

// A message is UTF-8, unless it quotes a document's 8-bit text, such as a
// variable name read from a file: that is shown as Latin-1, not as "\uFFFD".
TEST(QtPrompts, MessageQuotingADocumentTextShowsItsCharacters) {
  EnsureApplication<QApplication>();
  const struct {
    std::string Text;
    QString Shown;
  } rows[] = {
      {"Error at \"\xB5\".\nValues for variable cannot be saved.",
       QString::fromUtf8("Error at \"\u00B5\".\nValues for variable cannot be saved.")},
      {"Alpha=30\u00B0", QString::fromUtf8("Alpha=30\u00B0")},
      {"line\n\rnext", QStringLiteral("line\nnext")},
  };
  for (const auto& row : rows) {
    TQtPrompts prompts;
    TShownBox shown;
    AnswerNextBox(QMessageBox::Ok, shown);
    prompts.Message(TMessageKind::Error, row.Text, mbOk, 0);
    EXPECT_TRUE(shown.Seen);
    EXPECT_EQ(shown.Text, row.Shown) << row.Text;
  }
}
