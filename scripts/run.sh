#!/usr/bin/env bash
# Builds the program and starts the editor from its program folder
# (build/nigaoe). Installs what is missing first (needs root or sudo for apt).
# With no display (DISPLAY unset) it runs the demonstration instead, in a
# virtual display of its own: a portrait built and saved by real input
# events, with a screenshot of the editor and the saved file left behind.
set -eu
. "$(dirname "$0")/common.sh"
"$top/scripts/setup-deps.sh"
mkdir -p "$build"
configure_and_build
if [ -z "${DISPLAY:-}" ]; then
  exec "$top/scripts/demo.sh"
fi
# A prefix of its own, with the platform's window handling: the tests'
# prefix hands windows to no window manager.
export WINEPREFIX="$build/run-wineprefix"
trap stop_all EXIT
start_wineserver
cd "$build/nigaoe"
wine nigaoe.exe
