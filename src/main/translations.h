// SPDX-License-Identifier: GPL-3.0-or-later
// The windows speak the user's language where Morvit has a translation
// (German today), and English otherwise. Only texts change: numbers keep the
// "." decimal point whatever the locale, since documents and terms need it.
#pragma once

#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

class QCoreApplication;

// Installs Morvit's translation for the first of the locale's user-interface
// languages that has one, together with Qt's own (the Yes and No of message
// boxes, the file chooser). Returns the installed translators, which must
// outlive every window; none for English or the C locale.
std::vector<std::unique_ptr<QTranslator>> InstallTranslations(QCoreApplication& application,
                                                              const QLocale& locale);
