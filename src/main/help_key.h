// SPDX-License-Identifier: GPL-3.0-or-later
// F1 in any window of the program opens the help topic of that window. Qt
// refuses the main window's shortcuts while a modal dialog waits, so the key
// is taken for the whole application before any widget sees it.
#pragma once

#include <QObject>

class Help;
class QWidget;

class THelpKey final : public QObject {
 public:
  // fallbackContext is the topic of a window that names none of its own.
  THelpKey(Help& help, int fallbackContext, QObject* parent = nullptr);

  // The topic of the window that holds widget: its "helpContext", or that of
  // the window it was opened from (a message box asks for its dialog's).
  static int ContextOf(const QWidget* widget, int fallbackContext);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Help& help_;
  int fallbackContext_;
};
