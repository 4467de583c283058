// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/main_form.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <algorithm>
#include <functional>
#include <optional>

#include "document/reader.h"
#include "document/writer.h"
#include "main/dialog_set.h"
#include "main/draw_area.h"
#include "main/recent_documents.h"
#include "main/window_set.h"
#include "plot/plot_display.h"
#include "ports/event_pump.h"
#include "qt_widgets/help_viewer.h"
#include "support/application.h"
#include "support/recording_help.h"
#include "support/scripted_prompts.h"

namespace {

QApplication& App() { return EnsureApplication<QApplication>(); }

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    form = std::make_unique<TMainForm>(prompts, help, pump, QStringList());
    form->SetSettingsFile(settings.filePath("settings.ini"));
    form->resize(640, 480);
    form->DrawArea()->resize(600, 400);
    form->Refresh();
    prompts.Records.clear();
  }
  TCoordinateSystem& Display() {
    return form->Doc().Displays[static_cast<size_t>(form->CurrentDisplay())];
  }

  QTemporaryDir settings;
  ScriptedPrompts prompts;
  TRecordingHelp help;
  NoEventPump pump;
  std::unique_ptr<TMainForm> form;
};

TEST_F(MainFormTest, FreshDocumentShowsOneDisplayAndItsStatus) {
  EXPECT_EQ(form->windowTitle(), "Morvit");
  EXPECT_EQ(form->TabControl()->count(), 1);
  EXPECT_EQ(form->TabControl()->tabText(0), "Display1");
  EXPECT_EQ(form->CurrentDisplay(), 0);
  EXPECT_EQ(form->StatusText(), QString::fromUtf8("Alpha=0\u00B0 Beta=0\u00B0 Zoom=100%"));
  EXPECT_FALSE(form->PlotSceneData().empty());
}

TEST_F(MainFormTest, MouseDrags) {
  // Right drag: 20 pixels up doubles all three zooms.
  form->MouseDown(Qt::RightButton, 100, 100);
  form->MouseMove(100, 80);
  form->MouseUp();
  EXPECT_DOUBLE_EQ(Display().Zoom1, 2);
  EXPECT_DOUBLE_EQ(Display().Zoom3, 2);
  EXPECT_EQ(form->StatusText(), QString::fromUtf8("Alpha=0\u00B0 Beta=0\u00B0 Zoom=200%"));

  // Middle drag: 10 pixels right at zoom 2 lowers Shift1 by 1.
  const double shift = Display().Shift1;
  form->MouseDown(Qt::MiddleButton, 0, 0);
  form->MouseMove(10, 0);
  form->MouseUp();
  EXPECT_DOUBLE_EQ(Display().Shift1, shift - 1);

  // Left drag on a 2D display turns nothing.
  form->MouseDown(Qt::LeftButton, 0, 0);
  form->MouseMove(30, 40);
  form->MouseUp();
  EXPECT_EQ(Display().Alpha, 0);
  EXPECT_EQ(Display().Beta, 0);

  // ... but on a 3D display it does.
  Display().ThreeAxes = true;
  form->MouseDown(Qt::LeftButton, 0, 0);
  form->MouseMove(30, 40);
  form->MouseUp();
  EXPECT_EQ(Display().Alpha, 40);
  EXPECT_EQ(Display().Beta, 30);

  // A move without a button held changes nothing.
  form->MouseMove(90, 90);
  EXPECT_EQ(Display().Alpha, 40);

  // One wheel notch forward acts as a 20-pixel zoom in.
  const double zoom = Display().Zoom1;
  form->WheelZoom(1);
  EXPECT_DOUBLE_EQ(Display().Zoom1, zoom * 2);

  form->RestoreDefaultViewClick();
  EXPECT_EQ(Display().Alpha, 0);
  EXPECT_DOUBLE_EQ(Display().Zoom1, 1);
  EXPECT_DOUBLE_EQ(Display().Shift1, 0);
}

TEST_F(MainFormTest, NewDocumentAsksFirst) {
  form->Doc().Displays.resize(3);
  form->Refresh();
  form->TabControl()->setCurrentIndex(1);
  EXPECT_EQ(form->CurrentDisplay(), 1);

  // The document changed: first the question whether to save (No), then
  // the confirmation.
  prompts.MessageAnswers = {mbNo, mbNo};
  form->NewDocumentClick();
  EXPECT_EQ(form->TabControl()->count(), 3);
  ASSERT_EQ(prompts.MessageTexts().size(), 2u);
  EXPECT_EQ(prompts.MessageTexts()[1], "Do you really want to close the current document?");

  prompts.MessageAnswers = {mbNo, mbYes};
  form->NewDocumentClick();
  EXPECT_EQ(form->TabControl()->count(), 1);
  EXPECT_EQ(form->CurrentDisplay(), 0);
}

TEST_F(MainFormTest, UnreadableFileLeavesAnEmptyDocument) {
  form->OpenFile(QDir::temp().filePath("no-such-morvit-file.mvf"));
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"Invalid file."});
  EXPECT_TRUE(form->Doc().Displays.empty());
  EXPECT_EQ(form->CurrentDisplay(), -1);
  EXPECT_FALSE(form->TabControl()->isVisibleTo(form.get()));
  // Operations on the current display do nothing without one.
  form->MouseDown(Qt::RightButton, 0, 0);
  form->MouseMove(0, 50);
  form->MouseUp();
  form->RestoreDefaultViewClick();
}

TEST_F(MainFormTest, CloseAsksAndSaysFarewell) {
  prompts.MessageAnswers = {mbNo};
  EXPECT_FALSE(form->close());
  EXPECT_FALSE(form->Doc().Displays.empty());
  prompts.MessageAnswers = {mbYes, mbOk};
  EXPECT_TRUE(form->close());
  const auto texts = prompts.MessageTexts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[1], "Do you really want to close the program?");
  EXPECT_NE(texts[2].find("Morvit"), std::string::npos);
  EXPECT_TRUE(form->Doc().Displays.empty());
  EXPECT_EQ(help.Closed, 1);
}

TEST_F(MainFormTest, HelpCommands) {
  form->ShowHelpClick();
  form->SupportClick();
  EXPECT_EQ(help.Topics, (std::vector<int>{1, 999}));
}

// Key presses go where a user's would: to the focused widget of the window.
void PressKey(QWidget* window, Qt::Key key) {
  QWidget* focus = window->focusWidget();
  QTest::keyClick(focus != nullptr ? focus : window, key);
}

// Runs work once the next modal dialog has opened, then closes that dialog.
void InNextModalDialog(std::function<void(QDialog*)> work) {
  QTimer::singleShot(0, [work] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    work(dialog);
    dialog->reject();
  });
}

// F1 in every window opens that window's own topic, also in the modal
// dialogs, where Qt refuses the main window's shortcuts, and in the variable
// table opened on top of another dialog.
TEST(HelpKey, OpensTheTopicOfTheWindowItIsPressedIn) {
  App();
  ScriptedPrompts prompts;
  TRecordingHelp help;
  NoEventPump pump;
  TWindowSet windows(prompts, help, pump, {}, false);
  TMainForm& main = windows.MainForm();
  main.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
  PressKey(&main, Qt::Key_F1);
  EXPECT_EQ(help.Topics, std::vector<int>{10});

  const struct {
    std::function<void()> Open;
    int Topic;
  } modal[] = {
      {[&] { windows.EditDiagrams(); }, 20},
      {[&] { windows.VariableTable(); }, 40},
      {[&] { windows.AxisSettings(); }, 50},
      {[&] { windows.Calculator(); }, 70},
  };
  for (const auto& m : modal) {
    help.Topics.clear();
    InNextModalDialog([](QDialog* dialog) { PressKey(dialog, Qt::Key_F1); });
    m.Open();
    EXPECT_EQ(help.Topics, std::vector<int>{m.Topic});
  }

  // The calculator's variable table, then the calculator again.
  help.Topics.clear();
  InNextModalDialog([](QDialog* calculator) {
    InNextModalDialog([](QDialog* table) { PressKey(table, Qt::Key_F1); });
    calculator->findChild<QPushButton*>("bVarTable")->click();
    PressKey(calculator, Qt::Key_F1);
  });
  windows.Calculator();
  EXPECT_EQ(help.Topics, (std::vector<int>{40, 70}));

  // The graph input dialog, modeless, and its variable table (after the
  // question about the empty terms).
  help.Topics.clear();
  windows.EditGraphs();
  QDialog* graphInput = nullptr;
  for (QDialog* dialog : main.findChildren<QDialog*>())
    if (dialog->windowTitle() == "Graph Input") graphInput = dialog;
  ASSERT_NE(graphInput, nullptr);
  ASSERT_TRUE(graphInput->isVisible());
  PressKey(graphInput, Qt::Key_F1);
  prompts.MessageAnswers = {mbYes};
  InNextModalDialog([](QDialog* table) { PressKey(table, Qt::Key_F1); });
  graphInput->findChild<QToolButton*>("bVarTable")->click();
  EXPECT_EQ(help.Topics, (std::vector<int>{11, 40}));
  graphInput->reject();
}

// Whether a window is blocked by a modal dialog, as Qt last told it.
class TBlockedState final : public QObject {
 public:
  bool Blocked = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowBlocked) Blocked = true;
    if (event->type() == QEvent::WindowUnblocked) Blocked = false;
    return false;
  }
};

QWidget* HelpWindow() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->windowTitle() == "Morvit Help" && w->isVisible()) return w;
  return nullptr;
}

// The help window asked for from a modal dialog can be read and scrolled
// while the dialog waits, also when it was open before; it closes with Escape.
TEST(HelpKey, HelpWindowStaysUsableOverAModalDialogAndClosesWithEscape) {
  App();
  QTemporaryDir dir;
  {
    QFile file(QDir(dir.path()).filePath("morvit.chm"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "<html><body><a name=\"topic10\"></a>Main<a name=\"topic20\"></a>Diagrams</body></html>");
  }
  THelpViewer viewer(dir.path(), {});
  viewer.ShowTopic(10);
  QPointer<QWidget> help = HelpWindow();
  ASSERT_FALSE(help.isNull());
  TBlockedState state;
  help->installEventFilter(&state);
  {
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(state.Blocked);  // what a modal dialog does to other windows
    viewer.ShowTopic(20);
    ASSERT_EQ(HelpWindow(), help.data());
    EXPECT_FALSE(state.Blocked);
  }

  help->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(help));
  // Sent as the window system sends it, through the shortcuts.
  QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([&] { return help.isNull() || !help->isVisible(); }));
}

// The command line opens a document as "Open document..." does: its first
// display is shown, whatever was selected before, also after an empty one.
TEST(MainFormStartup, CommandLineDocumentShowsItsFirstDisplay) {
  App();
  const QString several = QString(MORVIT_SOURCE_DIR) + "/examples/several-displays.mvf";
  const std::vector<QStringList> commandLines = {
      {several}, {"-debug", several}, {several, "/DEBUG"}};
  for (const QStringList& arguments : commandLines) {
    ScriptedPrompts prompts;
    TRecordingHelp help;
    NoEventPump pump;
    TMainForm form(prompts, help, pump, arguments);
    form.resize(400, 300);
    form.Refresh();
    EXPECT_TRUE(prompts.MessageTexts().empty()) << arguments.join(" ").toStdString();
    EXPECT_GT(form.TabControl()->count(), 1);
    EXPECT_EQ(form.CurrentDisplay(), 0) << arguments.join(" ").toStdString();
    EXPECT_EQ(form.FilePath(), several);
  }
}

TEST_F(MainFormTest, ADocumentReadAfterAnEmptyOneShowsItsFirstDisplay) {
  form->Doc().Displays.clear();
  form->Refresh();
  ASSERT_EQ(form->CurrentDisplay(), -1);
  form->OpenFile(QString(MORVIT_SOURCE_DIR) + "/examples/several-displays.mvf");
  EXPECT_GT(form->TabControl()->count(), 1);
  EXPECT_EQ(form->CurrentDisplay(), 0);
}

// The help's debug switch alone is no document: no "Invalid file.", and the
// program starts with its default display.
TEST(MainFormStartup, DebugSwitchIsNoDocument) {
  App();
  for (const char* debugSwitch : {"-debug", "/debug", "-DeBuG"}) {
    ScriptedPrompts prompts;
    TRecordingHelp help;
    NoEventPump pump;
    TMainForm form(prompts, help, pump, {QString::fromLatin1(debugSwitch)});
    form.resize(400, 300);
    form.Refresh();
    EXPECT_TRUE(prompts.MessageTexts().empty()) << debugSwitch;
    EXPECT_EQ(form.TabControl()->count(), 1) << debugSwitch;
    EXPECT_EQ(form.CurrentDisplay(), 0) << debugSwitch;
  }
}

// A document whose one graph has three free variables: every drawing of it
// shows the error box once.
QString ThreeFreeVariablesDocument(const QTemporaryDir& dir) {
  TDocument document;
  CreateDocument(document);
  document.Graphs.push_back({"a+b+c", "", "", 0xFF0000, 0xFF0000});
  document.Displays[0].GraphIndices = {0};
  for (const char* name : {"a", "b", "c"})
    SetVariable(document.VarTable, name, {0, 0}, {1, 0}, {0, 0});
  const QString path = QDir(dir.path()).filePath("three-free.mvf");
  std::string error;
  EXPECT_TRUE(SaveDocument(QFile::encodeName(path).toStdString(), document, error)) << error;
  return path;
}

// The prompts of a user who resizes the window while a box is open.
class ResizingPrompts final : public ScriptedPrompts {
 public:
  std::function<void()> WhileABoxIsOpen;
  TMessageButton Message(TMessageKind kind, const std::string& text, uint8_t buttons,
                         int helpContext) override {
    const TMessageButton answer = ScriptedPrompts::Message(kind, text, buttons, helpContext);
    if (WhileABoxIsOpen && !resizing_) {
      resizing_ = true;
      WhileABoxIsOpen();
      resizing_ = false;
    }
    return answer;
  }

 private:
  bool resizing_ = false;
};

size_t TooManyVariablesBoxes(const ScriptedPrompts& prompts) {
  const auto texts = prompts.MessageTexts();
  return static_cast<size_t>(
      std::count(texts.begin(), texts.end(), std::string(TooManyFreeVariablesMessage)));
}

// Start-up draws once: the tab strip's first tab must not resize the drawing
// area into a second drawing, and a resize while the box is open must not
// stack a second box.
TEST(MainFormStartup, StartUpDrawsOnceAndAResizeNeverStacksABox) {
  App();
  QTemporaryDir dir;
  const QString document = ThreeFreeVariablesDocument(dir);
  for (const bool resizeWhileOpen : {false, true}) {
    ResizingPrompts prompts;
    TRecordingHelp help;
    NoEventPump pump;
    TMainForm form(prompts, help, pump, {document});
    if (resizeWhileOpen)
      prompts.WhileABoxIsOpen = [&form] {
        form.resize(form.width() + 40, form.height() + 30);
        QCoreApplication::processEvents();
      };
    form.resize(640, 480);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(20);
    EXPECT_EQ(TooManyVariablesBoxes(prompts), 1u) << resizeWhileOpen;
    prompts.WhileABoxIsOpen = nullptr;
    // Once the box is closed, a resize draws again, and asks again.
    form.resize(form.width() + 40, form.height());
    EXPECT_TRUE(QTest::qWaitFor([&] { return TooManyVariablesBoxes(prompts) == 2; }));
    form.hide();
  }
}

// The status line keeps Alpha, Beta and Zoom while a menu shows its entries,
// and the tool bar offers no popup that would hide it.
TEST_F(MainFormTest, StatusLineAndToolBarStayAsTheyAre) {
  QAction* newDocument = nullptr;
  for (QAction* action : form->findChildren<QAction*>())
    if (action->text() == "New document" && action->parent() != form.get()) newDocument = action;
  ASSERT_NE(newDocument, nullptr);
  newDocument->showStatusText(form.get());
  for (const char* name : {"lAlpha", "lBeta", "lZoom"})
    EXPECT_TRUE(form->findChild<QLabel*>(name)->isVisibleTo(form.get())) << name;
  EXPECT_EQ(form->StatusText(), QString::fromUtf8("Alpha=0\u00B0 Beta=0\u00B0 Zoom=100%"));

  std::unique_ptr<QMenu> popup(form->createPopupMenu());
  EXPECT_TRUE(popup == nullptr || popup->isEmpty());
}

class RecordingDialogs final : public TDialogSet {
 public:
  int Replaced = 0;
  int VariableTables = 0;
  void EditGraphs() override {}
  void EditDiagrams() override {}
  void VariableTable() override { ++VariableTables; }
  void Calculator() override {}
  void AxisSettings() override {}
  void DocumentReplaced() override { ++Replaced; }
};

TEST_F(MainFormTest, OpenDialogsLearnThatTheDocumentWasReplaced) {
  RecordingDialogs dialogs;
  form->SetDialogs(&dialogs);
  prompts.MessageAnswers = {mbYes};
  form->NewDocumentClick();
  EXPECT_EQ(dialogs.Replaced, 1);
  form->OpenFile(QString(MORVIT_SOURCE_DIR) + "/examples/several-displays.mvf");
  EXPECT_EQ(dialogs.Replaced, 2);
  EXPECT_GT(form->TabControl()->count(), 1);
  EXPECT_EQ(form->CurrentDisplay(), 0);  // opening selects the first tab
  form->OpenVariableTable();
  EXPECT_EQ(dialogs.VariableTables, 1);
  form->SetDialogs(nullptr);
}

const std::string SaveQuestion = "The document has changed. Do you want to save the changes?";

std::string FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

TEST_F(MainFormTest, SaveAsThenSaveKeepsTheWork) {
  QTemporaryDir dir;
  EXPECT_FALSE(form->IsModified());
  form->Doc().Graphs.push_back({"sin(x)", "", "", 255, 255});
  form->Doc().Displays[0].GraphIndices = {0};
  EXPECT_TRUE(form->IsModified());

  // A name without extension gets ".mvf".
  prompts.SaveFileAnswers = {dir.filePath("work").toStdString()};
  ASSERT_TRUE(form->SaveDocumentAsClick());
  const QString path = dir.filePath("work.mvf");
  EXPECT_EQ(form->FilePath(), path);
  EXPECT_EQ(form->windowTitle(), "work.mvf - Morvit");
  EXPECT_FALSE(form->IsModified());

  TDocument back;
  TStringGrid table;
  ASSERT_TRUE(OpenDocument(QFile::encodeName(path).toStdString(), back, table));
  EXPECT_TRUE(SameWork(back, form->Doc()));

  // Save writes to the same file without asking.
  form->Doc().Graphs[0].Term2 = "cos(x)";
  prompts.Records.clear();
  ASSERT_TRUE(form->SaveDocumentClick());
  EXPECT_TRUE(prompts.Records.empty());
  ASSERT_TRUE(OpenDocument(QFile::encodeName(path).toStdString(), back, table));
  EXPECT_EQ(back.Graphs[0].Term2, "cos(x)");

  // Reopened, the work is there and counts as unchanged.
  form->OpenFile(path);
  EXPECT_FALSE(form->IsModified());
  EXPECT_EQ(form->Doc().Graphs.size(), 1u);
}

TEST_F(MainFormTest, DrawingAloneChangesNothing) {
  form->OpenFile(QString(MORVIT_SOURCE_DIR) + "/examples/several-displays.mvf");
  for (int k = 0; k < form->TabControl()->count(); ++k) form->TabControl()->setCurrentIndex(k);
  form->resize(500, 300);
  EXPECT_FALSE(form->IsModified());
  SetVariable(form->Doc().VarTable, "a", {1, 0}, {2, 0}, {1.5, 0});
  EXPECT_TRUE(form->IsModified());
}

TEST_F(MainFormTest, UnsavedWorkIsOfferedForSavingFirst) {
  QTemporaryDir dir;
  const struct {
    const char* What;
    std::vector<TMessageButton> Answers;
    std::vector<std::optional<std::string>> SaveAnswers;
    bool Closed;
    size_t Questions;  // message boxes shown
    bool Saved;
  } cases[] = {
      {"cancel keeps the window", {mbCancel}, {}, false, 1, false},
      {"no goes on to the confirmation", {mbNo, mbNo}, {}, false, 2, false},
      {"yes, but the chooser is cancelled", {mbYes}, {std::nullopt}, false, 1, false},
      {"yes, saved, then closed",
       {mbYes, mbYes, mbOk},
       {dir.filePath("a.mvf").toStdString()},
       true,
       3,
       true},
  };
  for (const auto& c : cases) {
    SetUp();
    form->Doc().Displays[0].Label1 = "time";
    prompts.MessageAnswers = {c.Answers.begin(), c.Answers.end()};
    prompts.SaveFileAnswers = {c.SaveAnswers.begin(), c.SaveAnswers.end()};
    EXPECT_EQ(form->close(), c.Closed) << c.What;
    const auto texts = prompts.MessageTexts();
    ASSERT_EQ(texts.size(), c.Questions) << c.What;
    EXPECT_EQ(texts[0], SaveQuestion) << c.What;
    if (c.Questions > 1) {
      EXPECT_EQ(texts[1], "Do you really want to close the program?") << c.What;
    }
    EXPECT_EQ(FileBytes(dir.filePath("a.mvf")).find("time") != std::string::npos, c.Saved)
        << c.What;
    EXPECT_EQ(prompts.Unanswered, 0) << c.What;
  }
}

TEST_F(MainFormTest, OpenOffersSavingAndCancelKeepsTheDocument) {
  form->Doc().Graphs.resize(2);
  prompts.MessageAnswers = {mbCancel};
  form->OpenDocumentClick();
  EXPECT_EQ(form->Doc().Graphs.size(), 2u);
  ASSERT_EQ(prompts.Records.size(), 1u);  // no file chooser after Cancel
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{SaveQuestion});
}

TEST_F(MainFormTest, ARefusedSaveSaysWhyAndKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("doc.mvf");
  prompts.SaveFileAnswers = {path.toStdString()};
  ASSERT_TRUE(form->SaveDocumentAsClick());
  const std::string before = FileBytes(path);
  form->Doc().Displays[0].Label2 = "two\nlines";
  prompts.MessageAnswers = {mbOk};
  EXPECT_FALSE(form->SaveDocumentClick());
  ASSERT_EQ(prompts.MessageTexts().size(), 1u);
  EXPECT_NE(prompts.MessageTexts()[0].find("line break"), std::string::npos);
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_TRUE(form->IsModified());
}

TEST_F(MainFormTest, AFileReadInPartIsNotOverwrittenUnasked) {
  QTemporaryDir dir;
  const QString path = dir.filePath("broken.mvf");
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Morvit V1\r\n\r\n\r\n0\r\n1,5\r\n");
  }
  prompts.MessageAnswers = {mbOk};
  form->OpenFile(path);
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"Invalid file."});
  EXPECT_TRUE(form->FilePath().isEmpty());
  EXPECT_EQ(form->windowTitle(), "Morvit");
  prompts.Records.clear();
  EXPECT_FALSE(form->SaveDocumentClick());  // asks for a name; cancelled
  ASSERT_EQ(prompts.Records.size(), 1u);
  EXPECT_EQ(prompts.Records[0].Type, TPromptRecord::TType::ChooseSaveFile);
  EXPECT_EQ(FileBytes(path), "Morvit V1\r\n\r\n\r\n0\r\n1,5\r\n");
}

TEST_F(MainFormTest, ExportPictureAsksForFileAndSize) {
  QTemporaryDir dir;
  form->OpenFile(QString(MORVIT_SOURCE_DIR) + "/examples/surface-solid.mvf");
  prompts.Records.clear();
  // A name without extension becomes a PNG; the preset size is the area's,
  // a malformed size is asked again.
  prompts.SaveFileAnswers = {dir.filePath("pic").toStdString()};
  prompts.TextAnswers = {std::string("12 by 9"), std::string("120x90")};
  prompts.MessageAnswers = {mbOk};
  form->ExportPictureClick();
  QImage picture(dir.filePath("pic.png"));
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(120, 90));
  ASSERT_GE(prompts.Records.size(), 2u);
  EXPECT_EQ(prompts.Records[0].Type, TPromptRecord::TType::ChooseSaveFile);
  EXPECT_NE(prompts.Records[0].Text.find("*.svg"), std::string::npos);
  EXPECT_EQ(prompts.Records[0].Caption, MORVIT_SOURCE_DIR "/examples/surface-solid.png");
  EXPECT_EQ(prompts.MessageTexts().size(), 1u);  // the malformed size
  EXPECT_EQ(prompts.Unanswered, 0);

  // An unknown extension is refused before any size is asked.
  prompts.Records.clear();
  prompts.SaveFileAnswers = {dir.filePath("pic.bmp").toStdString()};
  prompts.MessageAnswers = {mbOk};
  form->ExportPictureClick();
  EXPECT_FALSE(QFile::exists(dir.filePath("pic.bmp")));
  EXPECT_EQ(prompts.Records.size(), 2u);  // the chooser and the error
  // Exporting changes nothing in the document.
  EXPECT_FALSE(form->IsModified());
}

TEST(RecentDocuments, NewestFirstWithoutRepeatsAtMostEight) {
  const QString a = QDir::root().filePath("d/a.mvf"), b = QDir::root().filePath("d/b.mvf");
  const struct {
    const char* What;
    QStringList Before;
    QString Added;
    QStringList After;
  } rows[] = {
      {"first", {}, a, {a}},
      {"newest in front", {a}, b, {b, a}},
      {"a repeat moves up", {b, a}, a, {a, b}},
      {"the same file by another spelling", {b, a}, QDir::root().filePath("d/x/../a.mvf"), {a, b}},
  };
  for (const auto& row : rows)
    EXPECT_EQ(WithRecentDocument(row.Before, row.Added), row.After) << row.What;
  QStringList many;
  for (int k = 0; k < 12; ++k)
    many = WithRecentDocument(many, QDir::root().filePath(QString("f%1.mvf").arg(k)));
  ASSERT_EQ(many.size(), MaxRecentDocuments);
  EXPECT_EQ(many.front(), QDir::root().filePath("f11.mvf"));
  EXPECT_EQ(many.back(), QDir::root().filePath("f4.mvf"));
}

TEST_F(MainFormTest, OpenedAndSavedDocumentsBecomeRecent) {
  QTemporaryDir dir;
  const QString example = QString(MORVIT_SOURCE_DIR) + "/examples/log-axes.mvf";
  form->OpenFile(example);
  form->OpenFile(QDir::temp().filePath("no-such-morvit-file.mvf"));  // fails: not listed
  prompts.SaveFileAnswers = {dir.filePath("saved.mvf").toStdString()};
  ASSERT_TRUE(form->SaveDocumentAsClick());
  EXPECT_EQ(form->RecentDocuments(),
            (QStringList{dir.filePath("saved.mvf"), QDir::cleanPath(example)}));

  // A hostile settings file: too many entries and non-texts.
  {
    QSettings stored(settings.filePath("settings.ini"), QSettings::IniFormat);
    QVariantList list;
    for (int k = 0; k < 20; ++k) list << QString("/f%1.mvf").arg(k);
    list << QVariant(QVariantMap{{"x", 1}});
    stored.setValue("RecentDocuments", list);
  }
  EXPECT_EQ(form->RecentDocuments().size(), MaxRecentDocuments);
}

TEST_F(MainFormTest, DroppingADocumentOpensItAfterTheSaveQuestion) {
  const QString example = QString(MORVIT_SOURCE_DIR) + "/examples/several-displays.mvf";
  const struct {
    const char* What;
    QList<QUrl> Urls;
    bool Accepted;
  } rows[] = {
      {"a document", {QUrl::fromLocalFile(example)}, true},
      {"another file",
       {QUrl::fromLocalFile(QString(MORVIT_SOURCE_DIR) + "/examples/README.md")},
       false},
      {"two documents", {QUrl::fromLocalFile(example), QUrl::fromLocalFile(example)}, false},
      {"a remote document", {QUrl("https://example.org/a.mvf")}, false},
  };
  for (const auto& row : rows) {
    QMimeData data;
    data.setUrls(row.Urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &enter);
    EXPECT_EQ(enter.isAccepted(), row.Accepted) << row.What;
  }
  form->Doc().Graphs.resize(1);  // unsaved work
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(example)});
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  prompts.MessageAnswers = {mbNo};
  QApplication::sendEvent(form.get(), &drop);
  QApplication::processEvents();
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{SaveQuestion});
  EXPECT_GT(form->TabControl()->count(), 1);
  EXPECT_EQ(form->FilePath(), example);
}

TEST(MainFormStartup, UnreadableCommandLineDocumentIsReportedOnce) {
  App();
  ScriptedPrompts prompts;
  TRecordingHelp help;
  NoEventPump pump;
  TMainForm form(prompts, help, pump, {QDir::temp().filePath("missing-morvit-document.mvf")});
  form.resize(400, 300);
  form.Refresh();
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"Invalid file."});
  EXPECT_TRUE(form.Doc().Displays.empty());
  EXPECT_EQ(form.TabControl()->count(), 0);
  EXPECT_FALSE(form.TabControl()->isVisibleTo(&form));
  EXPECT_FALSE(form.IsFirstShow());
  form.Refresh();  // the command-line document belongs to the first show only
  EXPECT_EQ(prompts.MessageTexts().size(), 1u);
}

TEST(MainFormStartup, MissingHelpFileIsReported) {
  App();
  QTemporaryDir dir;
  ScriptedPrompts prompts;
  THelpViewer viewer(dir.path(), {"-DEBUG"});
  NoEventPump pump;
  TMainForm form(prompts, viewer, pump, {});
  ASSERT_EQ(prompts.MessageTexts().size(), 1u);
  EXPECT_EQ(prompts.MessageTexts()[0],
            "Help file not found \n" + QDir(dir.path()).filePath("morvit.chm").toStdString());
  // The debug switch logs help calls beside the program.
  viewer.ShowTopic(70);
  QFile log(QDir(dir.path()).filePath("HHDebug.txt"));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  EXPECT_TRUE(log.readAll().contains("ShowTopic(70)"));
}

}  // namespace
