// SPDX-License-Identifier: GPL-3.0-or-later
// The "Recent documents" list: the last documents opened or saved, newest
// first, kept in the user's settings between sessions.
#pragma once

#include <QString>
#include <QStringList>

inline constexpr int MaxRecentDocuments = 8;

// The list with path in front: an earlier entry for the same file (compared
// as absolute, cleaned paths) moves up rather than repeating, and the list
// keeps at most MaxRecentDocuments entries.
QStringList WithRecentDocument(const QStringList& recent, const QString& path);

// The list as stored under settingsFile (an INI file), or in the user's
// settings when settingsFile is empty. Entries that are not text are dropped
// and the list is cut to MaxRecentDocuments, whatever the file holds.
QStringList LoadRecentDocuments(const QString& settingsFile);
void StoreRecentDocuments(const QString& settingsFile, const QStringList& recent);
