#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it: its files, its
# dependencies, the metainfo, desktop entry and manual pages, and the
# programs installed into a throwaway root (version, model-file type, a dump
# equal to the build folder's).
set -euo pipefail
build=$1
source=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --build "$build" --target package >"$scratch/package.log" 2>&1 || { cat "$scratch/package.log"; fail "package"; }
deb=$(ls -t "$build"/zorvan_*.deb | head -n 1)
contents=$(dpkg-deb -c "$deb")
for f in usr/bin/zorvan usr/bin/zorvan-cli usr/share/applications/zorvan.desktop usr/share/mime/packages/zorvan.xml \
  usr/share/icons/hicolor/scalable/apps/zorvan.svg usr/share/icons/hicolor/48x48/apps/zorvan.png \
  usr/share/icons/hicolor/256x256/apps/zorvan.png usr/share/metainfo/io.github.zorvan.Zorvan.metainfo.xml \
  usr/share/man/man1/zorvan.1 usr/share/man/man1/zorvan-cli.1 usr/share/bash-completion/completions/zorvan-cli \
  usr/share/doc/zorvan/README.md usr/share/doc/zorvan/help/plotting.html usr/share/doc/zorvan/docs/pictures/polar-plot.png; do
  grep -q " \./$f\$" <<<"$contents" || fail "the package has no $f"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the Qt libraries are not declared"
description=$(dpkg-deb -f "$deb" Description)
[ "$(wc -l <<<"$description")" -ge 2 ] && ! grep -q ';' <<<"$description" || fail "description: $description"
dpkg-deb -e "$deb" "$scratch/control"
[ -x "$scratch/control/postinst" ] && grep -q update-mime-database "$scratch/control/postrm" || fail "maintainer scripts"

appstreamcli validate --no-net "$source/packaging/io.github.zorvan.Zorvan.metainfo.xml" >"$scratch/as.log" 2>&1 ||
  { cat "$scratch/as.log"; fail "metainfo"; }
desktop-file-validate "$source/packaging/zorvan.desktop" || fail "desktop entry"
warnings=$(groff -man -ww -z "$source/packaging/zorvan.1" "$source/packaging/zorvan-cli.1" 2>&1)
[ -z "$warnings" ] || fail "manual pages: $warnings"

root=$scratch/root
dpkg -x "$deb" "$root"
[ "$("$root/usr/bin/zorvan-cli" --version)" = "zorvan-cli 9.0" ] || fail "--version from the installed path"
cmp <("$root/usr/bin/zorvan-cli" dump --preset 5) <("$build/zorvan-cli" dump --preset 5) || fail "dump differs"
if [ -d "$build/python/zorvan" ]; then  # the Python module, for the distribution's python3
  grep -q ' \./usr/lib/python3/dist-packages/zorvan/_core\.cpython-.*\.so$' <<<"$contents" || fail "no Python module"
  dpkg-deb -f "$deb" Depends | grep -q 'python3-numpy' || fail "the module's dependencies are not declared"
  torque=$(cd "$scratch" && PYTHONPATH="$root/usr/lib/python3/dist-packages" /usr/bin/python3 -c \
    'import zorvan; print("%.9g" % zorvan.run(zorvan.Design.preset(5)).columns["TotalTorque"].max())')
  dumped=$("$build/zorvan-cli" dump --preset 5 | /usr/bin/python3 -c \
    'import json, sys; print("%.9g" % max(json.load(sys.stdin)["columns"]["TotalTorque"]))')
  [ "$torque" = "$dumped" ] || fail "the installed module gives $torque, the dump $dumped"
fi
update-mime-database "$root/usr/share/mime"
printf '"ZORVAN for Windows"\r\n"9.0"\r\n' >"$scratch/design.zrv"
type=$(XDG_DATA_HOME="$scratch/home" XDG_DATA_DIRS="$root/usr/share" xdg-mime query filetype "$scratch/design.zrv")
[ "$type" = "application/x-zorvan-model" ] || fail "model files are $type"
echo "package test passed: $(basename "$deb")"
