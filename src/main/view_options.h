// SPDX-License-Identifier: GPL-3.0-or-later
// The view choices of the "&View" menu that outlive a session, kept in the
// same settings as the recent documents.
#pragma once

#include <QSettings>
#include <QString>
#include <memory>

// The user's settings, or the INI file settingsFile when it is not empty
// (tests keep theirs apart).
std::unique_ptr<QSettings> OpenSettings(const QString& settingsFile);

struct TViewOptions {
  bool SmoothLines = false;
  bool LiveRotation = false;  // the whole picture turns while dragging
};

TViewOptions LoadViewOptions(const QString& settingsFile);
void StoreViewOptions(const QString& settingsFile, const TViewOptions& options);
