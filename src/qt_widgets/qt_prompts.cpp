// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_widgets/qt_prompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringDecoder>
#include <QStringList>
#include <utility>

#include "dialogs/color_swatch.h"
#include "dialogs/message_catalogue.h"

namespace {

QMessageBox::Icon IconOf(TMessageKind kind) {
  switch (kind) {
    case TMessageKind::Error: return QMessageBox::Critical;
    case TMessageKind::Information: return QMessageBox::Information;
    case TMessageKind::Warning: return QMessageBox::Warning;
    case TMessageKind::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

struct TButtonPair {
  TMessageButton Flag;
  QMessageBox::StandardButton Button;
};
constexpr TButtonPair ButtonPairs[] = {
    {mbOk, QMessageBox::Ok},         {mbYes, QMessageBox::Yes},   {mbNo, QMessageBox::No},
    {mbCancel, QMessageBox::Cancel}, {mbHelp, QMessageBox::Help},
};

// What the box answers when it is closed without a button.
TMessageButton ClosedAnswer(uint8_t buttons) {
  if (buttons & mbCancel) return mbCancel;
  if (buttons & mbNo) return mbNo;
  return mbOk;
}

// Messages join their lines with a line feed and a carriage return, as the
// old boxes did; a Qt label would show the carriage return as an extra break.
// A message is UTF-8, unless it quotes a document's 8-bit text (a variable
// name from a file), which is Latin-1 and no valid UTF-8 once it leaves ASCII.
QString DisplayText(const std::string& text) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString shown = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  if (utf8.hasError())
    shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

}  // namespace

TQtPrompts::TQtPrompts(QWidget* fallbackParent, QString caption)
    : fallbackParent_(fallbackParent), caption_(std::move(caption)) {}

void TQtPrompts::SetHelpHandler(std::function<void(int)> handler) {
  helpHandler_ = std::move(handler);
}

QWidget* TQtPrompts::Parent() const {
  QWidget* active = QApplication::activeWindow();
  return active != nullptr ? active : fallbackParent_;
}

TMessageButton TQtPrompts::Message(TMessageKind kind, const std::string& text, uint8_t buttons,
                                   int helpContext) {
  if ((buttons & (mbOk | mbYes | mbNo | mbCancel | mbHelp)) == 0) buttons = mbOk;
  QMessageBox box(IconOf(kind), caption_, TranslateMessage(DisplayText(text)),
                  QMessageBox::NoButton, Parent());
  // Terms typed by the user may hold "<"; the text is never markup.
  box.setTextFormat(Qt::PlainText);
  for (const TButtonPair& pair : ButtonPairs)
    if (buttons & pair.Flag) box.addButton(pair.Button);
  box.setDefaultButton((buttons & mbYes) ? QMessageBox::Yes : QMessageBox::Ok);
  const TMessageButton closed = ClosedAnswer(buttons);
  for (const TButtonPair& pair : ButtonPairs)
    if (pair.Flag == closed && (buttons & closed)) box.setEscapeButton(pair.Button);
  box.exec();

  const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
  for (const TButtonPair& pair : ButtonPairs) {
    if (pair.Button != pressed || !(buttons & pair.Flag)) continue;
    if (pair.Flag == mbHelp && helpHandler_) helpHandler_(helpContext);
    return pair.Flag;
  }
  return closed;
}

bool TQtPrompts::InputText(const std::string& caption, const std::string& question,
                           std::string& value) {
  bool ok = false;
  const QString typed =
      QInputDialog::getText(Parent(), TranslateMessage(QString::fromStdString(caption)),
                            TranslateMessage(QString::fromStdString(question)), QLineEdit::Normal,
                            QString::fromStdString(value), &ok);
  if (!ok) return false;
  value = typed.toStdString();
  return true;
}

bool TQtPrompts::ChooseColor(int32_t& color) {
  const QColor chosen = QColorDialog::getColor(ColorFromPacked(color), Parent());
  if (!chosen.isValid()) return false;
  color = PackedFromColor(chosen);
  return true;
}

bool TQtPrompts::ChooseOpenFile(const std::string& filter, std::string& path) {
  const QString chosen = QFileDialog::getOpenFileName(
      Parent(), QString(), QString::fromStdString(path), QtFileFilter(filter));
  if (chosen.isEmpty()) return false;
  path = chosen.toStdString();
  return true;
}

bool TQtPrompts::ChooseSaveFile(const std::string& filter, std::string& path) {
  const QString chosen = QFileDialog::getSaveFileName(
      Parent(), QString(), QString::fromLocal8Bit(path.c_str()), QtFileFilter(filter));
  if (chosen.isEmpty()) return false;
  path = QFile::encodeName(chosen).toStdString();
  return true;
}

QString QtFileFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    const QString description = TranslateMessage(parts[i].trimmed());
    QString patterns = i + 1 < parts.size() ? parts[i + 1] : QStringLiteral("*");
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    patterns = patterns.simplified();
    if (patterns.isEmpty()) patterns = QStringLiteral("*");
    filters << (description.isEmpty()
                    ? patterns
                    : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
  }
  return filters.join(QStringLiteral(";;"));
}
