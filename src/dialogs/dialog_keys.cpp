// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/dialog_keys.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace {

// Tool buttons know no default: Enter would reach the dialog and press its
// default button instead of the one the user is on.
class TEnterClicksToolButton final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    auto* button = static_cast<QToolButton*>(watched);
    if (button->isEnabled()) button->click();
    return true;
  }
};

}  // namespace

void EnterPressesFocusedButton(QDialog* dialog) {
  // A push button that may take the focus becomes the default while it has
  // it; Qt then gives the default back when the focus moves on.
  for (QPushButton* button : dialog->findChildren<QPushButton*>()) button->setAutoDefault(true);
  auto* filter = new TEnterClicksToolButton(dialog);
  for (QToolButton* button : dialog->findChildren<QToolButton*>())
    if (button->focusPolicy() & Qt::TabFocus) button->installEventFilter(filter);
}
