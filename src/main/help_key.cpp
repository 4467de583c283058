// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/help_key.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

#include "ports/help.h"

THelpKey::THelpKey(Help& help, int fallbackContext, QObject* parent)
    : QObject(parent), help_(help), fallbackContext_(fallbackContext) {}

int THelpKey::ContextOf(const QWidget* widget, int fallbackContext) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    const QVariant context = w->window()->property("helpContext");
    if (context.isValid()) return context.toInt();
    w = w->window();
  }
  return fallbackContext;
}

bool THelpKey::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  if (!key->matches(QKeySequence::HelpContents)) return false;
  help_.ShowTopic(ContextOf(static_cast<const QWidget*>(watched), fallbackContext_));
  return true;
}
