#!/usr/bin/env bash
# A short demonstration of the real program, driven by real input events in
# a virtual display of its own: it builds a portrait from the bundled parts
# (face, hair with its back half, recoloured in the colour dialog, eyes,
# eyebrows, nose, mouth, ears), takes a screenshot of the editor, saves the
# portrait through the preview window and the Save-As dialog, and checks the
# saved file, read back by ImageMagick, against the canvas pixel for pixel.
# Leaves $BUILD_DIR/demo/editor.png and $BUILD_DIR/demo/portrait.bmp
# (default build/) and prints both paths. Builds first when the program is
# missing. Exits non-zero when any step fails.
set -euo pipefail
. "$(dirname "$0")/common.sh"
. "$(dirname "$0")/drive.sh"
program="$build/nigaoe"
locate="$build/tests/window_locate.exe"
out="$build/demo"
build_unless_there "$program/nigaoe.exe" "$locate"

# A prefix of its own: its wineserver and every process in it belong to this
# script alone, so stopping them touches no test running beside it.
export WINEPREFIX="$build/demo-wineprefix"
rm -rf "$out"
mkdir -p "$out"
trap stop_all EXIT
start_display
start_wineserver
forget_recovery

choose() {  # choose <category button id> <cell>: a thumbnail of that category
  click button "$1"
  click cell "$2"
}

(cd "$program" && exec wine nigaoe.exe >/dev/null 2>&1) &
program_pid=$!
where window >/dev/null || fail "the editor did not open"
sleep 1

choose 5001 0   # 顔 face
choose 5011 2   # 髪 hair: long and straight, with its back half
choose 5003 0   # 目 eyes
choose 5004 0   # 眉 eyebrows
choose 5005 0   # 鼻 nose
choose 5006 0   # 口 mouth
choose 5007 0   # 耳 ears
click button 5011  # back to the hair category, to colour it
click button 120  # 色 colour: a brown from the colour dialog's basic colours
click colour 4 1
click colour-ok
gone colour-ok || fail "the colour dialog stayed open"
# The first click after the dialog only brings the editor back to the front.
sleep 1
click canvas
xdotool mousemove 0 0
sleep 0.5

import -window root "$out/screen.png"
read -r left top width height <<<"$(where window)"
convert "$out/screen.png" -crop "${width}x${height}+${left}+${top}" +repage "$out/editor.png"
read -r cx cy <<<"$(where canvas)"
convert "$out/screen.png" -crop "80x100+$cx+$cy" +repage "$out/canvas.png"

click button 133  # 保存: capture and preview
click preview 107 # the preview's 保存
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name "ファイルの保存") || fail "no Save-As dialog"
save_as "${dialog%%$'\n'*}" "$out/portrait.bmp"

size=$(stat -c %s "$out/portrait.bmp")
[ "$size" = 24054 ] || fail "the file is $size bytes, not 24054"
differing=$(compare -metric AE "$out/portrait.bmp" "$out/canvas.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "$differing pixels of the file differ from the canvas (see $out)"
colours=$(convert "$out/portrait.bmp" -format %k info:)
[ "$colours" -ge 4 ] || fail "the saved portrait has only $colours colours"
echo "demo: the saved file equals the canvas pixel for pixel ($colours colours)"

click button 134  # 閉じる: the portrait has changes, so the editor asks first
dont_save
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$program_pid" 2>/dev/null && fail "the program did not end"
echo "Screenshot of the editor: $out/editor.png"
echo "Saved portrait: $out/portrait.bmp"
