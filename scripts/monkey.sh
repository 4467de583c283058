#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Random use of every window for longer than the test command allows: the
# seeded random-input test, built with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/, offscreen.
#
#   scripts/monkey.sh SECONDS [SEED]
#
# Without SEED the seeds run from 1 upward, 3000 steps each, until SECONDS
# have passed; with SEED that seed runs first and the next ones follow. A
# failure names its seed and step and lists the actions before it; every
# action is written out with MORVIT_MONKEY_LOG=1.
set -euo pipefail
cd "$(dirname "$0")/.."
if (($# < 1 || $# > 2)) || ! [[ "$1" =~ ^[0-9]+$ ]] || { (($# == 2)) && ! [[ "$2" =~ ^[0-9]+$ ]]; }; then
  echo "usage: scripts/monkey.sh SECONDS [SEED]" >&2
  exit 2
fi
scripts/deps.sh
cmake --preset sanitize >/dev/null
cmake --build build-sanitize -j"$(nproc)" --target morvit_monkey_tests
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp
export MORVIT_MONKEY_SECONDS="$1"
if (($# == 2)); then export MORVIT_MONKEY_SEED="$2"; fi
exec build-sanitize/tests/morvit_monkey_tests --gtest_filter='Monkey.*'
