// SPDX-License-Identifier: GPL-3.0-or-later
// One run of morvit-cli's commands inside the test program: its exit status
// and what it wrote to standard output and standard error.
#pragma once

#include <sstream>
#include <string>

#include "cli/cli.h"

struct TCliRun {
  int Status = 0;
  std::string Out, Err;
};

inline TCliRun RunCapturedCli(const TCliArgs& args) {
  std::ostringstream out, err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}
