#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and opens Morvit on an example document.
# Without a display it renders the example to a PNG instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
example=examples/surface-solid.mvf
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/app/morvit "$example"
fi
png=$PWD/build/morvit-example.png
echo "No display found (DISPLAY is not set): rendering $example to a picture instead."
build/app/morvit-cli render "$example" -o "$png"
echo "$png"
