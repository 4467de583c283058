// SPDX-License-Identifier: GPL-3.0-or-later
// The help topics by context number: the number a window, a message box or a
// command hands to Help::ShowTopic, and the anchor "topicN" of the help page
// that the number opens. The help page carries one anchor for each of these,
// so a number is changed here and in the page together.
#pragma once

// "Show help...": the start of the help.
inline constexpr int HelpCommandContext = 1;
// The main window, and every window that names no topic of its own.
inline constexpr int MainHelpContext = 10;
inline constexpr int GraphInputHelpContext = 11;
// The diagram data editor, with its import and export of data.
inline constexpr int DiagramInputHelpContext = 20;
inline constexpr int VarInputHelpContext = 40;
inline constexpr int AxisSettingsHelpContext = 50;
inline constexpr int CalculatorHelpContext = 70;
// The "Support free software!" button.
inline constexpr int SupportHelpContext = 999;

// The import dialog belongs to the diagram data editor and shares its topic.
inline constexpr int ImportDataHelpContext = DiagramInputHelpContext;
