#!/usr/bin/env bash
# Builds the editor and starts it. Installs what is missing first (needs root
# or sudo for apt). The editor runs from a folder of its own, build/run,
# refreshed from the program folder the build makes (build/nigaoe) but for
# phot/, where the portraits saved there stay: the build's folder, which the
# tests inspect and the package is made from, is never used.
# With no display (DISPLAY unset) it runs the demonstration instead, in a
# virtual display of its own: a portrait built and saved by real input
# events, with a screenshot of the editor and the saved file left behind.
set -eu
. "$(dirname "$0")/common.sh"
"$top/scripts/setup-deps.sh"
mkdir -p "$build"
if [ -z "${DISPLAY:-}" ]; then
  configure_and_build --target nigaoe window_locate
  exec "$top/scripts/demo.sh"
fi
configure_and_build --target nigaoe partcheck
run="$build/run"
mkdir -p "$run/phot"
rm -rf "$run/kao" "$run/help"
cp -r "$build/nigaoe/kao" "$build/nigaoe/help" "$build/nigaoe/kao-1-001.bmp" "$build/nigaoe/"*.exe "$run/"
trap stop_all EXIT
start_wineserver
cd "$run"
wine nigaoe.exe
