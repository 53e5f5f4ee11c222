#!/usr/bin/env bash
# Runs a Windows program under Wine with the environment the program needs:
# a prefix inside the build folder, the Japanese locale (ANSI code page 932),
# no .NET or HTML engine prompts. Used as CMake's cross-compiling emulator.
# WINEPREFIX may be set by the caller; otherwise the prefix lives beside the
# build tree's CMakeCache.txt found from the current directory upwards.
set -eu
if [ -z "${WINEPREFIX:-}" ]; then
  dir=$PWD
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ -f "$dir/CMakeCache.txt" ] || dir=$PWD
  export WINEPREFIX="$dir/wineprefix"
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# NIGAOE_LOCALE runs a program under another locale (and code page).
export LANG="${NIGAOE_LOCALE:-ja_JP.UTF-8}" LC_ALL="${NIGAOE_LOCALE:-ja_JP.UTF-8}"
export WINEARCH=win64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  # No window manager on the tests' display: see unmanaged_windows in common.sh.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
fi
exec wine "$@"
