#!/usr/bin/env bash
# Installs what is missing, builds, and runs Morvit on a few sample terms.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
cli=build/app/morvit-cli
show() { printf '%-44s' "morvit-cli $*"; "$cli" "$@" | tr '\n' ' '; echo; }
show eval 'sin(x)*exp(-y/2)' x=1 y=2
show eval 'e^(i*pi)'
show eval 'sqrt(-4)+2lg(8)'
show parse 'x*(-y+1)'
show diff 'x^2' x 3
show integrate 'sin(x)' x 0 3.14159265358979
