#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs each grown fuzz corpus into the one archive the tree keeps of it:
# build-fuzz/corpus/<target>/ (which scripts/fuzz.sh fills) becomes
# fuzz/corpus/<target>.tar.xz. The archive holds the inputs by name, sorted,
# without owners or times, so the same inputs always give the same bytes.
#   scripts/pack_corpus.sh TARGET... [--from FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
from=build-fuzz/corpus
targets=()
while (($#)); do
  case $1 in
    --from) from=$2; shift 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done
if ((${#targets[@]} == 0)); then
  echo "usage: scripts/pack_corpus.sh TARGET... [--from FOLDER]" >&2
  exit 2
fi
for t in "${targets[@]}"; do
  dir=$from/$t
  [ -d "$dir" ] || { echo "no corpus folder $dir" >&2; exit 1; }
  # The named seeds stay readable in fuzz/seeds/ and are not packed twice.
  find "$dir" -maxdepth 1 -type f -printf '%f\n' | LC_ALL=C sort |
    while read -r name; do [ -e "fuzz/seeds/$t/$name" ] || echo "$name"; done > "$dir.list"
  tar -C "$dir" --format=gnu --owner=0 --group=0 --numeric-owner --mtime=@0 \
    --no-recursion -T "$dir.list" -cf - | xz -9 -T1 > "fuzz/corpus/$t.tar.xz"
  echo "fuzz/corpus/$t.tar.xz: $(wc -l < "$dir.list") inputs"
  rm -f "$dir.list"
done
