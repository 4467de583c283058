#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Morvit needs to build, test and run, when
# missing. Run as root on Debian 12.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libjpeg-dev libcsv-dev
  libgtest-dev libgmock-dev libbenchmark-dev libmpc-dev
  fontconfig fonts-liberation
  xvfb xauth
  dpkg-dev file
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  lintian appstream scdoc man-db
  clang-format
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages and not root: run this as root (or with sudo)." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
