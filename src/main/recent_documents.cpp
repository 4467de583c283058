// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/recent_documents.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>
#include <memory>

#include "main/view_options.h"

namespace {

constexpr const char* RecentKey = "RecentDocuments";

QString Normal(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

}  // namespace

QStringList WithRecentDocument(const QStringList& recent, const QString& path) {
  const QString added = Normal(path);
  QStringList list{added};
  for (const QString& entry : recent) {
    if (list.size() == MaxRecentDocuments) break;
    if (Normal(entry) != added) list << entry;
  }
  return list;
}

QStringList LoadRecentDocuments(const QString& settingsFile) {
  const QVariant stored = OpenSettings(settingsFile)->value(RecentKey);
  QStringList recent;
  for (const QVariant& entry : stored.toList()) {
    if (recent.size() == MaxRecentDocuments) break;
    const QString path = entry.toString();
    if (!path.isEmpty() && !recent.contains(path)) recent << path;
  }
  return recent;
}

void StoreRecentDocuments(const QString& settingsFile, const QStringList& recent) {
  OpenSettings(settingsFile)->setValue(RecentKey, recent);
}
