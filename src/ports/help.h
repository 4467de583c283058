// SPDX-License-Identifier: GPL-3.0-or-later
// Context help: topics are chosen by the context number of the asking window
// (1 the help command, 10 the main window, 11 graph input, 20 diagram data,
// 40 variable table, 50 coordinate system settings, 70 calculator, 999
// "Support free software!").
#pragma once

class Help {
 public:
  virtual ~Help() = default;
  virtual void ShowTopic(int context) = 0;
  // Closes every open help window.
  virtual void CloseAll() = 0;
};
