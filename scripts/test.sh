#!/usr/bin/env bash
# Builds the program and every test, then runs the tests under Wine in a
# virtual X display of its own. Installs what is missing first (needs root
# or sudo for apt). Usage: scripts/test.sh [ctest options, e.g. -R Palette]
# BUILD_DIR chooses the build folder (default build/). -LE soak leaves out
# the soak (ctest label soak).
set -eu
. "$(dirname "$0")/common.sh"
"$top/scripts/setup-deps.sh"
mkdir -p "$build"
configure_and_build
trap stop_all EXIT
start_display
start_wineserver
unmanaged_windows
cd "$build"
# A test that fails is run once more: a Wine process now and then fails to
# start on a loaded machine. A test that fails twice fails the run.
ctest --output-on-failure --timeout 300 -j2 --repeat until-pass:2 "$@"
