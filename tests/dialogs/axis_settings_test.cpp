// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/axis_settings.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "dialogs/color_swatch.h"
#include "support/application.h"
#include "support/controls.h"
#include "support/recording_host.h"
#include "support/scripted_prompts.h"

TEST(AxisSettingsDialog, ControlsShowTheDisplayAndOkStoresAfterARefusal) {
  EnsureApplication<QApplication>();
  TDocument document;
  CreateDocument(document);
  document.Displays[0].Perspective = 300;
  document.Displays[0].AxisColor = 0x0000FF;
  ScriptedPrompts prompts;
  prompts.MessageAnswers = {mbOk};
  TRecordingHost host;
  TfAxisSettings dialog(document, prompts, host);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Coordinate system settings"));
  EXPECT_EQ(dialog.property("helpContext").toInt(), 50);
  auto* pages = Control<QTabWidget>(dialog, "PageControl");
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(pages->tabText(0), QStringLiteral("Axes"));
  EXPECT_EQ(pages->tabText(1), QStringLiteral("View"));

  auto* min1 = Control<QLineEdit>(dialog, "Min1");
  auto* max3 = Control<QLineEdit>(dialog, "Max3");
  auto* minor2 = Control<QLineEdit>(dialog, "eMinorInterval2");
  auto* log1 = Control<QRadioButton>(dialog, "rbAxis1Log");
  auto* lin1 = Control<QRadioButton>(dialog, "rbAxis1Lin");
  auto* markings3 = Control<QCheckBox>(dialog, "cbAxisLabel3");
  auto* label2 = Control<QLineEdit>(dialog, "eLabel2");
  auto* slider = Control<QSlider>(dialog, "tbPerspective");
  auto* raster = Control<QToolButton>(dialog, "bLongMarkings");
  auto* solid = Control<QToolButton>(dialog, "bSolid");
  auto* twoAxes = Control<QRadioButton>(dialog, "rbTwoAxes");
  auto* autoScale = Control<QRadioButton>(dialog, "rbAutoScale");
  auto* swatch = Control<TColorSwatch>(dialog, "pColor");
  auto* resolution = Control<QLineEdit>(dialog, "eResolution");
  auto* bOk = Control<QPushButton>(dialog, "bOk");
  ASSERT_TRUE(min1 && max3 && minor2 && log1 && lin1 && markings3 && label2 && slider && raster &&
              solid && twoAxes && autoScale && swatch && resolution && bOk);

  struct TSeen {
    QString Min1, Max3, Minor2, Label2, Resolution, Min1AfterLog;
    bool Lin1 = false, Markings3 = false, Raster = false, Solid = false, TwoAxes = false,
         AutoScale = false;
    int Slider = 0;
    int32_t Color = 0;
    bool OpenAfterRefusal = false;
  } seen;
  QTimer::singleShot(0, [&] {
    seen = {min1->text(),       max3->text(),           minor2->text(),
            label2->text(),     resolution->text(),     {},
            lin1->isChecked(),  markings3->isChecked(), raster->isChecked(),
            solid->isChecked(), twoAxes->isChecked(),   autoScale->isChecked(),
            slider->value(),    swatch->Color(),        false};
    log1->click();
    seen.Min1AfterLog = min1->text();
    resolution->setText(QStringLiteral("12.5"));
    bOk->click();
    seen.OpenAfterRefusal = dialog.isVisible();
    resolution->setText(QStringLiteral("5000"));
    slider->setValue(10);
    bOk->click();
  });
  EXPECT_EQ(dialog.Execute(), QDialog::Accepted);

  EXPECT_EQ(seen.Min1, QStringLiteral("-10"));
  EXPECT_EQ(seen.Max3, QStringLiteral("10"));
  EXPECT_EQ(seen.Minor2, QStringLiteral("2"));
  EXPECT_EQ(seen.Label2, QStringLiteral("y"));
  EXPECT_EQ(seen.Resolution, QStringLiteral("100"));
  EXPECT_TRUE(seen.Lin1 && seen.Markings3 && seen.Raster && seen.Solid && seen.TwoAxes &&
              seen.AutoScale);
  EXPECT_EQ(seen.Slider, 3);
  EXPECT_EQ(seen.Color, 0x0000FF);
  EXPECT_EQ(seen.Min1AfterLog, QStringLiteral("1E-10"));
  EXPECT_TRUE(seen.OpenAfterRefusal);
  EXPECT_EQ(prompts.MessageTexts(),
            std::vector<std::string>{"Invalid value entered in numerical input field."});

  const TCoordinateSystem& d = document.Displays[0];
  EXPECT_TRUE(d.Log1);
  EXPECT_EQ(d.Min1, -10);
  EXPECT_EQ(d.Max1, 1);
  EXPECT_EQ(d.Shift1, 4.5);
  EXPECT_EQ(d.Resolution, 2000);
  EXPECT_EQ(d.Perspective, -1);
  EXPECT_EQ(host.Redraws, 1);

  // Opening again shows values, not exponents; without a current display OK
  // only redraws.
  host.Current = -1;
  QTimer::singleShot(0, [&] {
    seen.Min1 = min1->text();
    seen.Slider = slider->value();
    resolution->setText(QStringLiteral("junk"));
    bOk->click();
  });
  EXPECT_EQ(dialog.Execute(), QDialog::Accepted);
  EXPECT_EQ(seen.Min1, QStringLiteral("1E-10"));  // kept from the last opening
  EXPECT_EQ(seen.Slider, 10);
  EXPECT_EQ(d.Resolution, 2000);
  EXPECT_EQ(host.Redraws, 2);
  EXPECT_EQ(prompts.Records.size(), 1u);
}
