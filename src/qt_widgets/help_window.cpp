// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_widgets/help_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// Enter finds the next place, Shift+Enter the one before.
class TSearchField final : public QLineEdit {
 public:
  TSearchField(THelpWindow* window, QWidget* parent) : QLineEdit(parent), window_(window) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      window_->FindNext(event->modifiers() & Qt::ShiftModifier);
      return;
    }
    QLineEdit::keyPressEvent(event);
  }

 private:
  THelpWindow* window_;
};

}  // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent) {
  setWindowTitle(tr("Morvit Help"));
  eSearch_ = new TSearchField(this, this);
  eSearch_->setObjectName("eSearch");
  eSearch_->setPlaceholderText(tr("Search the help"));
  eSearch_->setClearButtonEnabled(true);
  lMatches_ = new QLabel(this);
  lMatches_->setObjectName("lMatches");
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("mHelp");
  browser_->setOpenExternalLinks(true);

  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(new QLabel(tr("Search:"), this));
  searchRow->addWidget(eSearch_, 1);
  searchRow->addWidget(lMatches_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(searchRow);
  layout->addWidget(browser_, 1);

  connect(eSearch_, &QLineEdit::textChanged, this, &THelpWindow::Search);
  // A new page (a link followed) holds other places.
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] { Search(eSearch_->text()); });
  setFocusProxy(eSearch_);
}

void THelpWindow::Search(const QString& text) {
  matches_.clear();
  current_ = -1;
  QList<QTextEdit::ExtraSelection> marks;
  if (!text.isEmpty()) {
    QTextCharFormat mark;
    mark.setBackground(QColor(255, 230, 120));
    QTextCursor found(browser_->document());
    while (true) {
      found = browser_->document()->find(text, found);
      if (found.isNull()) break;
      matches_.append(found);
      marks.append({found, mark});
    }
  }
  browser_->setExtraSelections(marks);
  if (text.isEmpty()) {
    lMatches_->clear();
  } else if (matches_.isEmpty()) {
    lMatches_->setText(tr("No match"));
  } else {
    ShowMatch(0);
  }
}

void THelpWindow::FindNext(bool backward) {
  if (matches_.isEmpty()) return;
  const int count = static_cast<int>(matches_.size());
  ShowMatch(((current_ + (backward ? -1 : 1)) % count + count) % count);
}

void THelpWindow::ShowMatch(int index) {
  current_ = index;
  const QTextCursor& match = matches_[index];
  browser_->setTextCursor(match);
  // A third of the way down, so that the text around the place shows too.
  QScrollBar* bar = browser_->verticalScrollBar();
  bar->setValue(bar->value() + browser_->cursorRect().top() - browser_->viewport()->height() / 3);
  lMatches_->setText(tr("%1 of %2, in \"%3\"")
                         .arg(index + 1)
                         .arg(matches_.size())
                         .arg(TopicAt(match.selectionStart())));
}

QString THelpWindow::TopicAt(int position) const {
  for (QTextBlock block = browser_->document()->findBlock(position); block.isValid();
       block = block.previous()) {
    if (block.blockFormat().headingLevel() > 0) return block.text().trimmed();
  }
  return QString();
}
