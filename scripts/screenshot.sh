#!/usr/bin/env bash
# Takes a screenshot of the real dialog: runs the built program under Xvfb in a Wine virtual desktop (so
# that Wine draws the title bar and frame), waits until the dialog is drawn, grabs the screen and closes
# the program with Esc (Cancel: nothing is written).
#
#   scripts/screenshot.sh [--dpi N] [--layout-dpi N] [--med] [--size WxH] [--timeout S] EXE FOLDER OUT.png
#
# EXE             the built ZWInterfaceSetup.exe; it is copied into PRODUCT_FOLDER, as the program opens
#                 ZELTWIN.MDB in its own folder (make one with ZWSettings.exe create-database).
# --dpi N         run Wine at N DPI (default 96): title bar, fonts and layout as Windows at that DPI.
# --layout-dpi N  lay only the dialog out at N DPI (the program's ZW_DPI override); Wine stays as it is.
# --med           start the program with the command line MED (the compact arrangement).
# --size WxH      the virtual desktop's size (default 1024x768).
# --timeout S     how long to wait for the dialog (default 90 s; a new Wine prefix takes a while).
# WINEPREFIX      the Wine prefix to use; default one of this script's own per DPI under /tmp. The script ends
#                 the programs of that prefix when it is done (wineserver -k), so do not share one.
# Needs wine, xvfb-run, xwd and ImageMagick's convert.
set -euo pipefail

dpi=96
layout_dpi=""
med=""
size=1024x768
timeout=90
while [ $# -gt 0 ]; do
    case "$1" in
    --dpi) dpi=$2; shift 2 ;;
    --layout-dpi) layout_dpi=$2; shift 2 ;;
    --med) med=MED; shift ;;
    --size) size=$2; shift 2 ;;
    --timeout) timeout=$2; shift 2 ;;
    --help | -h) sed -n '2,20p' "$0"; exit 0 ;;
    --*) echo "screenshot: unknown option $1" >&2; exit 2 ;;
    *) break ;;
    esac
done
if [ $# -ne 3 ]; then
    echo "usage: screenshot.sh [--dpi N] [--layout-dpi N] [--med] [--size WxH] [--timeout S] EXE FOLDER OUT.png" >&2
    exit 2
fi
exe=$(realpath "$1")
folder=$(realpath "$2")
out=$(realpath -m "$3")
[ -f "$exe" ] || { echo "screenshot: no program at $exe" >&2; exit 1; }
[ -d "$folder" ] || { echo "screenshot: no folder $folder" >&2; exit 1; }
for tool in wine wineserver xvfb-run xwd convert; do
    command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing" >&2; exit 1; }
done

case "$dpi" in '' | *[!0-9]*) echo "screenshot: --dpi takes a number" >&2; exit 2 ;; esac
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
zw_wine_env "${WINEPREFIX:-/tmp/zw-screenshot-prefix-$dpi}"
zw_wine_prefix_ready xvfb-run -a
# Wine reads its DPI from both places, depending on the version; the fonts follow it on the next start.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' /v LogPixels \
    /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wineserver -w

name=$(basename "$exe")
if [ "$(realpath -m "$folder/$name")" != "$exe" ]; then
    cp "$exe" "$folder/$name"
fi
windows_path="Z:$(printf '%s' "$folder/$name" | tr '/' '\\')"

inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat >"$inner" <<'INNER'
set -euo pipefail
grab() { xwd -root -silent | convert xwd:- "$1"; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Drawn means: the same in two grabs half a second apart, and (for the dialog) no longer the empty desktop.
wait_stable() { # wait_stable OUT [DIFFERENT_FROM]
    local previous=""
    while :; do
        if [ $SECONDS -gt $deadline ]; then
            echo "screenshot: nothing was drawn within $SHOT_TIMEOUT s" >&2
            wineserver -k || true
            exit 1
        fi
        sleep 0.5
        grab "$work/now.png"
        if [ -n "${2:-}" ] && [ "$(compare -metric AE "$2" "$work/now.png" null: 2>&1 || true)" = "0" ]; then
            continue
        fi
        if [ -n "$previous" ] && [ "$(compare -metric AE "$previous" "$work/now.png" null: 2>&1 || true)" = "0" ]; then
            cp "$work/now.png" "$1"
            return
        fi
        cp "$work/now.png" "$work/previous.png"
        previous="$work/previous.png"
    done
}
deadline=$((SECONDS + SHOT_TIMEOUT))

# The empty desktop first, to know when the dialog has appeared on it.
grab "$work/blank.png"
wine explorer "/desktop=shot,$SHOT_SIZE" >/dev/null 2>&1 &
wait_stable "$work/empty.png" "$work/blank.png"
ZW_DPI="$SHOT_DPI" wine explorer "/desktop=shot,$SHOT_SIZE" "$SHOT_EXE" $SHOT_ARGS >/dev/null 2>&1 &
wait_stable "$SHOT_OUT" "$work/empty.png"

# Esc is Cancel: the program ends without writing anything. Whatever is left goes with the prefix's server.
if command -v xdotool >/dev/null; then
    xdotool key Escape >/dev/null 2>&1 || true
fi
timeout 10 wineserver -w || true
wineserver -k >/dev/null 2>&1 || true
INNER

SHOT_SIZE=$size SHOT_TIMEOUT=$timeout SHOT_DPI=$layout_dpi SHOT_EXE=$windows_path SHOT_ARGS=$med SHOT_OUT=$out \
    xvfb-run -a -s "-screen 0 ${size}x24" bash "$inner"
echo "screenshot: $out"
