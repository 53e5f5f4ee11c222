#!/usr/bin/env bash
# Builds the program and its benchmark, runs the benchmark under Wine in a
# virtual display of its own and prints its table with the machine it ran
# on. Installs what is missing first (needs root or sudo for apt).
# BUILD_DIR chooses the build folder (default build/).
set -eu
. "$(dirname "$0")/common.sh"
"$top/scripts/setup-deps.sh"
mkdir -p "$build"
configure_and_build --target nigaoe bench
trap stop_all EXIT
start_display
start_wineserver
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(wine --version)"
cd "$build/nigaoe"
wine "$build/tools/bench/bench.exe" | tr -d '\r'
