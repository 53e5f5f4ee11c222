#!/usr/bin/env bash
# The run folder: it receives the package's contents with an empty phot
# folder; a later update keeps the portraits saved in phot and the parts the
# user added, and drops a bundled part that the package no longer holds.
# Usage: run_folder_test.sh <build folder> <source folder>
set -eu
build=$1 source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
update() {
  cmake -DBUILD_DIR="$build" -DRUN_DIR="$scratch/run" -DSTAGE_DIR="$scratch/stage" \
    -DFILE_LIST="$scratch/files.txt" -P "$source/cmake/update-run-folder.cmake" >/dev/null
}
fail() { echo "run folder: $*" >&2; exit 1; }

update
run=$scratch/run
for f in nigaoe.exe kao-1-001.bmp help/editor.html help/preview.html; do [ -f "$run/$f" ] || fail "no $f"; done
[ -d "$run/phot" ] && [ -z "$(ls -A "$run/phot")" ] || fail "phot is missing or not empty"
[ "$(ls "$run/kao")" = "$(ls "$build/nigaoe/kao")" ] || fail "kao differs from the program folder's"

touch "$run/phot/portrait.bmp" "$run/kao/kao-3-900.bmp" "$run/kao/kao-3-999.bmp"
echo kao/kao-3-999.bmp >>"$scratch/files.txt"  # as if the package had held it
update
[ -f "$run/phot/portrait.bmp" ] || fail "a saved portrait was removed"
[ -f "$run/kao/kao-3-900.bmp" ] || fail "a part the user added was removed"
[ ! -e "$run/kao/kao-3-999.bmp" ] || fail "a part the package dropped stayed"
echo "run folder: updated from the package, the user's files kept"
