// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

std::vector<std::unique_ptr<QTranslator>> InstallTranslations(QCoreApplication& application,
                                                              const QLocale& locale) {
  std::vector<std::unique_ptr<QTranslator>> installed;
  auto morvit = std::make_unique<QTranslator>();
  // The compiled translations are built into the program as resources.
  if (!morvit->load(locale, QStringLiteral("morvit"), QStringLiteral("_"),
                    QStringLiteral(":/i18n")))
    return installed;
  application.installTranslator(morvit.get());
  installed.push_back(std::move(morvit));
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    application.installTranslator(qt.get());
    installed.push_back(std::move(qt));
  }
  return installed;
}
