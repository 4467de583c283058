// SPDX-License-Identifier: GPL-3.0-or-later
// The view as the mouse, the wheel, the keys and the live picture move it, at
// every screen scale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "main/draw_area.h"
#include "main/main_form.h"
#include "ports/canvas.h"
#include "ports/event_pump.h"
#include "support/application.h"
#include "support/recording_help.h"
#include "support/scripted_prompts.h"

namespace {

// A main window with its own settings file, drawing as on a screen of scale.
struct TForm {
  QTemporaryDir Settings;
  ScriptedPrompts Prompts;
  TRecordingHelp HelpFile;
  NoEventPump Pump;
  std::unique_ptr<TMainForm> Form;

  explicit TForm(double scale = 1, const QString& settingsFile = QString()) {
    EnsureApplication<QApplication>();
    Form = std::make_unique<TMainForm>(Prompts, HelpFile, Pump, QStringList());
    Form->SetSettingsFile(settingsFile.isEmpty() ? Settings.filePath("settings.ini")
                                                 : settingsFile);
    Form->resize(640, 480);
    Form->DrawArea()->resize(600, 400);
    Form->DrawArea()->SetScaleOverride(scale);
    // A hidden widget gets its resize event only when shown.
    QResizeEvent resized(QSize(600, 400), QSize(100, 30));
    QApplication::sendEvent(Form->DrawArea(), &resized);
    Form->Refresh();
  }
  TCoordinateSystem& Display() {
    return Form->Doc().Displays[static_cast<size_t>(Form->CurrentDisplay())];
  }
  QImage Picture() const { return Form->DrawArea()->Image()->copy(); }
  void Open(const char* example) {
    Form->OpenFile(QString(MORVIT_SOURCE_DIR) + "/examples/" + example);
  }
};

struct TView {
  int Alpha, Beta;
  double Zoom1, Zoom2, Shift1, Shift2;
  bool operator==(const TView&) const = default;
};

TView ViewOf(const TCoordinateSystem& d) {
  return {d.Alpha, d.Beta, d.Zoom1, d.Zoom2, d.Shift1, d.Shift2};
}

// The distinct colours of a picture: a drag preview has the white ground,
// the grey box and the axis colour; a solid surface has many.
int Colours(const QImage& image) {
  QSet<QRgb> seen;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2) seen.insert(image.pixel(x, y));
  return static_cast<int>(seen.size());
}

TEST(ViewInput, TheSameDragsGiveTheSameViewAtEveryScale) {
  std::vector<TView> views;
  for (const double scale : {1.0, 1.5, 2.0}) {
    TForm f(scale);
    ASSERT_DOUBLE_EQ(f.Form->DrawingScale(), scale);
    f.Display().ThreeAxes = true;
    f.Form->MouseDown(Qt::LeftButton, 100, 100);
    f.Form->MouseMove(130, 140);
    f.Form->MouseUp();
    f.Form->MouseDown(Qt::RightButton, 100, 100);
    f.Form->MouseMove(100, 80);
    f.Form->MouseUp();
    f.Form->MouseDown(Qt::MiddleButton, 0, 0);
    f.Form->MouseMove(10, -5);
    f.Form->MouseUp();
    f.Form->WheelEvent(-120, 0);
    views.push_back(ViewOf(f.Display()));
    // The drawing image has the screen's pixels, the status line the view.
    const QImage image = f.Picture();
    const QWidget* area = f.Form->DrawArea();
    EXPECT_EQ(image.size(),
              QSize(DeviceSide(area->width(), scale), DeviceSide(area->height(), scale)))
        << scale;
    EXPECT_EQ(f.Form->StatusText(), QString::fromUtf8("Alpha=40\u00B0 Beta=30\u00B0 Zoom=100%"));
  }
  EXPECT_EQ(views[1], views[0]);
  EXPECT_EQ(views[2], views[0]);
}

TEST(ViewInput, ThePictureSitsAlikeAtEveryScale) {
  // The middle of the non-white part of the picture, in logical pixels.
  auto centre = [](double scale) {
    TForm f(scale);
    f.Open("surface-solid.mvf");
    const QImage image = f.Picture();
    double sx = 0, sy = 0, n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
          sx += x;
          sy += y;
          ++n;
        }
    return std::pair{sx / n / scale, sy / n / scale};
  };
  const auto [x1, y1] = centre(1);
  for (const double scale : {1.5, 2.0}) {
    const auto [x, y] = centre(scale);
    EXPECT_NEAR(x, x1, 3) << scale;
    EXPECT_NEAR(y, y1, 3) << scale;
  }
}

TEST(ViewInput, ShiftLeftDragPansLikeAMiddleDrag) {
  for (const bool threeAxes : {false, true}) {
    TForm middle, shifted;
    middle.Display().ThreeAxes = shifted.Display().ThreeAxes = threeAxes;
    middle.Form->MouseDown(Qt::MiddleButton, 50, 50);
    middle.Form->MouseMove(70, 35);
    middle.Form->MouseUp();
    shifted.Form->MouseDown(Qt::LeftButton, 50, 50, Qt::ShiftModifier);
    shifted.Form->MouseMove(70, 35);
    shifted.Form->MouseUp();
    EXPECT_EQ(ViewOf(shifted.Display()), ViewOf(middle.Display())) << threeAxes;
    EXPECT_NE(shifted.Display().Shift1, 0) << threeAxes;
    EXPECT_EQ(shifted.Display().Alpha, 0) << "a shifted drag does not turn";
  }
}

TEST(ViewInput, WheelStepsAddUpToNotches) {
  TForm f;
  for (int k = 0; k < 8; ++k) f.Form->WheelEvent(15, 0);
  EXPECT_DOUBLE_EQ(f.Display().Zoom1, 2) << "eight events of 15 are one notch";
  f.Form->WheelEvent(240, 0);
  EXPECT_DOUBLE_EQ(f.Display().Zoom1, 8) << "one event of 240 is two notches, x4";
  f.Form->WheelEvent(-120, 0);
  EXPECT_DOUBLE_EQ(f.Display().Zoom1, 4);
  // A real wheel event reaches the same code.
  QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(f.Form->DrawArea(), &event);
  EXPECT_DOUBLE_EQ(f.Display().Zoom1, 8);
}

TEST(ViewInput, KeysReachTheView) {
  TForm f;
  f.Display().ThreeAxes = true;
  QTest::keyClick(f.Form->DrawArea(), Qt::Key_Down);
  EXPECT_EQ(f.Display().Alpha, 5);
  QTest::keyClick(f.Form->DrawArea(), Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_DOUBLE_EQ(f.Display().Shift1, -2);
  QTest::keyClick(f.Form->DrawArea(), Qt::Key_Plus);
  EXPECT_DOUBLE_EQ(f.Display().Zoom1, 2);
  QTest::keyClick(f.Form->DrawArea(), Qt::Key_Home);
  EXPECT_EQ(ViewOf(f.Display()), (TView{0, 0, 1, 1, 0, 0}));
  EXPECT_FALSE(f.Form->ViewKey(Qt::Key_A, Qt::NoModifier));
}

TEST(ViewInput, ViewOptionsAreRememberedAndOffByDefault) {
  QTemporaryDir dir;
  const QString file = dir.filePath("view.ini");
  {
    TForm f(1, file);
    EXPECT_FALSE(f.Form->SmoothLines());
    EXPECT_FALSE(f.Form->LiveRotation());
    f.Form->SetSmoothLines(true);
    f.Form->SetLiveRotation(true);
  }
  TForm again(1, file);
  EXPECT_TRUE(again.Form->SmoothLines());
  EXPECT_TRUE(again.Form->LiveRotation());
  auto* action = again.Form->findChild<QAction*>("SmoothLines");
  ASSERT_NE(action, nullptr);
  EXPECT_TRUE(action->isChecked());
  EXPECT_EQ(action->text(), "Smooth lines");
  action->trigger();
  EXPECT_FALSE(again.Form->SmoothLines());
  EXPECT_EQ(again.Form->findChild<QAction*>("LiveRotation")->text(),
            "Turn the whole picture while dragging");
}

TEST(ViewInput, LiveRotationDrawsFullFramesAndFallsBackWhenSlow) {
  TForm f;
  f.Open("surface-solid.mvf");
  ASSERT_TRUE(f.Display().ThreeAxes);
  const int full = Colours(f.Picture());
  ASSERT_GT(full, 20);

  // Off (the default): the box is drawn while dragging.
  f.Form->MouseDown(Qt::LeftButton, 100, 100);
  f.Form->MouseMove(110, 100);
  EXPECT_LE(Colours(f.Picture()), 4);
  EXPECT_EQ(f.Form->LiveFramesDrawn(), 0);
  f.Form->MouseUp();
  EXPECT_GT(Colours(f.Picture()), 20);

  // On: each frame is the whole turned picture, at most one per refresh.
  f.Form->SetLiveRotation(true);
  f.Form->SetLiveFrameBudget(1e9);
  f.Form->MouseDown(Qt::LeftButton, 100, 100);
  f.Form->MouseMove(110, 100);
  EXPECT_EQ(f.Form->LiveFramesDrawn(), 1);
  EXPECT_GT(Colours(f.Picture()), 20);
  EXPECT_EQ(f.Display().Beta, 20);
  f.Form->MouseMove(120, 100);  // within the same refresh: drawn a moment later
  QTest::qWait(60);
  EXPECT_EQ(f.Form->LiveFramesDrawn(), 2);
  EXPECT_GT(Colours(f.Picture()), 20);
  f.Form->MouseUp();

  // Zoom drags turn live too.
  f.Form->MouseDown(Qt::RightButton, 100, 100);
  f.Form->MouseMove(100, 90);
  EXPECT_EQ(f.Form->LiveFramesDrawn(), 1);
  f.Form->MouseUp();

  // A canvas slower than the budget: after its first frame the rest of the
  // drag shows the box.
  f.Form->SetLiveFrameBudget(0);
  f.Form->MouseDown(Qt::LeftButton, 100, 100);
  f.Form->MouseMove(105, 100);
  EXPECT_EQ(f.Form->LiveFramesDrawn(), 1);
  QTest::qWait(30);
  f.Form->MouseMove(115, 100);
  EXPECT_LE(Colours(f.Picture()), 4);
  QTest::qWait(30);
  f.Form->MouseMove(125, 100);
  EXPECT_EQ(f.Form->LiveFramesDrawn(), 1);
  EXPECT_LE(Colours(f.Picture()), 4);
  // The release draws the whole picture as always.
  f.Form->MouseUp();
  EXPECT_GT(Colours(f.Picture()), 20);
}

TEST(ViewInput, ExportPictureOffersAScaleForPixelPictures) {
  QTemporaryDir dir;
  TForm f(2);
  f.Prompts.SaveFileAnswers = {dir.filePath("sharp.png").toStdString(),
                               dir.filePath("flat.svg").toStdString()};
  f.Prompts.TextAnswers = {std::string("100x50 @ 2"), std::string("100x50")};
  f.Form->ExportPictureClick();
  EXPECT_EQ(QImage(dir.filePath("sharp.png")).size(), QSize(200, 100));
  ASSERT_GE(f.Prompts.Records.size(), 2u);
  EXPECT_NE(f.Prompts.Records[1].Text.find("@"), std::string::npos);
  // A vector picture has no pixels to be finer in: the question has no scale.
  f.Prompts.Records.clear();
  f.Form->ExportPictureClick();
  EXPECT_TRUE(QFile::exists(dir.filePath("flat.svg")));
  ASSERT_GE(f.Prompts.Records.size(), 2u);
  EXPECT_EQ(f.Prompts.Records[1].Text.find("@"), std::string::npos);
  EXPECT_EQ(f.Prompts.Unanswered, 0);
}

}  // namespace
