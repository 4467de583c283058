// SPDX-License-Identifier: GPL-3.0-or-later
// Lets the toolkit paint pending updates (the busy text) in the middle of a
// drawing. User input waits until the drawing is done, so no command can
// replace the document under a handler that is still working on it.
#pragma once

#include <QCoreApplication>

#include "ports/event_pump.h"

class TQtEventPump final : public EventPump {
 public:
  void Yield() override { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
};
