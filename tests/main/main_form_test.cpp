#include "main/main_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTabBar>
#include <QTemporaryDir>

#include "main/draw_area.h"
#include "main/help_viewer.h"
#include "ports/event_pump.h"
#include "support/scripted_prompts.h"

namespace {

class RecordingHelp final : public Help {
 public:
  std::vector<int> Topics;
  int Closed = 0;
  void ShowTopic(int context) override { Topics.push_back(context); }
  void CloseAll() override { ++Closed; }
};

QApplication& App() {
  static int argc = 1;
  static char name[] = "morvit_main_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    form = std::make_unique<TMainForm>(prompts, help, pump, QStringList());
    form->resize(640, 480);
    form->DrawArea()->resize(600, 400);
    form->Refresh();
    prompts.Records.clear();
  }
  TCoordinateSystem& Display() { return form->Doc().Displays[static_cast<size_t>(form->CurrentDisplay())]; }

  ScriptedPrompts prompts;
  RecordingHelp help;
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

  prompts.MessageAnswers = {mbNo};
  form->NewDocumentClick();
  EXPECT_EQ(form->TabControl()->count(), 3);
  ASSERT_EQ(prompts.MessageTexts().size(), 1u);
  EXPECT_EQ(prompts.MessageTexts()[0], "Do you really want to close the current document?");

  prompts.MessageAnswers = {mbYes};
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
