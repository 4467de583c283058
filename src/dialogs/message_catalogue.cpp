// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/message_catalogue.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// Every fixed text the core shows, in the translation context "Messages".
// A %1 marks the part that the core fills in (an axis number, a name, a
// count); the windows' own messages are marked where they are written.
const char* const CoreMessages[] = {
    QT_TRANSLATE_NOOP("Messages", "Invalid file."),
    QT_TRANSLATE_NOOP("Messages", "Graphs with more than 2 free variables cannot be plotted."),
    QT_TRANSLATE_NOOP("Messages", "Axis minimum must be lower than axis maximum."),
    QT_TRANSLATE_NOOP("Messages", "Invalid axis values for logarithmic scaling at axis %1."),
    QT_TRANSLATE_NOOP("Messages", "Invalid value entered in numerical input field."),
    QT_TRANSLATE_NOOP("Messages", "Invalid value in numerical input field."),
    QT_TRANSLATE_NOOP("Messages", "Invalid values for scaling intervals."),
    QT_TRANSLATE_NOOP("Messages", "Invalid number entered."),
    QT_TRANSLATE_NOOP("Messages", "Invalid Term entered for axis %1."),
    QT_TRANSLATE_NOOP("Messages",
                      "For valid 2D plots, terms have to be entered at least for axis 1 and 2."),
    QT_TRANSLATE_NOOP("Messages", "Do you want to continue anyway?"),
    QT_TRANSLATE_NOOP("Messages", "Do you want to switch the display into 3D mode?"),
    QT_TRANSLATE_NOOP(
        "Messages",
        "You can also adjust the view mode manually at the Display Settings window, later."),
    QT_TRANSLATE_NOOP("Messages", "Error at \"%1\"."),
    QT_TRANSLATE_NOOP("Messages", "Values for variable cannot be saved."),
    QT_TRANSLATE_NOOP("Messages", "Enter number of columns to add:"),
    QT_TRANSLATE_NOOP("Messages", "Enter number of columns to delete:"),
    QT_TRANSLATE_NOOP("Messages", "Enter number of rows to add:"),
    QT_TRANSLATE_NOOP("Messages", "Enter number of rows to delete:"),
    QT_TRANSLATE_NOOP("Messages", "Add columns"),
    QT_TRANSLATE_NOOP("Messages", "Delete columns"),
    QT_TRANSLATE_NOOP("Messages", "Add rows"),
    QT_TRANSLATE_NOOP("Messages", "Delete rows"),
    QT_TRANSLATE_NOOP("Messages", "Error: Invalid term entered."),
    QT_TRANSLATE_NOOP("Messages", "Error: Invalid value entered."),
    QT_TRANSLATE_NOOP("Messages", "Error: No variable for differentiation selected."),
    QT_TRANSLATE_NOOP("Messages", "Error: No variable for integration selected."),
    QT_TRANSLATE_NOOP("Messages", "Error: Result cannot be calculated."),
    QT_TRANSLATE_NOOP("Messages", "The document could not be written."),
    QT_TRANSLATE_NOOP("Messages", "Morvit data file (.mvf)"),
    QT_TRANSLATE_NOOP("Messages",
                      "Error: Term cannot be calculated at every point of the interval."),
    QT_TRANSLATE_NOOP("Messages", "Error: No difference quotient can be formed at this point."),
    QT_TRANSLATE_NOOP("Messages", "Error: Term is real on one side of the point only."),
    QT_TRANSLATE_NOOP("Messages", "Warning: Result may be inaccurate, estimated error %1."),
    QT_TRANSLATE_NOOP("Messages",
                      "Warning: Result may be inaccurate; its error cannot be estimated."),
    QT_TRANSLATE_NOOP("Messages",
                      "Warning: Left and right slopes differ by %1; the derivative may not exist."),
    QT_TRANSLATE_NOOP("Messages", "The transposed cells do not fit into the table."),
    QT_TRANSLATE_NOOP("Messages", "Select a smaller block or one nearer to the top left."),
    QT_TRANSLATE_NOOP("Messages",
                      "The character \"%1\" cannot be stored: a Morvit document holds only "
                      "Latin-1 (ISO 8859-1) characters."),
    // The choices of the data import.
    QT_TRANSLATE_NOOP("Messages", "Automatic"),
    QT_TRANSLATE_NOOP("Messages", "Comma"),
    QT_TRANSLATE_NOOP("Messages", "Semicolon"),
    QT_TRANSLATE_NOOP("Messages", "Tab"),
    QT_TRANSLATE_NOOP("Messages", "Blank"),
    QT_TRANSLATE_NOOP("Messages", "Point"),
    QT_TRANSLATE_NOOP("Messages", "Yes"),
    QT_TRANSLATE_NOOP("Messages", "No"),
};

constexpr const char* Context = "Messages";

QString TranslateLine(const QString& line) {
  const QByteArray key = line.toUtf8();
  const QString whole = QCoreApplication::translate(Context, key.constData());
  if (whole != line) return whole;
  for (const char* entry : CoreMessages) {
    const QString pattern = QString::fromUtf8(entry);
    const qsizetype hole = pattern.indexOf(QStringLiteral("%1"));
    if (hole < 0) continue;
    const QString head = pattern.left(hole);
    const QString tail = pattern.mid(hole + 2);
    if (line.size() < head.size() + tail.size() || !line.startsWith(head) || !line.endsWith(tail))
      continue;
    const QString filled = line.mid(head.size(), line.size() - head.size() - tail.size());
    return QCoreApplication::translate(Context, entry).arg(filled);
  }
  return line;
}

}  // namespace

QString TranslateMessage(const QString& text) {
  const QByteArray key = text.toUtf8();
  const QString whole = QCoreApplication::translate(Context, key.constData());
  if (whole != text) return whole;
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines) line = TranslateLine(line);
  return lines.join(QLatin1Char('\n'));
}
