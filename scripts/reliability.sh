#!/usr/bin/env bash
# The full reliability figures of the product database, with the settings tool as real processes:
# 20 writers x 100 sets (5 of them on one shared key) with 4 readers; 100 kill -9 of writers of values up
# to 8 MB; 100 kill -9 of create-database; 100 kill -9 of change-password; 6 writers x 50 sets while the
# password is changed back and forth. Installs and builds what it needs, like scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target zwsettings zw_reliability
runs=$(mktemp -d)
trap 'rm -rf "$runs"' EXIT
status=0
tool=build/native/zwsettings
build/native/zw_reliability "$tool" "$runs/contention" contention "${WRITERS:-20}" "${SETS:-100}" "${READERS:-4}" || status=1
build/native/zw_reliability "$tool" "$runs/kill-writer" kill-writer "${KILLS:-100}" $((8 * 1024 * 1024)) || status=1
build/native/zw_reliability "$tool" "$runs/kill-create" kill-create "${KILLS:-100}" || status=1
build/native/zw_reliability "$tool" "$runs/kill-rekey" kill-rekey "${KILLS:-100}" || status=1
build/native/zw_reliability "$tool" "$runs/rekey-contention" rekey-contention "${REKEY_WRITERS:-6}" "${REKEY_SETS:-50}" || status=1
exit $status
