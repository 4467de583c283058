#!/usr/bin/env bash
# Configures and builds Morvit into build/ (Release, warnings as errors).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build build -j"$(nproc)"
