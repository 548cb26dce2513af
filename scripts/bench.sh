#!/usr/bin/env bash
# Start-up and close benchmark of the real program under Wine in Xvfb, against a bare window with the same
# caption started alternately from one launcher in one prefix. Installs what is missing, builds, makes the
# product folders (build/bench/), and prints one table: the standard arrangement, the compact one (MED), and
# a database holding 200 workstations' settings; then where the program's time goes.
#
#   scripts/bench.sh [ROUNDS]        (default 15, after 2 warm-up rounds; ZW_BENCH_TRACE_ROUNDS=N, default 9)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
rounds=${1:-15}
trace_rounds=${ZW_BENCH_TRACE_ROUNDS:-9}

if [ -z "${ZW_BENCH_INSIDE_X:-}" ]; then
    scripts/install-deps.sh
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target ZWInterfaceSetup zwsettings ZWBareWindow ZWBareCommonControls \
        ZWSameWindows ZWBenchLauncher >/dev/null
    ZW_BENCH_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

bench=$root/build/bench
source scripts/wine-env.sh
zw_wine_env "$bench/wineprefix"
unset ZELT_DB_PASSWORD
mkdir -p "$bench"
zw_wine_prefix_ready
cp build/windows/ZWInterfaceSetup.exe build/windows/ZWSettings.exe build/windows/ZWBareWindow.exe \
    build/windows/ZWBareCommonControls.exe build/windows/ZWSameWindows.exe build/windows/ZWBenchLauncher.exe "$bench/"

# A product folder with a fresh database, the program beside it.
product_folder() {
    local folder=$bench/$1
    rm -rf "$folder"
    mkdir -p "$folder"
    cp build/windows/ZWInterfaceSetup.exe "$folder/"
    (cd "$folder" && wine "$bench/ZWSettings.exe" create-database ZELTWIN.MDB)
}
product_folder standard
product_folder stations
# 200 workstations, each with a choice of its own; the measured one (BENCH) has three direct devices: no
# program file to check at the close, and no message box at the load.
values=('NONE\n\n\r' 'SCHICK\nC:\\CDR\\NCDR.EXE\n\r' 'TROPHY\nC:\\TW\\TW.EXE\n\r'
        'DEXIS\nC:\\DEXIS\\DEXIS.EXE\n\rDI_GENDEX\n\n\r' 'DI_SCANX\n\n\rDI_SUNI\n\n\r')
for i in $(seq 1 199); do
    printf "${values[$((i % ${#values[@]}))]}" |
        (cd "$bench/stations" && wine "$bench/ZWSettings.exe" set INTERFACE "$(printf 'XRAYWS%03d' "$i")")
done
printf 'DI_GENDEX\n\n\rDI_SCANX\n\n\rDI_SUNI\n\n\r' |
    (cd "$bench/stations" && wine "$bench/ZWSettings.exe" set INTERFACE XRAYBENCH)

windows_path() { echo "Z:$(sed 's|/|\\|g' <<<"$1")"; }
# launch LABEL FOLDER PROGRAM [LAUNCHER ARGUMENTS]: the program against the bare window, in the product folder.
launch() {
    local label=$1 folder=$2 program=$3
    shift 3
    wine "$bench/ZWBenchLauncher.exe" --program "$(windows_path "$program")" \
        --bare "$(windows_path "$bench/ZWBareWindow.exe")" --folder "$(windows_path "$bench/$folder")" \
        --label "$label" "$@"
}
# launch3 LABEL FOLDER PROGRAM [LAUNCHER ARGUMENTS]: the same, and the yardstick that makes the same windows
# as the program (from the list the program writes of them in this run, build/bench/LABEL.windows).
launch3() {
    local label=$1 folder=$2 program=$3
    shift 3
    launch "$label" "$folder" "$program" --same "$(windows_path "$bench/ZWSameWindows.exe")" \
        --same-list "$(windows_path "$bench/${label// /-}.windows")" "$@"
}

echo "machine: $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n1); $(wine --version)"
# The first start of each program in a prefix pays for loading Wine's DLLs from disk: warm-up rounds absorb it.
ZELT_STATION=DEMO launch3 standard standard "$bench/standard/ZWInterfaceSetup.exe" --rounds "$rounds" --header
ZELT_STATION=DEMO launch3 MED standard "$bench/standard/ZWInterfaceSetup.exe" --rounds "$rounds" -- MED
ZELT_STATION=BENCH launch3 "200 stations" stations "$bench/stations/ZWInterfaceSetup.exe" --rounds "$rounds"
# What loading the common controls alone costs a window: the floor under the program's start.
launch "bare+common controls" standard "$bench/ZWBareCommonControls.exe" --rounds "$rounds"
if [ "$trace_rounds" -gt 0 ]; then
    echo
    ZELT_STATION=DEMO launch3 standard standard "$bench/standard/ZWInterfaceSetup.exe" --rounds 0 \
        --trace-rounds "$trace_rounds"
    ZELT_STATION=BENCH launch3 "200 stations" stations "$bench/stations/ZWInterfaceSetup.exe" --rounds 0 \
        --trace-rounds "$trace_rounds"
fi
wineserver -k >/dev/null 2>&1 || true
wineserver -w || true
