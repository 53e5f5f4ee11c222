#!/usr/bin/env bash
# Makes the pictures the README shows, from the real program: three finished
# portraits built from the bundled parts by real clicks in the editor, in a
# virtual display of its own, each saved through the preview window and the
# Save-As dialog; a screenshot of the editor with the last one; and the
# overview of every bundled part that the build draws. Faces and hair are
# coloured from the colour dialog's custom colours. Writes docs/portrait-1.png
# to docs/portrait-3.png (three times the size, pixels kept square), the
# first also exported through the menu at 4x as a PNG with a transparent
# background (docs/portrait-1-4x.png), docs/editor.png, the editor at 4x
# with the grid (docs/editor-4x.png) and
# docs/part-library.png (twice the size). Run by hand;
# builds first when the program is missing. Exits non-zero when a step fails.
set -euo pipefail
. "$(dirname "$0")/common.sh"
. "$(dirname "$0")/drive.sh"
program="$build/nigaoe"
locate="$build/tests/window_locate.exe"
overview="$build/generated/part-library.bmp"
out="$build/portraits"
docs="$top/docs"
build_unless_there "$program/nigaoe.exe" "$locate" "$overview"

# A prefix of its own, so that stopping its wineserver touches nothing else.
export WINEPREFIX="$build/portraits-wineprefix"
rm -rf "$out"
mkdir -p "$out"
trap stop_all EXIT
start_display
start_wineserver
forget_recovery
unmanaged_windows


# The button of a category: 5000 plus the value of the category's digit in
# the part file names (kao-b-... is the hair, 5011).
category_button() { echo $((5000 + 16#$1)); }

# choose <digit> <rest>: chooses kao-<digit>-<rest>.bmp in the palette, which
# lists a category's files in name order, five to a page.
choose() {
  local index
  index=$(ls "$program/kao" | LC_ALL=C sort | grep "^kao-$1-" | grep -n -x "kao-$1-$2.bmp" | cut -d: -f1 || true)
  [ -n "$index" ] || fail "no part kao-$1-$2.bmp"
  click button "$(category_button "$1")"
  for _ in $(seq $(((index - 1) / 5))); do click button 132; done
  local cell=$(((index - 1) % 5)) x y
  read -r x y <<<"$(where cell $cell)" || fail "no palette cell $cell"
  # Under Wine's dialog font the window ends inside the last cell of a page:
  # click that one near its left edge.
  [ "$cell" = 4 ] && x=$((x - 34))
  xdotool mousemove "$x" "$y" click 1
  sleep 0.3
}

# colour <digit> <rrggbb>: gives the category's part the custom colour
# rrggbb, found on the open colour dialog by its pixels; <rrggbb> may also be
# <row>,<column> of a basic colour.
colour() {
  local left top right bottom found x y
  click button "$(category_button "$1")"
  click button 120
  read -r left top <<<"$(where colour 0 0)" || fail "no colour dialog"
  if [ "${2#*,}" != "$2" ]; then
    click colour "${2%,*}" "${2#*,}"
  else
    read -r right bottom <<<"$(where colour 5 7)"
    sleep 0.3
    import -window root "$out/dialog.png"
    # The custom colours lie below the basic ones, as wide.
    found=$(convert "$out/dialog.png" -crop "$((right - left + 40))x120+$((left - 20))+$((bottom + 8))" +repage txt:- |
      grep -m1 -i "#$2" || true)
    [ -n "$found" ] || fail "custom colour $2 not on the dialog"
    x=${found%%,*}
    y=${found#*,}
    y=${y%%:*}
    xdotool mousemove $((left - 20 + x + 3)) $((bottom + 8 + y + 3)) click 1
    sleep 0.3
  fi
  click colour-ok
  gone colour-ok || fail "the colour dialog stayed open"
  # The first click after the dialog only brings the editor back to the front.
  sleep 1
  click canvas
}

# export_png <file>: exports the portrait through the menu's 画像の書き出し
# (Ctrl+E) at the options window's 4x, with a transparent background.
export_png() {
  local options dialog
  xdotool key --clearmodifiers ctrl+e
  options=$(timeout 20 xdotool search --sync --onlyvisible --name "画像の書き出し" | head -n 1) || fail "no export options"
  xdotool windowfocus --sync "$options" 2>/dev/null || true
  sleep 0.5
  xdotool key --clearmodifiers Tab space Return  # the transparent box, then OK
  # The Save-As dialog that follows has the same title.
  for _ in $(seq 100); do
    dialog=$(xdotool search --onlyvisible --name "画像の書き出し" 2>/dev/null | grep -v -x "$options" | head -n 1 || true)
    [ -n "$dialog" ] && break
    sleep 0.2
  done
  [ -n "$dialog" ] || fail "no Save-As dialog for the export"
  save_as "$dialog" "$1"
}

# portrait <n> <steps...>: starts the editor, runs the steps (choose or
# colour, as "c:<digit>:<rest>" and "k:<digit>:<rrggbb or row,column>"), saves the
# portrait as $out/portrait-<n>.bmp and closes the editor.
portrait() {
  local n=$1 step
  shift
  (cd "$program" && exec wine nigaoe.exe >/dev/null 2>&1) &
  local program_pid=$!
  where window >/dev/null || fail "the editor did not open"
  sleep 1
  for step in "$@"; do
    IFS=: read -r what digit value <<<"$step"
    case $what in
      c) choose "$digit" "$value" ;;
      k) colour "$digit" "$value" ;;
    esac
  done
  click button 5001  # back to the faces, for the screenshot's palette
  xdotool mousemove 0 0
  sleep 0.5
  import -window root "$out/screen-$n.png"
  where window >"$out/window-$n.txt"
  if [ "$n" = 3 ]; then  # the same at 4x with the grid, then back to 1x, which the settings keep
    xdotool key --clearmodifiers ctrl+equal ctrl+equal ctrl+equal
    sleep 1
    import -window root "$out/screen-4x.png"
    where window >"$out/window-4x.txt"
    xdotool key --clearmodifiers ctrl+0
    sleep 0.5
  fi

  click button 133  # 保存: capture and preview
  click preview 107 # the preview's 保存
  local dialog
  dialog=$(timeout 20 xdotool search --sync --onlyvisible --name "ファイルの保存") || fail "no Save-As dialog"
  save_as "${dialog%%$'\n'*}" "$out/portrait-$n.bmp"
  [ "$n" = 1 ] && export_png "$out/portrait-1-4x.png"
  click button 134  # 閉じる, and the changes are not kept
  dont_save
  for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.2; done
  kill -0 "$program_pid" 2>/dev/null && fail "the editor did not end"
  echo "portraits: portrait $n saved"
}

# A young woman: heart-shaped face, long wavy auburn hair, blue eyes, lips
# and blush.
portrait 1 c:1:006 k:1:F8D6BA c:b:010 k:b:A43E22 c:3:014 k:3:1,5 c:4:003 k:4:A43E22 c:5:007 c:6:006 c:2:011
# An old gentleman: the elderly face in the new-face colour, a fringe of
# grey hair under a top hat, bushy brows, a handlebar moustache, wrinkles.
portrait 2 c:1:011 c:b:009 k:b:969696 c:3:007 c:4:006 k:4:969696 c:5:013 c:6:001 c:7:003 c:9:002 k:9:969696 \
  c:2:00b c:2:114 c:2:002
# A bearded man: square jaw, curls, a boxed beard, glasses and a grin.
portrait 3 c:1:004 k:1:A66E4A c:b:007 c:3:001 c:4:002 c:5:003 c:6:013 c:a:011 c:c:002

for n in 1 2 3; do convert "$out/portrait-$n.bmp" -scale 300% "$docs/portrait-$n.png"; done
cp "$out/portrait-1-4x.png" "$docs/portrait-1-4x.png"
read -r left top width height <"$out/window-3.txt"
convert "$out/screen-3.png" -crop "${width}x${height}+${left}+${top}" +repage "$docs/editor.png"
read -r left top width height <"$out/window-4x.txt"
convert "$out/screen-4x.png" -crop "${width}x${height}+${left}+${top}" +repage "$docs/editor-4x.png"
convert "$overview" -scale 200% "$docs/part-library.png"
echo "portraits: wrote $docs/portrait-1.png to portrait-3.png, portrait-1-4x.png, editor.png, editor-4x.png and part-library.png"
