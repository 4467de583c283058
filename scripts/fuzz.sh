#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (ASan + UBSan) and runs each for the
# given number of seconds (default 60), starting from the named seeds in
# fuzz/seeds/<target>/ and the grown corpus unpacked from
# fuzz/corpus/<target>.tar.xz into build-fuzz/corpus/<target>/, where the new
# inputs land too (scripts/pack_corpus.sh packs them back into the archive).
# New crashes land in build-fuzz/findings/<target>/.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

need=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if ((${#need[@]})); then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}"
fi

cmake --preset fuzz >/dev/null
cmake --build build-fuzz -j"$(nproc)"
targets=("$@")
if ((${#targets[@]} == 0)); then
  for f in fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp | sed 's/^fuzz_//')"); done
fi
for t in "${targets[@]}"; do
  work=build-fuzz/corpus/$t
  findings=build-fuzz/findings/$t
  mkdir -p "$work" "$findings"
  [ -f fuzz/corpus/"$t".tar.xz ] && tar -C "$work" --skip-old-files -xJf fuzz/corpus/"$t".tar.xz
  seeds=()
  [ -d fuzz/seeds/"$t" ] && seeds=(fuzz/seeds/"$t")
  dict=()
  [ -f fuzz/"$t".dict ] && dict=(-dict=fuzz/"$t".dict)
  echo "== fuzz_$t for ${seconds}s"
  build-fuzz/fuzz/fuzz_"$t" "${dict[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" -print_final_stats=1 "$work" "${seeds[@]}" 2>&1 | tail -n 12
done
