#include "main/recent_documents.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>
#include <memory>

namespace {

constexpr const char* RecentKey = "RecentDocuments";

std::unique_ptr<QSettings> Settings(const QString& settingsFile) {
  if (settingsFile.isEmpty()) return std::make_unique<QSettings>("Morvit", "Morvit");
  return std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
}

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
  const QVariant stored = Settings(settingsFile)->value(RecentKey);
  QStringList recent;
  for (const QVariant& entry : stored.toList()) {
    if (recent.size() == MaxRecentDocuments) break;
    const QString path = entry.toString();
    if (!path.isEmpty() && !recent.contains(path)) recent << path;
  }
  return recent;
}

void StoreRecentDocuments(const QString& settingsFile, const QStringList& recent) {
  Settings(settingsFile)->setValue(RecentKey, recent);
}
