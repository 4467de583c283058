#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb from a finished build folder and checks it as Debian's own
# tools would: lintian (no errors, no warnings), the software centre entry,
# and the manual pages as man renders them.
#   check_package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/*.deb)
echo "package: $(basename "$deb")"

# The package must carry what Debian requires of every package and what the
# desktop needs to find the program.
dpkg-deb -c "$deb" | awk '{print $6}' >"$work/contents"
for path in ./usr/share/doc/morvit/copyright ./usr/share/doc/morvit/changelog.gz \
            ./usr/share/man/man1/morvit.1.gz ./usr/share/man/man1/morvit-cli.1.gz \
            ./usr/share/metainfo/org.morvit.Morvit.metainfo.xml \
            ./usr/share/applications/org.morvit.Morvit.desktop; do
  grep -qx "$path" "$work/contents" || { echo "missing from the package: $path"; exit 1; }
done

status=0
if command -v lintian >/dev/null; then
  # Informational tags may stay; errors and warnings may not.
  lintian --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1 || true
  if grep -E '^[EW]: ' "$work/lintian.log"; then
    echo "lintian reports errors or warnings"
    status=1
  else
    echo "lintian: no errors, no warnings"
  fi
else
  echo "lintian not installed: package not checked"
fi

dpkg-deb -x "$deb" "$work/root"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.morvit.Morvit.metainfo.xml" || status=1
fi
for page in morvit morvit-cli; do
  out=$(MANWIDTH=80 man --warnings -l "$work/root/usr/share/man/man1/$page.1.gz" 2>"$work/man.err") || status=1
  if [ -s "$work/man.err" ]; then
    echo "man $page:"; cat "$work/man.err"; status=1
  fi
  grep -q "^NAME" <<<"$out" || { echo "man $page renders no NAME section"; status=1; }
done
exit $status
