#!/usr/bin/env bash
# Runs the Windows build's tests under Wine: a fresh prefix inside the build tree, set up once with
# wineboot, then CTest (whose emulator is scripts/wine-run.sh). Run it under an X server (xvfb-run -a).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
zw_wine_env "$PWD/build/windows/wineprefix"
zw_wine_fresh_prefix
status=0
ctest --preset windows "$@" || status=$?
wineserver -k >/dev/null 2>&1 || true
wineserver -w || true
exit $status
