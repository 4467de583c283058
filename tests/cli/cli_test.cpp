// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct CliCase {
  TCliArgs args;
  int status;
  const char* out;
};

TEST(Cli, TermSubcommands) {
  const CliCase cases[] = {
      {{"parse", "-x^2"}, 0, "ok\n(- 0 (^ x 2))\n"},
      {{"parse", "2sin(x)"}, 1, "invalid\n(sin x)\n"},
      {{"parse", ""}, 1, "invalid\n_\n"},
      {{"parse", "pi*i"}, 0, "ok\n(* 3.14159265358979 i)\n"},
      {{"parse", "2lg(8)+h(x)"}, 0, "ok\n(+ (lg 2 8) (h x))\n"},
      {{"eval", "x*y", "x=2", "y=3+i"}, 0, "6+2*i\n"},
      {{"eval", "e^(i*pi)"}, 0, "-1\n"},
      {{"eval", "x"}, 1, "Error: Result cannot be calculated.\n"},
      {{"eval", "x", "x=1", "x=2"}, 0, "2\n"},
      {{"diff", "x^2", "x", "3"}, 0, "6\n"},
      {{"diff", "x^2", "", "3"}, 1, "Error: No variable for differentiation selected.\n"},
      {{"diff", "a*t", "t", "1", "a=4"}, 0, "4\n"},
      // The exit step makes t known, so the derivative exists.
      {{"diff", "t^2", "t", "-1"}, 0, "-2\n"},
      {{"integrate", "x^2", "x", "0", "1"}, 0, "0.333333\n"},
      {{"integrate", "x", "x", "0", "1E400"}, 1, "Error: Invalid value entered.\n"},
      // Every line the calculator appends; the status follows the first.
      {{"integrate", "ln(x)", "x", "0", "1"},
       1,
       "Error: Term cannot be calculated at every point of the interval.\n"},
      {{"integrate", "1/x", "x", "0", "1"},
       1,
       "Error: Term cannot be calculated at every point of the interval.\n"},
      {{"integrate", "cos(4000*pi*x)", "x", "0", "1"},
       0,
       "1\nWarning: Result may be inaccurate, estimated error 1.\n"},
      // An estimate whose two digits round beyond the double range keeps its
      // digits instead of reading as 0.
      {{"integrate", "1.7E308*sin(1000*x)", "x", "0", "100"},
       0,
       "-6.40156792301087E307\nWarning: Result may be inaccurate, estimated error "
       "1.79489588896896E308.\n"},
      {{"diff", "x", "x", "1E11"}, 0, "1\n"},
      {{"diff", "abs(x)", "x", "0"},
       0,
       "0\nWarning: Left and right slopes differ by 2; the derivative may not exist.\n"},
      {{"diff", "sqrt(x)", "x", "0"}, 1, "Error: Term is real on one side of the point only.\n"},
  };
  for (const auto& c : cases) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(c.args, out, err), c.status) << c.args[0] << " " << c.args[1];
    EXPECT_EQ(out.str(), c.out) << c.args[0] << " " << c.args[1];
  }
}

TEST(Cli, UsageErrorsGoToStderrWithStatus2) {
  const TCliArgs cases[] = {
      {},
      {"plot"},
      {"parse"},
      {"parse", "x", "y"},
      {"eval"},
      {"eval", "x", "x"},
      {"eval", "x", "=1"},
      {"eval", "x", "x=y"},
      {"eval", "x", "x=1/0"},
      {"diff", "x^2", "x"},
      {"integrate", "x", "x", "0"},
  };
  for (const auto& args : cases) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(args, out, err), 2) << (args.empty() ? "" : args[0]);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str(), "");
  }
}

TEST(Cli, HelpGoesToStdout) {
  for (const TCliArgs& args : {TCliArgs{"--help"}, TCliArgs{"diff", "--help"}}) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(args, out, err), 0);
    EXPECT_NE(out.str().find("usage: morvit-cli"), std::string::npos);
    EXPECT_EQ(err.str(), "");
  }
}

}  // namespace
