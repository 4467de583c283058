// SPDX-License-Identifier: GPL-3.0-or-later
// Lets pending window events be handled in the middle of a long piece of work,
// so that the busy text gets painted and the window stays responsive. Does
// nothing where there is no window (tests, morvit-cli).
#pragma once

class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void Yield() = 0;
};

class NoEventPump final : public EventPump {
 public:
  void Yield() override {}
};
