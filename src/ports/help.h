// SPDX-License-Identifier: GPL-3.0-or-later
// Context help: topics are chosen by the context number of the asking window;
// ports/help_topics.h names the numbers.
#pragma once

class Help {
 public:
  virtual ~Help() = default;
  virtual void ShowTopic(int context) = 0;
  // Closes every open help window.
  virtual void CloseAll() = 0;
};
