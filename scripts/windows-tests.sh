#!/usr/bin/env bash
# Runs the Windows build's tests under Wine: a fresh prefix inside the build tree, set up once with
# wineboot, then CTest (whose emulator is scripts/wine-run.sh). Run it under an X server (xvfb-run -a).
set -euo pipefail
cd "$(dirname "$0")/.."
# Wine maps Windows file names to Unix ones in the locale's character set: names such as "Zähne" need UTF-8.
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LC_ALL=C.UTF-8
export WINEPREFIX=$PWD/build/windows/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
# A program that crashes ends at once with its backtrace on standard error, instead of waiting under the
# X server for someone to close Wine's crash dialog.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -w
status=0
ctest --preset windows "$@" || status=$?
wineserver -k >/dev/null 2>&1 || true
wineserver -w || true
exit $status
