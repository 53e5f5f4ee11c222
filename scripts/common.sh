# Shared by run.sh and test.sh: configure and build, start and stop a virtual
# display and a persistent wineserver.
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${BUILD_DIR:-$top/build}"

export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

# Build messages in English whatever the Japanese locale for Wine says.
# Arguments go to the build, e.g. --target nigaoe.
configure_and_build() {
  LANG=C.UTF-8 LC_ALL=C.UTF-8 cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" >"$build/configure.log" 2>&1 \
    || { cat "$build/configure.log"; return 1; }
  LANG=C.UTF-8 LC_ALL=C.UTF-8 cmake --build "$build" -j"$(nproc)" "$@"
}

xvfb_pid=""
# start_display [WIDTHxHEIGHT]: 1024 x 768 unless told.
start_display() {
  local n=90 size=${1:-1024x768}
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  if ! kill -0 "$xvfb_pid" 2>/dev/null || [ ! -e "/tmp/.X11-unix/X$n" ]; then
    echo "$(basename "$0" .sh): the virtual display (Xvfb :$n) did not start" >&2
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
    return 1
  fi
}

start_wineserver() {
  mkdir -p "$WINEPREFIX"
  [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1 || true
  wineserver -p >/dev/null 2>&1 </dev/null || true
  # Start Wine's own background processes now, with no output to hold open:
  # started by a test they would inherit its output pipe and keep ctest
  # waiting for an end of file that never comes.
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

# Windows of the prefix as the X server's own, not a window manager's: with
# no window manager on the virtual display Wine otherwise waits about 2 s
# whenever a dialog closes. For the tests' prefix; the demonstration clicks
# with xdotool and keeps the default.
unmanaged_windows() {
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
}

# Help pages open in the desktop's browser: .html and .htm as htmlfile,
# whose open command in a prefix is winebrowser, which hands the page to
# xdg-open. A fresh prefix has neither association, and the shell then falls
# back to Wine's own browser, which shows a blank page with its HTML engine
# switched off (WINEDLLOVERRIDES above).
associate_help_pages() {
  local kind
  for kind in .html .htm; do
    wine reg add "HKCR\\$kind" /ve /d htmlfile /f >/dev/null 2>&1 </dev/null || true
  done
}

stop_all() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
}
