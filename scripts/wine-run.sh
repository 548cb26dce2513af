#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's own prefix (WINEPREFIX, made by
# scripts/windows-tests.sh). Used as CMake's cross-compiling emulator, so CTest runs the Windows tests
# through it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/scripts/wine-env.sh"
zw_wine_env "${WINEPREFIX:-$here/build/windows/wineprefix}"
exec wine "$@"
