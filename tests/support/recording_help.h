// SPDX-License-Identifier: GPL-3.0-or-later
// Help for tests: records the topics asked for and how often every help
// window was closed, and opens nothing.
#pragma once

#include <vector>

#include "ports/help.h"

class TRecordingHelp final : public Help {
 public:
  std::vector<int> Topics;  // context numbers, in the order asked
  int Closed = 0;

  void ShowTopic(int context) override { Topics.push_back(context); }
  void CloseAll() override { ++Closed; }
};
