# The Wine set-up every script that runs the Windows programs shares; source it, then call its functions.
#
#   zw_wine_env PREFIX              the environment for Wine in PREFIX (exported)
#   zw_wine_fresh_prefix [--unmanaged]
#                                   removes WINEPREFIX and makes it anew (tests: nothing left from a run before)
#   zw_wine_prefix_ready [CMD...]   makes WINEPREFIX only when it has none yet, running wineboot under CMD
#                                   (e.g. xvfb-run -a) when given

# UTF-8 file names (Wine maps Windows names to Unix ones in the locale's character set: names such as "Zähne"
# need UTF-8), the prefix, no debug output and no prompts for Mono or Gecko. A WINEDEBUG or WINEDLLOVERRIDES
# set by the caller is kept, to debug a run.
zw_wine_env() {
    [ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LC_ALL=C.UTF-8
    export WINEPREFIX=$1
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
}

# Wine's crash dialog is off in a fresh prefix: a program that crashes ends at once with its backtrace on
# standard error, instead of waiting under the X server for someone to close the dialog. --unmanaged: windows
# are not handed to a window manager (there is none under Xvfb, and Wine would wait for one each time a
# window closes).
zw_wine_fresh_prefix() {
    rm -rf "${WINEPREFIX:?}"
    wineboot --init >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    if [ "${1:-}" = --unmanaged ]; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    fi
    wineserver -w
}

zw_wine_prefix_ready() {
    [ -f "$WINEPREFIX/system.reg" ] && return 0
    "$@" wineboot --init >/dev/null 2>&1
    wineserver -w
}
