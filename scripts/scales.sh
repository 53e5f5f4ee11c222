#!/usr/bin/env bash
# Shows the editor at the display scales 96, 144 and 192 dpi (100, 150 and
# 200 %), set as winecfg sets them, in a virtual display and a prefix of its
# own, and drives it with real input events at each: おまかせ (F5), 目, a
# click on the second eye thumbnail, a drag of the portrait 10 canvas pixels
# right and 5 down, and 拡大表示 (Ctrl++). Leaves a picture of the editor
# after the drag and after the zoom in build/scales (editor-<dpi>.png and
# editor-<dpi>-zoomed.png), for a look that the cells sit in the palette's
# frame, the canvas fills its frame and the clicks landed. Run by hand;
# builds first when the program is missing. Exits non-zero when a step fails.
set -euo pipefail
. "$(dirname "$0")/common.sh"
. "$(dirname "$0")/drive.sh"
program="$build/nigaoe"
locate="$build/tests/window_locate.exe"
out="$build/scales"
if [ ! -f "$program/nigaoe.exe" ] || [ ! -f "$locate" ]; then
  "$top/scripts/setup-deps.sh"
  mkdir -p "$build"
  configure_and_build
fi

export WINEPREFIX="$build/scales-wineprefix"
rm -rf "$out"
mkdir -p "$out"
trap stop_all EXIT
start_display 2400x1500
start_wineserver
unmanaged_windows

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
  # The canvas's pixel blocks are the whole part of the scale.
  blocks=$((dpi / 96))
  read -r x y <<<"$(where canvas)"
  x=$((x + 40 * blocks))
  y=$((y + 50 * blocks))
  xdotool mousemove "$x" "$y" mousedown 1
  sleep 0.2
  xdotool mousemove $((x + 5 * blocks)) $((y + 2 * blocks))
  sleep 0.2
  xdotool mousemove $((x + 10 * blocks)) $((y + 5 * blocks)) mouseup 1
  sleep 0.5
  shot "$out/editor-$dpi.png"
  xdotool key --clearmodifiers ctrl+equal
  sleep 1
  shot "$out/editor-$dpi-zoomed.png"
  kill "$program_pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.2; done
done
echo "scales: pictures in $out"
