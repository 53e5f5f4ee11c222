#!/usr/bin/env bash
# End-to-end save: starts the real program from its program folder in a
# virtual display of its own, presses "保存" in the editor and "保存" in the
# preview with real mouse clicks, types a file name into the real Save-As
# dialog and presses Enter, then reads the written file back with
# ImageMagick and compares it pixel for pixel with a screenshot of the
# editor's canvas taken just before the capture.
# Leaves the file at $BUILD_DIR/e2e-save/portrait.bmp (default build/), with
# the screenshots beside it. Builds first only when something is missing.
set -eu
. "$(dirname "$0")/common.sh"
program="$build/nigaoe"
locate="$build/tests/export/e2e_locate.exe"
editor_locate="$build/tests/render/screenshot_locate.exe"
out="$build/e2e-save"
if [ ! -f "$program/nigaoe.exe" ] || [ ! -f "$locate" ] || [ ! -f "$editor_locate" ]; then
  "$top/scripts/setup-deps.sh"
  mkdir -p "$build"
  configure_and_build
fi

# A prefix of its own: its wineserver and every process in it belong to this
# script alone, so stopping them touches no test running beside it.
export WINEPREFIX="$build/e2e-wineprefix"
rm -rf "$out"
mkdir -p "$out"
trap stop_all EXIT
start_display
start_wineserver

fail() {
  echo "e2e-save: $*" >&2
  import -window root "$out/failure.png" 2>/dev/null || true
  exit 1
}

# Waits until the helper finds what it is asked for; prints "x y".
where() {
  local helper=$1 at
  shift
  for _ in $(seq 100); do
    if at=$(wine "$helper" "$@" 2>/dev/null); then echo "${at%$'\r'}"; return 0; fi
    sleep 0.2
  done
  return 1
}
click() {
  local at
  at=$(where "$@") || fail "nothing to click for: ${*:2}"
  xdotool mousemove $at click 1
  sleep 0.2
}

(cd "$program" && exec wine nigaoe.exe >/dev/null 2>&1) &
program_pid=$!

start=$(where "$locate" canvas) || fail "the editor did not open"
sleep 0.5
# A face on the canvas when the program folder has one; without part files
# the canvas stays plain, which is just as good to compare.
click "$editor_locate" button 5001
click "$editor_locate" cell 0
# Narrow and shorten the canvas by 20 pixels: the capture is 80 x 100 at its
# top-left corner whatever its size, so the picture then holds the canvas's
# edges and the window around them too.
for _ in $(seq 10); do
  click "$editor_locate" button 111
  click "$editor_locate" button 112
done
read -r sx sy <<<"$start"
cx=$((sx + 10)) cy=$((sy + 10))
xdotool mousemove 0 0
sleep 0.5
import -window root "$out/screen-before.png"
convert "$out/screen-before.png" -crop "80x100+$cx+$cy" +repage "$out/canvas.png"

click "$editor_locate" button 133
where "$locate" preview 107 >/dev/null || fail "no preview window"
sleep 0.5
import -window root "$out/screen-preview.png"
click "$locate" preview 107
dialog=$(xdotool search --sync --onlyvisible --name "ファイルの保存" | head -n 1) || fail "no Save-As dialog"
xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus --sync "$dialog"
sleep 0.5
target=$(winepath -w "$out/portrait.bmp" 2>/dev/null)
target=${target%$'\r'}
# The name box has the focus and holds the proposal: replace it.
xdotool key --clearmodifiers End shift+Home BackSpace
xdotool type --delay 20 "$target"
xdotool key Return

for _ in $(seq 50); do [ -s "$out/portrait.bmp" ] && break; sleep 0.2; done
[ -s "$out/portrait.bmp" ] || fail "no file written at $out/portrait.bmp"
sleep 0.5

size=$(stat -c %s "$out/portrait.bmp")
[ "$size" = 24054 ] || fail "the file is $size bytes, not 24054"
bits=$(od -A n -t u2 -j 28 -N 2 "$out/portrait.bmp" | tr -d ' ')
[ "$bits" = 24 ] || fail "the file has $bits bits a pixel, not 24"
geometry=$(identify -format '%w x %h %m' "$out/portrait.bmp")
echo "e2e-save: $out/portrait.bmp: $geometry, 24 bits a pixel, $size bytes"
differing=$(compare -metric AE "$out/portrait.bmp" "$out/canvas.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "$differing pixels differ from the canvas (see $out)"
colours=$(convert "$out/portrait.bmp" -format %k info:)
echo "e2e-save: the file equals the canvas pixel for pixel ($colours colours)"

# The preview ended with the save; closing the editor ends the program.
click "$editor_locate" button 134
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$program_pid" 2>/dev/null; then kill "$program_pid"; fail "the program did not end"; fi
echo "e2e-save: passed"
