#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's own prefix (WINEPREFIX, made by scripts/test.sh
# with wineboot). Used as CMake's cross-compiling emulator, so CTest runs the Windows tests through it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
# Wine maps Windows file names to Unix ones in the locale's character set: names such as "Zähne" need UTF-8.
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LC_ALL=C.UTF-8
export WINEPREFIX=${WINEPREFIX:-$here/build/windows/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec wine "$@"
