#!/usr/bin/env bash
# The Windows Installer package under Wine, in a fresh prefix of its own (build/package/wineprefix): its
# tables and signatures, install, the installed programs and their versions, the Start-menu shortcut, the
# program's window, repair, a major upgrade, a refused downgrade, another product folder (spaces and
# umlauts), a mapped drive, and uninstall; the product database placed in the folder beforehand is the
# same byte for byte after every step. Builds the project's package and one of the next patch version
# (scripts/package.sh).
#
# Prints one line per case and writes the cases as JUnit XML to build/package/package_tests.xml, which
# scripts/test.sh counts in. Exit status 1 when a case failed. Needs an X server; without DISPLAY it runs
# itself under xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
out=$root/build/package
results=$out/package_tests.xml

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
rm -f "$results"
scripts/package.sh
version=$(cat build/windows/product-version.txt)
IFS=. read -r major minor patch <<<"$version"
higher=$major.$minor.$((patch + 1))
ZW_VERSION=$higher scripts/package.sh
msi=$out/ZWInterfaceSetup-$version-x64.msi
msi_higher=$out/ZWInterfaceSetup-$higher-x64.msi
ca=$out/test-signing.crt

source scripts/wine-env.sh
zw_wine_env "$out/wineprefix"
unset ZELT_DB_PASSWORD ZELT_STATION
zw_wine_fresh_prefix --unmanaged
work=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
drive_c=$WINEPREFIX/drive_c
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# ---- results ----------------------------------------------------------------------------------------

problems=""
xml_cases=""
total=0
failed=0
# expect WHAT COMMAND...: WHAT is a problem of the current case unless COMMAND succeeds.
expect() {
    "${@:2}" >/dev/null 2>&1 || problems+="$1"$'\n'
}
xml_escape() { sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g; s/"/\&quot;/g' <<<"$1"; }
# run_case NAME: runs the function NAME and records whether it found any problem.
run_case() {
    local start=$SECONDS
    problems=""
    "$1" || problems+="the case stopped early"$'\n'
    total=$((total + 1))
    local seconds=$((SECONDS - start))
    if [ -z "$problems" ]; then
        echo "[  PASSED  ] package.$1 (${seconds} s)"
        xml_cases+="    <testcase classname=\"package\" name=\"$1\" time=\"$seconds\"/>"$'\n'
    else
        failed=$((failed + 1))
        echo "[  FAILED  ] package.$1 (${seconds} s)"
        sed 's/^/    /' <<<"${problems%$'\n'}"
        xml_cases+="    <testcase classname=\"package\" name=\"$1\" time=\"$seconds\"><failure message=\"$(
            xml_escape "${problems%$'\n'}")\"/></testcase>"$'\n'
    fi
}

# ---- helpers ----------------------------------------------------------------------------------------

unix_path() { winepath -u "$1" 2>/dev/null; }
# msiexec ARGUMENTS...: the installer's exit code. Wine passes on only its low 8 bits (1603 becomes 67).
msiexec_code() {
    local code=0
    wine msiexec "$@" >/dev/null 2>&1 || code=$?
    echo "$code"
}
is_msi_code() { [ "$2" = "$1" ] || [ "$2" = $(($1 % 256)) ]; }
same_bytes() { [ "$(sha256sum <"$1")" = "$2" ]; }
# A folder of the prefix with a product database in it, made by the settings tool; prints its digest.
database_in() {
    mkdir -p "$1"
    (cd "$1" && wine "$root/build/windows/ZWSettings.exe" --quiet create-database ZELTWIN.MDB) >/dev/null 2>&1
    sha256sum <"$1/ZELTWIN.MDB"
}
# The version resource of a program: its strings as NAME=VALUE lines, and Fixed=FILE/PRODUCT from the
# numbers that Windows compares.
version_info() {
    wrestool -x --raw -t16 "$1" >"$work/version.res" || return 1
    strings -el "$work/version.res" | sed -n '/^040904B0$/,/^VarFileInfo$/p' | sed '1d;$d' | paste -d= - -
    # VS_FIXEDFILEINFO follows the 40 bytes of header and key: its signature, then the versions.
    local words
    read -r -a words <<<"$(od -A n -t x4 -j 40 -N 24 "$work/version.res" | tr '\n' ' ')"
    [ "${words[0]}" = feef04bd ] || return 1
    part() { echo "$((16#${1:0:4})).$((16#${1:4:4}))"; }
    echo "Fixed=$(part "${words[2]}").$(part "${words[3]}")/$(part "${words[4]}").$(part "${words[5]}")"
}
has_version() { # has_version FILE VERSION DESCRIPTION
    local info
    info=$(version_info "$1") || return 1
    for line in "FileVersion=$2" "ProductVersion=$2" "Fixed=$2.0/$2.0" "ProductName=ZELT Windows" \
        "CompanyName=ZELT" "OriginalFilename=$(basename "$1")" "FileDescription=$3"; do
        grep -qxF "$line" <<<"$info" || return 1
    done
}
# The entries of the installed programs that are ours, as "DisplayVersion" values, one a line.
installed_versions() {
    wine reg query "$uninstall_key" /s 2>/dev/null | tr -d '\r' |
        awk '/^HKEY/ { ours = 0 } /DisplayName +REG_SZ +ZELT Windows Interface Setup$/ { ours = 1 }
             /DisplayVersion/ { version = $3 } /^$/ { if (ours) print version; ours = 0 }'
}
one_entry_of() { [ "$(installed_versions)" = "$1" ]; }
no_entry() { [ -z "$(installed_versions)" ]; }
shortcut() { find "$drive_c" -path '*Start Menu/Programs/Interface Setup.lnk' | head -n1; }
tool_in() { # tool_in FOLDER ARGUMENTS...: the installed settings tool, run in its folder
    (cd "$1" && wine ./ZWSettings.exe "${@:2}")
}
programs_in() { [ -f "$1/ZWInterfaceSetup.exe" ] && [ -f "$1/ZWSettings.exe" ]; }
no_programs_in() { [ ! -e "$1/ZWInterfaceSetup.exe" ] && [ ! -e "$1/ZWSettings.exe" ]; }

# ---- cases ------------------------------------------------------------------------------------------

tables() {
    # msiinfo export writes the tables' rows tab-separated, each ending in CR LF.
    export_table() { msiinfo export "$1" "$2" | tr -d '\r' >"$work/$3"; }
    export_table "$msi" Property property
    export_table "$msi_higher" Property property_higher
    export_table "$msi" Component component
    export_table "$msi" Upgrade upgrade
    export_table "$msi" File file
    local upgrade_code
    upgrade_code=$(sed -n 's/^UpgradeCode\t//p' "$work/property")
    expect "upgrade code is not the fixed one" \
        grep -qx "{$(sed -n 's/.* UpgradeCode="\([0-9A-F-]*\)".*/\1/p' package/ZWInterfaceSetup.wxs)}" <<<"$upgrade_code"
    expect "ProductVersion is not $version" grep -qxP "ProductVersion\t$version" "$work/property"
    expect "not per machine (ALLUSERS)" grep -qxP "ALLUSERS\t1" "$work/property"
    expect "the higher version has another upgrade code" grep -qxP "UpgradeCode\t\Q$upgrade_code\E" "$work/property_higher"
    expect "both versions have one product code" \
        test "$(grep ^ProductCode "$work/property")" != "$(grep ^ProductCode "$work/property_higher")"
    expect "not an x64 package" sh -c "msiinfo suminfo '$msi' | grep -q 'Template: x64;'"
    local attributes
    attributes=$(tail -n +4 "$work/component" | cut -f4)
    expect "no components" test -n "$attributes"
    for value in $attributes; do
        expect "a component is not 64-bit (attributes $value)" test $((value & 256)) -eq 256
    done
    expect "no upgrade of lower versions" grep -qP "^\Q$upgrade_code\E\t\t$version\t\t1\t" "$work/upgrade"
    expect "no detection of higher versions" grep -qP "^\Q$upgrade_code\E\t$version\t\t\t2\t" "$work/upgrade"
    expect "the files are not exactly the two programs" \
        test "$(awk -F'\t' 'NR > 3 { print $3 }' "$work/file" | sort | tr '\n' ' ')" = "ZWInterfaceSetup.exe ZWSettings.exe "
}

signatures() {
    expect "the package's signature does not verify" osslsigncode verify -CAfile "$ca" "$msi"
    expect "the higher package's signature does not verify" osslsigncode verify -CAfile "$ca" "$msi_higher"
    (cd "$work" && msiextract "$msi" >/dev/null)
    for program in ZWInterfaceSetup.exe ZWSettings.exe; do
        expect "$program in the package is not signed" osslsigncode verify -CAfile "$ca" "$work/ZELTWIN/$program"
    done
}

default_folder=$drive_c/ZELTWIN
install_into_default_folder() {
    database=$(database_in "$default_folder")
    expect "msiexec /i did not end with 0" is_msi_code 0 "$(msiexec_code /i "$(winepath -w "$msi")" /qn)"
    expect "the programs are not in C:\\ZELTWIN" programs_in "$default_folder"
    expect "the database changed" same_bytes "$default_folder/ZELTWIN.MDB" "$database"
    expect "not one entry of version $version among the installed programs" one_entry_of "$version"
}

installed_versions_and_tool() {
    expect "ZWInterfaceSetup.exe's version resource is not $version" has_version \
        "$default_folder/ZWInterfaceSetup.exe" "$version" "ZELT Windows Interface Setup"
    expect "ZWSettings.exe's version resource is not $version" has_version \
        "$default_folder/ZWSettings.exe" "$version" "ZELT Windows Settings Tool"
    expect "zwsettings --version does not say $version" \
        test "$(tool_in "$default_folder" --version 2>/dev/null | tr -d '\r')" = "zwsettings $version"
    expect "the installed tool's check of the database failed" \
        tool_in "$default_folder" --database 'C:\ZELTWIN\ZELTWIN.MDB' check
    expect "the installed tool cannot list the database" tool_in "$default_folder" list
    expect "the database changed" same_bytes "$default_folder/ZELTWIN.MDB" "$database"
}

start_menu_shortcut_starts_the_program() {
    local link id=""
    link=$(shortcut)
    expect "no Start-menu shortcut \"Interface Setup\"" test -n "$link"
    [ -n "$link" ] || return 0
    # The link holds its target's path in the ANSI code page and its working folder in UTF-16.
    expect "the shortcut does not start C:\\ZELTWIN\\ZWInterfaceSetup.exe" \
        grep -qxF 'C:\ZELTWIN\ZWInterfaceSetup.exe' <(strings -a "$link")
    expect "the shortcut's working folder is not C:\\ZELTWIN" grep -qxiE 'C:\\ZELTWIN\\?' <(strings -el "$link")
    wine start /unix "$link" >/dev/null 2>&1
    for _ in $(seq 1 120); do
        id=$(xdotool search --name '^Interface Setup$' 2>/dev/null | head -n1) && [ -n "$id" ] && break
        sleep 0.5
    done
    expect "no window \"Interface Setup\" within 60 s" test -n "$id"
    if [ -n "$id" ]; then
        # The dialog, not a message box: wider than any box the program shows.
        expect "the window is not the dialog" test "$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')" -gt 400
        sleep 1
        xwd -root -silent | convert xwd:- "$out/installed-program.png" 2>/dev/null || true
        xdotool key Escape >/dev/null 2>&1 || true # Cancel: nothing is written
    fi
    timeout 20 wineserver -w || wineserver -k
    expect "the database changed" same_bytes "$default_folder/ZELTWIN.MDB" "$database"
}

# A repair puts back a program that went missing. Wine's msiexec has no /f for a package (it answers 1605)
# nor for a product code: the same reinstall through its properties, as Windows' /fomus does.
repair() {
    rm -f "$default_folder/ZWSettings.exe"
    expect "the repair did not end with 0" is_msi_code 0 \
        "$(msiexec_code /i "$(winepath -w "$msi")" /qn REINSTALL=ALL REINSTALLMODE=omus)"
    expect "the repair did not put back ZWSettings.exe" has_version "$default_folder/ZWSettings.exe" "$version" \
        "ZELT Windows Settings Tool"
    expect "not one entry of version $version among the installed programs" one_entry_of "$version"
    expect "the database changed" same_bytes "$default_folder/ZELTWIN.MDB" "$database"
}

upgrade_in_place() {
    expect "msiexec /i of $higher did not end with 0" is_msi_code 0 "$(msiexec_code /i "$(winepath -w "$msi_higher")" /qn)"
    expect "ZWInterfaceSetup.exe was not replaced by $higher" has_version \
        "$default_folder/ZWInterfaceSetup.exe" "$higher" "ZELT Windows Interface Setup"
    expect "ZWSettings.exe was not replaced by $higher" has_version \
        "$default_folder/ZWSettings.exe" "$higher" "ZELT Windows Settings Tool"
    expect "not one entry of version $higher among the installed programs" one_entry_of "$higher"
    expect "no Start-menu shortcut after the upgrade" test -n "$(shortcut)"
    expect "the database changed" same_bytes "$default_folder/ZELTWIN.MDB" "$database"
}

lower_version_is_refused() {
    local code
    code=$(msiexec_code /i "$(winepath -w "$msi")" /qn /l*v 'C:\downgrade.log')
    expect "msiexec /i of the lower version did not end with 1603 (ended $code)" is_msi_code 1603 "$code"
    # Wine does not log the launch condition's message, only why it failed.
    expect "the log does not show the newer version found" grep -aqF "WIX_DOWNGRADE_DETECTED = {" "$drive_c/downgrade.log"
    expect "the programs are no longer $higher" has_version "$default_folder/ZWSettings.exe" "$higher" \
        "ZELT Windows Settings Tool"
    expect "not one entry of version $higher among the installed programs" one_entry_of "$higher"
    expect "the database changed" same_bytes "$default_folder/ZELTWIN.MDB" "$database"
}

uninstall() {
    expect "msiexec /x did not end with 0" is_msi_code 0 "$(msiexec_code /x "$(winepath -w "$msi_higher")" /qn)"
    expect "the programs are still there" no_programs_in "$default_folder"
    expect "the shortcut is still there" test -z "$(shortcut)"
    expect "still an entry among the installed programs" no_entry
    expect "the remembered folder is still in the registry" \
        sh -c "! wine reg query 'HKLM\\Software\\ZELT\\ZELT Windows' /v InstallDir"
    expect "the database changed or went" same_bytes "$default_folder/ZELTWIN.MDB" "$database"
}

# Installed into a folder given on the command line; upgraded and removed without naming it again.
another_folder_with_spaces_and_umlauts() {
    local folder='C:\Zahn Praxis\Zähne' unix
    unix=$drive_c/'Zahn Praxis/Zähne'
    database=$(database_in "$unix")
    expect "msiexec /i INSTALLDIR=... did not end with 0" \
        is_msi_code 0 "$(msiexec_code /i "$(winepath -w "$msi")" /qn "INSTALLDIR=$folder")"
    expect "the programs are not in $folder" programs_in "$unix"
    expect "programs went into C:\\ZELTWIN too" no_programs_in "$default_folder"
    expect "the installed tool cannot check the database there" tool_in "$unix" check
    expect "msiexec /i of $higher did not end with 0" is_msi_code 0 "$(msiexec_code /i "$(winepath -w "$msi_higher")" /qn)"
    expect "the upgrade did not replace the programs in $folder" has_version "$unix/ZWInterfaceSetup.exe" "$higher" \
        "ZELT Windows Interface Setup"
    expect "the upgrade put programs into C:\\ZELTWIN" no_programs_in "$default_folder"
    expect "msiexec /x did not end with 0" is_msi_code 0 "$(msiexec_code /x "$(winepath -w "$msi_higher")" /qn)"
    expect "the programs are still in $folder" no_programs_in "$unix"
    expect "still an entry among the installed programs" no_entry
    expect "the database changed or went" same_bytes "$unix/ZELTWIN.MDB" "$database"
}

# A drive letter that IT maps to a share; under Wine a drive letter on a folder of this machine.
mapped_drive() {
    local share=$work/share
    mkdir -p "$share"
    ln -sfn "$share" "$WINEPREFIX/dosdevices/p:"
    database=$(database_in "$share/ZELTWIN")
    expect "msiexec /i INSTALLDIR=P:\\ZELTWIN did not end with 0" \
        is_msi_code 0 "$(msiexec_code /i "$(winepath -w "$msi")" /qn 'INSTALLDIR=P:\ZELTWIN')"
    expect "the programs are not on P:" programs_in "$share/ZELTWIN"
    expect "msiexec /x did not end with 0" is_msi_code 0 "$(msiexec_code /x "$(winepath -w "$msi")" /qn)"
    expect "the programs are still on P:" no_programs_in "$share/ZELTWIN"
    expect "the database changed or went" same_bytes "$share/ZELTWIN/ZELTWIN.MDB" "$database"
    rm -f "$WINEPREFIX/dosdevices/p:"
}

database=""
for name in tables signatures install_into_default_folder installed_versions_and_tool \
    start_menu_shortcut_starts_the_program repair upgrade_in_place lower_version_is_refused uninstall \
    another_folder_with_spaces_and_umlauts mapped_drive; do
    run_case "$name"
done

{
    echo '<?xml version="1.0" encoding="UTF-8"?>'
    echo "<testsuites tests=\"$total\" failures=\"$failed\" name=\"package\">"
    echo "  <testsuite name=\"package\" tests=\"$total\" failures=\"$failed\">"
    printf '%s' "$xml_cases"
    echo "  </testsuite>"
    echo "</testsuites>"
} >"$results"
echo "package tests: $((total - failed)) passed, $failed failed ($results)"
[ "$failed" -eq 0 ]
