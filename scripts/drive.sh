# Shared by the scripts that drive the real program with real input events
# (demo.sh, portraits.sh, scales.sh). They set $locate (the window locator)
# and $out (where a screenshot of a failure goes) before using these.

build_unless_there() {  # build_unless_there <file>...: builds everything first when one is missing
  local file
  for file in "$@"; do
    [ -f "$file" ] && continue
    "$top/scripts/setup-deps.sh"
    mkdir -p "$build"
    configure_and_build
    return
  done
}
fail() {
  echo "$(basename "$0" .sh): $*" >&2
  import -window root "$out/failure.png" 2>/dev/null || true
  exit 1
}
where() {  # waits until the locator finds what is asked for; prints it
  local at
  for _ in $(seq 100); do
    if at=$(wine "$locate" "$@" 2>/dev/null); then echo "${at%$'\r'}"; return 0; fi
    sleep 0.2
  done
  return 1
}
gone() {  # waits until the locator no longer finds it
  for _ in $(seq 100); do
    wine "$locate" "$@" >/dev/null 2>&1 || return 0
    sleep 0.2
  done
  return 1
}
click() {
  local at
  at=$(where "$@") || fail "nothing to click at: $*"
  xdotool mousemove $at click 1
  sleep 0.3
}
save_as() {  # save_as <dialog window> <file>: answers a Save-As dialog with file and waits for it
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  sleep 0.5
  local target
  target=$(winepath -w "$2" 2>/dev/null | tr -d '\r')
  # The name box has the focus and holds the proposal: replace it.
  xdotool key --clearmodifiers End shift+Home BackSpace
  xdotool type --delay 20 "$target"
  xdotool key Return
  for _ in $(seq 50); do [ -s "$2" ] && break; sleep 0.2; done
  [ -s "$2" ] || fail "no file written at $2"
  sleep 0.5
}
dont_save() {  # answers the editor's "save the changes?" with 保存しない
  click question 7
}
forget_recovery() {  # a run killed earlier leaves work to offer back: this prefix's editors start afresh
  rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Local/Nigaoe/Recovery
}
