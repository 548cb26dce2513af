#!/usr/bin/env bash
# How long `ZWSettings.exe check-station` takes as a process under Wine, as a logon script starts it: from
# starting the process to its end, on a database of 200 workstations, for a station whose programs are all
# there and for one whose program is gone (then detect looks for it), with and without --record. Beside it,
# `ZWSettings.exe --version`: what starting any process costs under Wine here, and `list`: what opening the
# database adds. Medians and maxima of N rounds after one warm-up, with a running wineserver (Windows has no
# such start).
#
#   bench/check_station_timing.sh [ROUNDS]     (default 15; needs build/windows, run under xvfb-run -a)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-15}
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LC_ALL=C.UTF-8
bench=$PWD/build/bench/check-station
export WINEPREFIX=$bench/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset ZELT_DB_PASSWORD
mkdir -p "$bench"
[ -f "$WINEPREFIX/system.reg" ] || { wineboot --init >/dev/null 2>&1; wineserver -w; }
wineserver -p
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
cp build/windows/ZWSettings.exe "$bench/"
folder=$bench/folder
rm -rf "$folder"
mkdir -p "$folder/CDR"
touch "$folder/CDR/NCDR.EXE"
cd "$folder"
tool() { wine "$bench/ZWSettings.exe" "$@"; }
tool create-database ZELTWIN.MDB >/dev/null
{
    printf '{"format": 1, "stations": [\n'
    for i in $(seq -w 1 200); do
        printf '{"station": "WS%s", "xray": "VIPERSOFT\\n\\n\\rDI_GENDEX\\n\\n\\r", "probe": null},\n' "$i"
    done
    printf '{"station": "OK", "xray": "SCHICK\\nZ:%s\\\\CDR\\\\NCDR.EXE\\n\\rVIPERSOFT\\n\\n\\r", "probe": null},\n' \
        "$(sed 's|/|\\\\\\\\|g' <<<"$folder")"
    printf '{"station": "BROKEN", "xray": "DEXIS\\nC:\\\\Gone\\\\DEXIS.EXE\\n\\r", "probe": null}\n]}\n'
} >practice.json
tool import practice.json >/dev/null

# measure LABEL STATION ARGUMENTS...: LABEL, then the median and maximum wall-clock time in milliseconds.
measure() {
    local label=$1 station=$2
    shift 2
    local times=() TIMEFORMAT='%3R'
    for round in $(seq 0 "$rounds"); do
        local real
        real=$({ time ZELT_STATION=$station tool "$@" >/dev/null 2>&1 || true; } 2>&1)
        [ "$round" -eq 0 ] || times+=($((10#${real/./})))
    done
    local sorted
    sorted=($(printf '%s\n' "${times[@]}" | sort -n))
    printf '%-44s %6d ms %6d ms\n' "$label" "${sorted[$((${#sorted[@]} / 2))]}" "${sorted[-1]}"
}
printf '%-44s %9s %9s\n' "process under Wine ($rounds rounds)" median max
measure "ZWSettings.exe --version" OK --version
measure "ZWSettings.exe list (opens the database)" OK list
measure "check-station, programs there" OK check-station
measure "check-station --record, programs there" OK check-station --record
measure "check-station --record, a program gone" BROKEN check-station --record
