// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the help pages in a browser, with a search field above
// them that finds a word anywhere in the help, whatever topic it is in.
#pragma once

#include <QList>
#include <QTextCursor>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

class THelpWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit THelpWindow(QWidget* parent = nullptr);

  QTextBrowser* Browser() const { return browser_; }

  // Marks every place where the text occurs (letter case ignored) and shows
  // the first of them; an empty text clears the marks.
  void Search(const QString& text);
  // Shows the next (or previous) place, wrapping round at the end.
  void FindNext(bool backward = false);
  int MatchCount() const { return static_cast<int>(matches_.size()); }

 private:
  void ShowMatch(int index);
  // The heading of the part of the help that holds the position.
  QString TopicAt(int position) const;

  QLineEdit* eSearch_;
  QLabel* lMatches_;
  QTextBrowser* browser_;
  QList<QTextCursor> matches_;
  int current_ = -1;
};
