#!/usr/bin/env bash
# Shows the editor at the display scales 96, 144 and 192 dpi (100, 150 and
# 200 %), set as winecfg sets them, in a virtual display and a prefix of its
# own, and drives it with real input events at each: おまかせ (F5), 目, a
# click on the second eye thumbnail, a drag of the portrait 10 canvas pixels
# right and 5 down, 拡大表示 (Ctrl++) and the same drag at 2倍 (4x on the
# screen at 192 dpi). That the clicks landed it checks in the portrait the
# editor keeps for recovery: the second eyes chosen, and one part moved by
# exactly 10 and 5 canvas pixels by each drag; and the zoom in the
# settings. Leaves a picture of the editor after each drag in build/scales
# (editor-<dpi>.png and editor-<dpi>-zoomed.png), for a look that the cells
# sit in the palette's frame and the canvas fills its frame. Run by hand;
# builds first when the program is missing. Exits non-zero when a step fails.
set -euo pipefail
. "$(dirname "$0")/common.sh"
. "$(dirname "$0")/drive.sh"
program="$build/nigaoe"
locate="$build/tests/window_locate.exe"
out="$build/scales"
build_unless_there "$program/nigaoe.exe" "$locate"

export WINEPREFIX="$build/scales-wineprefix"
rm -rf "$out"
mkdir -p "$out"
trap stop_all EXIT
start_display 2400x1500
start_wineserver
unmanaged_windows

# The portrait as the editor last kept it for recovery (it keeps it within a
# second of a change).
kept() {
  sleep 1.5
  cat "$WINEPREFIX"/drive_c/users/*/AppData/Local/Nigaoe/Recovery/*.nigaoe-recovery 2>/dev/null | tr -d '\r'
}
# Every part's heading with its position, one line each.
positions() { awk '/^(layer|piece) /{part=$0} /^position /{print part, $2, $3}'; }

# drag <zoom> <portrait before>: a drag with the mouse from the start
# canvas's middle by 10 and 5 canvas pixels, in steps, at the zoom the
# window shows; then exactly one part must have moved by as much. A canvas
# pixel is the zoom times the whole part of the scale wide on the screen.
drag() {
  local blocks=$(($1 * (dpi / 96))) x y moved x0 y0 x1 y1
  read -r x y <<<"$(where canvas "$1")"
  x=$((x + 40 * blocks))
  y=$((y + 50 * blocks))
  xdotool mousemove "$x" "$y" mousedown 1
  sleep 0.2
  xdotool mousemove $((x + 5 * blocks)) $((y + 2 * blocks))
  sleep 0.2
  xdotool mousemove $((x + 10 * blocks)) $((y + 5 * blocks)) mouseup 1
  moved=$(diff <(positions <<<"$2") <(positions <<<"$(kept)") | grep '^[<>]' || true)
  read -r _ _ _ x0 y0 <<<"$(sed -n 1p <<<"$moved")"
  read -r _ _ _ x1 y1 <<<"$(sed -n 2p <<<"$moved")"
  [ "$(wc -l <<<"$moved")" = 2 ] && [ $((x1 - x0)) = 10 ] && [ $((y1 - y0)) = 5 ] ||
    fail "at $dpi dpi and ${1}倍 the drag did not move one part by 10 and 5 canvas pixels: $moved"
}

# shot <file>: the editor's window, cut out of the screen.
shot() {
  local left top width height
  read -r left top width height <<<"$(where window)" || fail "no editor to show"
  xdotool mousemove 0 0
  sleep 0.5
  import -window root -crop "${width}x${height}+${left}+${top}" +repage "$1"
}

for dpi in 96 144 192; do
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  # Each scale starts afresh: no zoom or work kept from the last.
  rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/{Local,Roaming}/Nigaoe
  (cd "$program" && exec wine nigaoe.exe >/dev/null 2>&1) &
  program_pid=$!
  where window >/dev/null || fail "the editor did not open at $dpi dpi"
  sleep 1
  xdotool key F5
  sleep 0.5
  click button 5003
  click cell 1
  second_eyes=$(ls "$program/kao" | LC_ALL=C sort | grep '^kao-3-' | sed -n 2p)
  before=$(kept)
  grep -A1 -x 'layer eyes' <<<"$before" | grep -q -F -x "file kao\\$second_eyes" ||
    fail "at $dpi dpi the click on the second thumbnail did not choose $second_eyes"
  drag 1 "$before"
  shot "$out/editor-$dpi.png"
  xdotool key --clearmodifiers ctrl+equal
  sleep 1
  iconv -f UTF-16 -t UTF-8 "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Nigaoe/nigaoe.ini 2>/dev/null |
    tr -d '\r' | grep -q -x 'Zoom=2' || fail "at $dpi dpi Ctrl++ did not zoom to 2倍"
  drag 2 "$(kept)"
  shot "$out/editor-$dpi-zoomed.png"
  kill "$program_pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.2; done
done
echo "scales: the clicks and both drags landed at 96, 144 and 192 dpi; pictures in $out"
