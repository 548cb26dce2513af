#!/usr/bin/env bash
# Every test, on a fresh machine: installs what is missing, builds both presets, runs the native unit
# tests, then the Windows build's unit and end-to-end tests under Wine in Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset windows >/dev/null
cmake --build --preset windows
xvfb-run -a -s "-screen 0 1280x1024x24" scripts/windows-tests.sh
