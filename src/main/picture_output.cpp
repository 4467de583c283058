// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/picture_output.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>

#include "qt/picture_export.h"

bool CopyPictureToClipboard(const TCoordinateSystem* display, const TObject3D& scene,
                            std::int32_t width, std::int32_t height, double pixelRatio) {
  const QImage image = PictureImage(display, scene, width, height, pixelRatio);
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (image.isNull() || clipboard == nullptr) return false;
  clipboard->setImage(image);
  return true;
}

void SuggestOrientation(QPrinter& printer, std::int32_t width, std::int32_t height) {
  printer.setPageOrientation(width > height ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool PrintPicture(QPrinter& printer, const TCoordinateSystem* display, const TObject3D& scene,
                  std::int32_t width, std::int32_t height) {
  printer.setCreator("Morvit");
  return DrawPictureFitted(printer, display, scene, width, height);
}
