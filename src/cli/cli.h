// SPDX-License-Identifier: GPL-3.0-or-later
// morvit-cli: the command-line front end over the core. Every subcommand
// writes its contract output to out and diagnostics to err and returns the
// process exit status.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

using TCliArgs = std::vector<std::string>;

int RunCli(const TCliArgs& args, std::ostream& out, std::ostream& err);

// Exit statuses shared by the subcommands.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1;
inline constexpr int ExitUsage = 2;
