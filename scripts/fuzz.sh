#!/usr/bin/env bash
# Fuzzes the program's readers of hostile files, natively on Linux with
# clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer. Each
# source in fuzz/ is one target; fuzz/seeds/<target>.cpp, when there is one,
# writes that target's seeds (the tests' fixtures, the bundled files). Each
# target runs for the given seconds (first argument, else FUZZ_SECONDS, else
# 60), its corpus kept in $BUILD_DIR/fuzz/corpus/<target> from run to run
# (default build/). A finding stops the run with its input saved in
# $BUILD_DIR/fuzz/findings/ and a non-zero exit. Not part of the test run.
# Usage: scripts/fuzz.sh [seconds] [target...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${BUILD_DIR:-$top/build}"
seconds="${1:-${FUZZ_SECONDS:-60}}"
[ $# -gt 0 ] && shift
out="$build/fuzz"

# The platform-free readers the targets exercise, and the tests'
# platform-free fixture writers that the seeds come from.
readers="$top/src/render/part_decode.cpp $top/src/model/portrait_file.cpp $top/src/model/portrait.cpp"
fixtures="$top/tests/support/bmp_formats.cpp"

missing=""
for p in clang-14 libfuzzer-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }
  echo "Installing:$missing"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi

# The bundled parts come from the cross build.
if [ ! -f "$build/nigaoe/kao-1-001.bmp" ]; then
  . "$top/scripts/common.sh"
  "$top/scripts/setup-deps.sh"
  mkdir -p "$build"
  configure_and_build --target program_data
fi

flags=(-std=c++17 -g -O1 -Wall -Wextra -fsanitize=address,undefined -fno-sanitize-recover=all
       -I"$top/src/render" -I"$top/src/model" -I"$top/tests")
targets=("$@")
if [ ${#targets[@]} = 0 ]; then
  for source in "$top"/fuzz/*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi
mkdir -p "$out/findings"
for name in "${targets[@]}"; do
  echo "fuzz: building $name"
  clang++-14 "${flags[@]}" -fsanitize=fuzzer "$top/fuzz/$name.cpp" $readers -o "$out/$name"
  rm -rf "$out/seeds/$name"
  mkdir -p "$out/corpus/$name" "$out/seeds/$name"
  if [ -f "$top/fuzz/seeds/$name.cpp" ]; then
    clang++-14 "${flags[@]}" "$top/fuzz/seeds/$name.cpp" $readers $fixtures -o "$out/seed-$name"
    "$out/seed-$name" "$out/seeds/$name" "$build/nigaoe"
  fi
  echo "fuzz: running $name for $seconds s"
  # New inputs go to the first folder; the seeds are read, not changed.
  "$out/$name" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$out/findings/$name-" \
    "$out/corpus/$name" "$out/seeds/$name" >"$out/$name.log" 2>&1 || {
    tail -n 40 "$out/$name.log"
    echo "fuzz: $name found a fault; the input is in $out/findings/ (log $out/$name.log)" >&2
    exit 1
  }
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/$name.log")
  last=$(grep -E '^#[0-9]+' "$out/$name.log" | tail -n 1)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  corpus=$(sed -n 's/.* corp: \([^ ]*\).*/\1/p' <<<"$last")
  echo "fuzz: $name: $runs executions in $seconds s, clean; coverage $cov edges ($ft features); corpus $corpus (inputs/bytes)"
done
