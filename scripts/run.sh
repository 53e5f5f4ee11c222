#!/usr/bin/env bash
# Builds the program (not the tests) and starts the editor from its run
# folder, build/run: the package's contents, brought up to date on every
# start, beside the portraits saved in its phot folder and the parts added
# to its kao folder. The program folder build/nigaoe, which the build writes
# and the tests read, is left alone. Installs what is missing first (needs
# root or sudo for apt).
# Arguments go to the program: `scripts/run.sh build/run/phot/x.nigaoe`
# opens that portrait file (a Linux path becomes the program's path).
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
configure_and_build --target run_folder
# A prefix of its own, with the platform's window handling: the tests'
# prefix hands windows to no window manager.
export WINEPREFIX="$build/run-wineprefix"
trap stop_all EXIT
start_wineserver
associate_help_pages
# Paths from here, taken before the change of folder; anything with a
# drive letter or a backslash is the program's own already.
arguments=()
for argument in "$@"; do
  case $argument in
    [A-Za-z]:*|*\\*) arguments+=("$argument") ;;
    *) arguments+=("$(winepath -w "$(realpath -m -- "$argument")" 2>/dev/null | tr -d '\r')") ;;
  esac
done
cd "$build/run"
wine nigaoe.exe ${arguments[@]+"${arguments[@]}"}
