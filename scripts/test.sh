#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test: first the release
# build, then the core alone without Qt (Qt must not even be looked for),
# then the core, the CLI, the windows and their tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, replaying every committed
# fuzz input, with the windows driven by the seeded random-input test (a few
# fixed seeds; run it longer with scripts/monkey.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"

echo "== The core alone, without Qt"
cmake --preset core >/dev/null
cmake --build build-core -j"$(nproc)"
# The grown corpora are replayed in the two other builds.
ctest --test-dir build-core --output-on-failure -j"$(nproc)" -LE fuzz-corpus

echo "== The same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build build-sanitize -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
