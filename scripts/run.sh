#!/usr/bin/env bash
# Builds the program and starts the editor from its program folder
# (build/nigaoe). Installs what is missing first (needs root or sudo for apt).
# With no display it starts a virtual one and leaves a screenshot instead.
set -eu
. "$(dirname "$0")/common.sh"
"$top/scripts/setup-deps.sh"
mkdir -p "$build"
configure_and_build
program="$build/nigaoe"
trap stop_all EXIT
if [ -n "${DISPLAY:-}" ]; then
  start_wineserver
  cd "$program" && wine nigaoe.exe
else
  start_display
  start_wineserver
  cd "$program"
  wine nigaoe.exe &
  sleep 4
  import -window root "$build/editor.png"
  wineserver -k >/dev/null 2>&1 || true
  echo "Screenshot of the editor: $build/editor.png"
fi
