// SPDX-License-Identifier: GPL-3.0-or-later
// The current picture copied to the clipboard and printed.
#include "main/picture_output.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include "main/draw_area.h"
#include "main/main_form.h"
#include "ports/event_pump.h"
#include "support/application.h"
#include "support/recording_help.h"
#include "support/scripted_prompts.h"

namespace {

class PictureOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication<QApplication>();
    form = std::make_unique<TMainForm>(prompts, help, pump, QStringList());
    form->resize(640, 480);
    form->DrawArea()->resize(600, 400);
    form->OpenFile(QString(MORVIT_SOURCE_DIR) + "/examples/surface-solid.mvf");
  }

  ScriptedPrompts prompts;
  TRecordingHelp help;
  NoEventPump pump;
  std::unique_ptr<TMainForm> form;
};

// The page content streams of a PDF, inflated.
QByteArray PdfContent(const QByteArray& pdf) {
  QByteArray content;
  for (qsizetype at = pdf.indexOf("stream"); at >= 0; at = pdf.indexOf("stream", at + 1)) {
    qsizetype start = at + 6;
    if (pdf.mid(at - 3, 3) == "end") continue;
    if (pdf.mid(start, 2) == "\r\n")
      start += 2;
    else if (pdf.mid(start, 1) == "\n")
      start += 1;
    const qsizetype end = pdf.indexOf("endstream", start);
    if (end < 0) break;
    QByteArray zlib(4, '\0');
    qToBigEndian<quint32>(1u << 24, zlib.data());  // qUncompress wants a size first
    zlib += pdf.mid(start, end - start);
    content += qUncompress(zlib);
  }
  return content;
}

}  // namespace

// Ctrl+C on the drawing area puts the picture on the clipboard: the window's
// picture itself, as many pixels as the drawing area has device pixels.
TEST_F(PictureOutputTest, CtrlCCopiesThePictureAtTheScreensResolution) {
  QGuiApplication::clipboard()->clear();
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  TDrawArea* area = form->DrawArea();
  area->setFocus();
  ASSERT_TRUE(area->hasFocus());
  QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);
  const QImage copied = QGuiApplication::clipboard()->image();
  const double ratio = area->devicePixelRatioF();
  // CTest runs this test once more on a screen scaled by 2.
  if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
    EXPECT_DOUBLE_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
  }
  ASSERT_FALSE(copied.isNull());
  EXPECT_EQ(copied.size(), (area->size() * ratio));
  if (ratio == 1.0) {
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              area->grab().toImage().convertToFormat(QImage::Format_RGB32));
  }

  auto* copy = form->findChild<QAction*>("CopyPicture");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->text(), "Copy picture");
  EXPECT_EQ(copy->shortcut(), QKeySequence("Ctrl+C"));
  EXPECT_TRUE(prompts.Records.empty());
}

// Printed to a PDF printer, the picture is vectors (paths, no image) on one
// page, as large as the printable area allows with its aspect kept.
TEST_F(PictureOutputTest, PrintsVectorsFittedToThePage) {
  QTemporaryDir dir;
  for (const bool landscape : {false, true}) {
    const QString path = dir.filePath(landscape ? "wide.pdf" : "tall.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    ASSERT_TRUE(form->PrintTo(printer));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "),
              1)
        << landscape;
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
    const QByteArray content = PdfContent(pdf);
    // Solid quads are filled paths: thousands of them, each closed with "h".
    EXPECT_GT(content.count(" l\n"), 1000) << landscape;
    EXPECT_GT(content.count("h\n"), 1000) << landscape;
  }
}

TEST_F(PictureOutputTest, AWidePictureIsOfferedInLandscape) {
  QPrinter printer;
  SuggestOrientation(printer, 600, 400);
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
  SuggestOrientation(printer, 400, 600);
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

TEST_F(PictureOutputTest, PrintAndPreviewAreInTheFileMenu) {
  auto* print = form->findChild<QAction*>("Print");
  auto* preview = form->findChild<QAction*>("PrintPreview");
  ASSERT_TRUE(print && preview);
  EXPECT_EQ(print->text(), "Print...");
  EXPECT_EQ(print->shortcut(), QKeySequence("Ctrl+P"));
  EXPECT_EQ(preview->text(), "Print preview...");
}

// The preview shows the one page that printing makes, drawn by the same call.
TEST_F(PictureOutputTest, PreviewShowsOnePage) {
  int pages = -1;
  QTimer::singleShot(0, [&] {
    auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(preview, nullptr);
    auto* widget = preview->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(widget, nullptr);
    widget->updatePreview();
    pages = widget->pageCount();
    preview->reject();
  });
  form->PrintPreviewClick();
  EXPECT_EQ(pages, 1);
}
