// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "main/main_form.h"
#include "main/translations.h"
#include "main/window_set.h"
#include "qt_widgets/help_viewer.h"
#include "qt_widgets/qt_event_pump.h"
#include "qt_widgets/qt_prompts.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Morvit");
  const auto translators = InstallTranslations(application, QLocale::system());
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();

  // A build keeps the help file beside the program; an installed program
  // finds it among the shared data, as a desktop expects it.
  QString helpDir = QApplication::applicationDirPath();
  const QString installedHelp = QDir(helpDir).filePath("../share/morvit");
  if (!QFileInfo::exists(QDir(helpDir).filePath("morvit.chm")) &&
      QFileInfo::exists(QDir(installedHelp).filePath("morvit.chm")))
    helpDir = QDir::cleanPath(installedHelp);

  TQtPrompts prompts;
  THelpViewer help(helpDir, arguments);
  prompts.SetHelpHandler([&help](int context) { help.ShowTopic(context); });
  TQtEventPump pump;
  TWindowSet windows(prompts, help, pump, arguments);
  windows.MainForm().show();
  return QApplication::exec();
}
