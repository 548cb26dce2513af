#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's own prefix (WINEPREFIX, made by scripts/test.sh
# with wineboot). Used as CMake's cross-compiling emulator, so CTest runs the Windows tests through it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/windows/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec wine "$@"
