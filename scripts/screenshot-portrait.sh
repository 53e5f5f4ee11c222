#!/usr/bin/env bash
# Builds the program, draws a small set of part bitmaps of its own into a
# temporary program folder, starts the real editor there in a virtual
# display, chooses a face, hair, eyes, eyebrows, nose, mouth, ears and
# cheeks with real mouse clicks on the category buttons and the
# palette, turns the eyebrows a little, and leaves a screenshot of the
# editor. Prints the screenshot's path: $BUILD_DIR/screenshot/portrait.png
# (default build/), with the whole screen beside it as screen.png.
set -eu
. "$(dirname "$0")/common.sh"
"$top/scripts/setup-deps.sh"
mkdir -p "$build"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" >"$build/configure.log" 2>&1 \
  || { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j"$(nproc)" --target nigaoe screenshot_locate >/dev/null
locate="$build/tests/render/screenshot_locate.exe"
out="$build/screenshot"
rm -rf "$out"
mkdir -p "$out"

# The program folder: the program, kao\ with the parts, and the face that
# the hair thumbnails are drawn on. Pure white is transparent and pure black
# takes the part's colour, so the drawings use no smoothing.
folder=$(mktemp -d)
cp "$build/nigaoe/nigaoe.exe" "$folder/"
mkdir "$folder/kao"
part() {  # part <file> <width> <height> <ImageMagick drawing options...>
  local file=$1 size="$2x$3"
  shift 3
  convert -size "$size" xc:white +antialias "$@" -type TrueColor "BMP3:$folder/kao/$file"
}
part kao-1-001.bmp 80 100 -fill '#f0d8c0' -stroke black -strokewidth 2 -draw 'ellipse 40,52 29,39 0,360'
cp "$folder/kao/kao-1-001.bmp" "$folder/kao-1-001.bmp"
part kao-b-001.bmp 80 100 -fill black -draw 'ellipse 40,30 32,22 180,360' \
  -draw 'rectangle 8,29 20,40' -draw 'rectangle 60,29 72,40'
part kao-0-001.bmp 80 100 -fill black -draw 'rectangle 8,30 72,46'
part kao-3-001.bmp 14 9 -fill white -stroke black -draw 'ellipse 7,4 6,4 0,360' \
  -fill black -draw 'rectangle 5,2 8,6'
part kao-4-001.bmp 16 4 -fill black -draw 'rectangle 0,1 15,3'
part kao-5-001.bmp 10 16 -stroke black -draw 'line 4,0 1,12' -draw 'line 1,12 6,15' -draw 'line 6,15 9,13'
part kao-6-001.bmp 24 8 -fill white -stroke black -draw 'arc 0,-8 23,7 20,160'
part kao-7-001.bmp 8 18 -fill white -stroke black -draw 'ellipse 4,9 3,8 90,270' -draw 'line 4,1 4,17'
part kao-2-010.bmp 8 6 -fill '#f08080' -draw 'ellipse 4,3 3,2 0,360'

export WINEPREFIX="$build/screenshot-wineprefix"
trap 'stop_all; rm -rf "$folder"' EXIT
start_display
start_wineserver

where() {  # waits until the editor shows what is asked for; prints its position
  local at
  for _ in $(seq 100); do
    if at=$(wine "$locate" "$@" 2>/dev/null); then echo "${at%$'\r'}"; return 0; fi
    sleep 0.2
  done
  echo "screenshot-portrait: the editor shows no $*" >&2
  return 1
}
click() {
  local at
  at=$(where "$@")
  xdotool mousemove $at click 1
  sleep 0.4
}
choose() {  # choose <category button id>: the first thumbnail of that category
  click button "$1"
  click cell 0
}

(cd "$folder" && exec wine nigaoe.exe >/dev/null 2>&1) &
where window >/dev/null
sleep 1
choose 5001  # face
choose 5011  # hair, with its back hair
choose 5003  # eyes
choose 5004  # eyebrows
click button 117  # turned right, twice
click button 117
choose 5005  # nose
choose 5006  # mouth
choose 5007  # ears
choose 5002  # cheeks, a pair piece coloured from its own pixels
xdotool mousemove 0 0
sleep 1
import -window root "$out/screen.png"
read -r left top width height <<<"$(where window)"
convert "$out/screen.png" -crop "${width}x${height}+${left}+${top}" +repage "$out/portrait.png"
click button 134  # close
echo "$out/portrait.png"
