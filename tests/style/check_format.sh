#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ source of the tree differs from what .clang-format makes of
# it, and names the files, so the one house format stays pinned.
#   check_format.sh CLANG_FORMAT SOURCE_DIR
set -euo pipefail
clang_format="$1"
cd "$2"
mapfile -t files < <(find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)
if ! "$clang_format" --dry-run --Werror "${files[@]}" 2>/tmp/morvit-format.$$; then
  grep -oE '^[^ :]+:[0-9]+:[0-9]+: error' /tmp/morvit-format.$$ | cut -d: -f1,2 | sort -u | head -40
  echo "Not in the house format: run clang-format -i on the files above." >&2
  rm -f /tmp/morvit-format.$$
  exit 1
fi
rm -f /tmp/morvit-format.$$
echo "${#files[@]} files in the house format"
