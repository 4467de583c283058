#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the core and its tests with gcc's coverage counters, runs every test
# (the fuzz corpus replays included) and prints line and branch coverage of
# the term compiler, the evaluator and the document reader. Branches that
# only throw (allocation failures inside the standard library) are left out.
#   scripts/coverage.sh [SOURCE...]   (default: the three files above)
set -euo pipefail
cd "$(dirname "$0")/.."
dpkg-query -W -f='${Status}' gcovr 2>/dev/null | grep -q "install ok installed" || {
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq gcovr
}
cmake --preset coverage >/dev/null
cmake --build build-coverage -j"$(nproc)"
find build-coverage -name '*.gcda' -delete
(cd build-coverage && ctest -j"$(nproc)" --output-on-failure >/dev/null) || echo "some tests failed" >&2
sources=("$@")
((${#sources[@]})) || sources=(src/term/compiler.cpp src/term/evaluator.cpp src/document/reader.cpp)
filters=()
for s in "${sources[@]}"; do filters+=(--filter "$s"); done
gcovr --root . --object-directory build-coverage --exclude-directories 'build-coverage/CMakeFiles' "${filters[@]}" \
  --exclude-throw-branches --exclude-unreachable-branches --branches --txt
gcovr --root . --object-directory build-coverage --exclude-directories 'build-coverage/CMakeFiles' "${filters[@]}" \
  --exclude-throw-branches --exclude-unreachable-branches --txt
