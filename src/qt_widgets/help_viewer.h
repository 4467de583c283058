// SPDX-License-Identifier: GPL-3.0-or-later
// Our help viewer: the help file "morvit.chm" beside the program holds one
// HTML page whose anchors "topicN" are the topics by context number; the help
// window shows them, with a search across the whole page. With the debug
// switch every help call is logged to "HHDebug.txt".
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

#include "ports/help.h"
#include "qt_widgets/help_window.h"

// "/debug" or "-debug" in any letter case on the command line switches the
// help log on; it is a switch, never the name of a document.
bool IsHelpDebugSwitch(const QString& argument);

class THelpViewer final : public Help {
 public:
  THelpViewer(const QString& programDir, const QStringList& arguments);
  ~THelpViewer() override;
  THelpViewer(const THelpViewer&) = delete;
  THelpViewer& operator=(const THelpViewer&) = delete;

  QString HelpFilePath() const;
  bool HelpFileExists() const;
  bool DebugLogging() const { return !logPath_.isEmpty(); }
  QString LogPath() const { return logPath_; }

  void ShowTopic(int context) override;
  // The open help window, or null.
  THelpWindow* Window() const { return window_; }
  void CloseAll() override;

 private:
  void Log(const QString& call);

  QString programDir_;
  QString logPath_;
  QPointer<THelpWindow> window_;
};
