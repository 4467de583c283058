// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/view_options.h"

namespace {

constexpr const char* SmoothLinesKey = "View/SmoothLines";
constexpr const char* LiveRotationKey = "View/LiveRotation";

}  // namespace

std::unique_ptr<QSettings> OpenSettings(const QString& settingsFile) {
  if (settingsFile.isEmpty()) return std::make_unique<QSettings>("Morvit", "Morvit");
  return std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
}

TViewOptions LoadViewOptions(const QString& settingsFile) {
  const auto settings = OpenSettings(settingsFile);
  TViewOptions options;
  options.SmoothLines = settings->value(SmoothLinesKey, false).toBool();
  options.LiveRotation = settings->value(LiveRotationKey, false).toBool();
  return options;
}

void StoreViewOptions(const QString& settingsFile, const TViewOptions& options) {
  const auto settings = OpenSettings(settingsFile);
  settings->setValue(SmoothLinesKey, options.SmoothLines);
  settings->setValue(LiveRotationKey, options.LiveRotation);
}
