// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
  const TCliArgs args(argv + 1, argv + argc);
  const int status = RunCli(args, std::cout, std::cerr);
  std::cout.flush();
  return status;
}
