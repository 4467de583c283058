#include <QApplication>
#include <QDir>

#include "dialogs/qt_prompts.h"
#include "main/main_form.h"
#include "main/help_viewer.h"
#include "main/qt_event_pump.h"
#include "main/window_set.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Morvit");
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();

  TQtPrompts prompts;
  THelpViewer help(QApplication::applicationDirPath(), arguments);
  prompts.SetHelpHandler([&help](int context) { help.ShowTopic(context); });
  TQtEventPump pump;
  TWindowSet windows(prompts, help, pump, arguments);
  windows.MainForm().show();
  return QApplication::exec();
}
