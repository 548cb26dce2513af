#!/usr/bin/env bash
# Builds the program and opens the dialog on a demo product folder (demo/ in the repository), creating the
# folder and its product database when missing. With a display it opens a real window; without one it runs
# the program under Xvfb, saves a screenshot and says where. Extra arguments go to the program (e.g. MED).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target ZWInterfaceSetup zwsettings

demo=$root/demo
mkdir -p "$demo"
source scripts/wine-env.sh
zw_wine_env "${WINEPREFIX:-$demo/wineprefix}"
export ZELT_STATION=${ZELT_STATION:-DEMO}

cp build/windows/ZWInterfaceSetup.exe build/windows/ZWSettings.exe "$demo/"
zw_wine_prefix_ready xvfb-run -a
if [ ! -f "$demo/ZELTWIN.MDB" ]; then
    (cd "$demo" && wine ZWSettings.exe create-database ZELTWIN.MDB)
    echo "run-demo: created the demo product database $demo/ZELTWIN.MDB"
elif [ "$(head -c 15 "$demo/ZELTWIN.MDB")" = "SQLite format 3" ]; then
    # A demo database made by an earlier version is not encrypted; the program refuses it until it is.
    (cd "$demo" && wine ZWSettings.exe encrypt-database ZELTWIN.MDB)
    echo "run-demo: encrypted the demo product database $demo/ZELTWIN.MDB made by an earlier version"
fi

if [ -n "${DISPLAY:-}" ]; then
    (cd "$demo" && wine ZWInterfaceSetup.exe "$@")
    echo "run-demo: the stored choice for station $ZELT_STATION:"
    (cd "$demo" && wine ZWSettings.exe list)
else
    shot=$demo/screenshot.png
    options=()
    for arg in "$@"; do
        case "${arg^^}" in
        MED) options+=(--med) ;;
        *) echo "run-demo: without a display only MED can be passed on; ignoring $arg" >&2 ;;
        esac
    done
    [ -n "${ZW_DPI:-}" ] && options+=(--dpi "$ZW_DPI")
    scripts/screenshot.sh "${options[@]}" "$demo/ZWInterfaceSetup.exe" "$demo" "$shot"
    echo "run-demo: no display here; the dialog ran under Xvfb and its screenshot is $shot"
fi
