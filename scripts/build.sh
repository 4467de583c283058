#!/usr/bin/env bash
# Configures and builds Morvit into build/ (Release, warnings as errors).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DMORVIT_WERROR=ON >/dev/null
cmake --build build -j"$(nproc)"
