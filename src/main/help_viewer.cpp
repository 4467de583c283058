#include "main/help_viewer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QTextStream>
#include <QUrl>

namespace {

bool DebugSwitchGiven(const QString& programDir, const QStringList& arguments) {
  for (const QString& argument : arguments)
    if (argument.compare("/debug", Qt::CaseInsensitive) == 0 ||
        argument.compare("-debug", Qt::CaseInsensitive) == 0)
      return true;
  return QFileInfo::exists(QDir(programDir).filePath("debug.debug"));
}

// The log is kept beside the program, or in the temporary directory when the
// program's directory is not writable (an installed program usually is not).
QString LogFilePath(const QString& programDir) {
  const QString besideProgram = QDir(programDir).filePath("HHDebug.txt");
  QFile probe(besideProgram);
  if (probe.open(QIODevice::Append | QIODevice::Text)) return besideProgram;
  return QDir(QDir::tempPath()).filePath("HHDebug.txt");
}

}  // namespace

THelpViewer::THelpViewer(const QString& programDir, const QStringList& arguments)
    : programDir_(programDir) {
  if (DebugSwitchGiven(programDir, arguments)) {
    logPath_ = LogFilePath(programDir);
    Log("help started, file " + HelpFilePath());
  }
}

THelpViewer::~THelpViewer() { CloseAll(); }

QString THelpViewer::HelpFilePath() const { return QDir(programDir_).filePath("morvit.chm"); }

bool THelpViewer::HelpFileExists() const { return QFileInfo::exists(HelpFilePath()); }

void THelpViewer::ShowTopic(int context) {
  Log(QString("ShowTopic(%1)").arg(context));
  if (!HelpFileExists()) return;
  if (window_.isNull()) {
    window_ = new THelpWindow;
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->resize(640, 560);
  }
  QUrl url = QUrl::fromLocalFile(HelpFilePath());
  url.setFragment(QString("topic%1").arg(context));
  window_->Browser()->setSource(url, QTextDocument::HtmlResource);
  window_->Browser()->scrollToAnchor(url.fragment());
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void THelpViewer::CloseAll() {
  if (!window_.isNull()) {
    Log("CloseAll");
    window_->close();
  }
}

void THelpViewer::Log(const QString& call) {
  if (logPath_.isEmpty()) return;
  QFile file(logPath_);
  if (!file.open(QIODevice::Append | QIODevice::Text)) return;
  QTextStream(&file) << QDateTime::currentDateTime().toString(Qt::ISODate) << " " << call << "\n";
}
