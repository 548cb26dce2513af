#!/usr/bin/env bash
# The settings tool's HTML report as a browser shows it: a practice of 200 stations plus hostile ones
# (markup, ampersands and quotes in station names and command lines), one station with a broken program and
# one with a Dimaxis password; headless Chromium opens the page offline, and the rendered DOM is checked:
# every station shown, the broken mark where it belongs, hostile texts as text, no script element, no
# password. Keeps the page and a screenshot of its first A4 page in build/report/.
#
# Prints one line per case and writes the cases as JUnit XML to build/report/report_tests.xml, which
# scripts/test.sh counts in. Needs the native build (build/native/zwsettings). Exit status 1 when a case failed.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=$PWD/build/report
results=$out/report_tests.xml
tool=$PWD/build/native/zwsettings
mkdir -p "$out"
rm -f "$results" "$out/report.html" "$out/report.png"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ZELT_DB_PASSWORD=Report#Test1
db=$work/ZELTWIN.MDB
zw() { "$tool" --database "$db" "$@"; }

# ---- the practice -------------------------------------------------------------------------------------

hostile_station='<script>alert("s")</script> & "Q" '"'"'R'"'"''
hostile_path='C:\<script>document.title="x"</script>\A & B "q"\TIGER1.EXE'
zw create-database "$db" >/dev/null
{
    printf '{"format": 1, "stations": [\n'
    for i in $(seq -w 1 200); do
        printf '{"station": "WS%s", "xray": "VIPERSOFT\\n\\n\\rDI_GENDEX\\n\\n\\r", "probe": null},\n' "$i"
    done
    printf '{"station": "DIMAXIS-DESK", "xray": "DIMAXIS\\nTopSecret#42\\n\\r", "probe": null}\n]}\n'
} >"$work/practice.json"
zw import "$work/practice.json" >/dev/null
printf 'TIGER\n%s\n\r' "$hostile_path" | zw set INTERFACE "XRAY$hostile_station" >/dev/null
printf 'DEXIS\nC:\\Gone\\DEXIS.EXE\n\rVIPERSOFT\n\n\r' | zw set INTERFACE XRAYCHAIR-3 >/dev/null
# Checked where they are: chair 3's DEXIS is gone, the hostile station's Tiger too; WS001 is well.
for station in CHAIR-3 "$hostile_station" WS001; do
    ZELT_STATION=$station zw check-station --record >/dev/null || true
done
zw report --output "$out/report.html" >/dev/null

# ---- the page in a browser ----------------------------------------------------------------------------

browser() {
    chromium --headless --no-sandbox --disable-gpu --disable-dev-shm-usage --no-first-run --user-data-dir="$work/profile" \
        "$@" "file://$out/report.html" 2>/dev/null
}
browser --dump-dom >"$work/dom.html" || true
browser --screenshot="$out/report.png" --window-size=1240,1754 --hide-scrollbars >/dev/null || true
dom=$work/dom.html

# ---- results ------------------------------------------------------------------------------------------

problems=""
xml_cases=""
total=0
failed=0
problem() { problems+="$1"$'\n'; }
run_case() { # run_case NAME: the function NAME's problems, if any, make the case fail
    problems=""
    "$1" || problem "the case stopped early"
    total=$((total + 1))
    local failure=""
    [ -z "$problems" ] || failure="<failure message=\"$(sed 's/&/\&amp;/g; s/</\&lt;/g; s/"/\&quot;/g' <<<"$problems")\"/>"
    xml_cases+="<testcase classname=\"report\" name=\"$1\">$failure</testcase>"$'\n'
    [ -z "$failure" ] && echo "[  PASSED  ] report.$1" || { echo "[  FAILED  ] report.$1"; printf '%s' "$problems" | sed 's/^/    /'; }
    [ -z "$failure" ] || failed=$((failed + 1))
}
# The rendered rows of one table, one line each (Chromium writes each <tr> on its own line).
rows_of() { sed -n "/<table class=\"$1\"/,/<\/table>/p" "$dom" | grep '<tr>' || true; }
# How Chromium serialises text: & < > as references, quotes as they are.
as_text() { sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g' <<<"$1"; }

every_station_is_in_the_grid() {
    [ -s "$dom" ] || { problem "Chromium rendered nothing"; return; }
    local count
    count=$(rows_of grid | grep -c '<th scope="row">') || true
    [ "$count" -eq 203 ] || problem "the grid shows $count stations, not 203"
    grep -q '<html lang="en">' "$dom" || problem "no lang on the page"
    grep -q '<title>Imaging links of the practice, 20' "$dom" || problem "no title"
    grep -q '<th scope="col">VIPERSOFT</th>' "$dom" || problem "no program column"
    grep -q '@page { size: A4' "$dom" || problem "no A4 page size"
}

broken_marks_stand_where_they_belong() {
    local chair ws001 ws002
    chair=$(rows_of grid | grep '<th scope="row">CHAIR-3</th>') || true
    ws001=$(rows_of grid | grep '<th scope="row">WS001</th>') || true
    ws002=$(rows_of grid | grep '<th scope="row">WS002</th>') || true
    grep -q 'BROKEN</span> DEXIS' <<<"$chair" || problem "CHAIR-3 is not marked broken: $chair"
    grep -q 'class="mark broken">✗ BROKEN</td>' <<<"$chair" || problem "CHAIR-3's DEXIS cell is not marked"
    grep -q 'class="mark ok">✓ ok</td>' <<<"$chair" || problem "CHAIR-3's VIPERSOFT is not ok"
    grep -q '✓ ok</span>' <<<"$ws001" || problem "WS001 is not ok: $ws001"
    grep -q 'never checked' <<<"$ws002" || problem "WS002 does not say it was never checked"
    grep -q 'Can not find file \[C:\\Gone\\DEXIS.EXE\]' "$dom" || problem "no dialog message for CHAIR-3"
}

hostile_texts_show_as_text() {
    grep -qi '<script' "$dom" && problem "a script element exists"
    grep -qF "$(as_text "$hostile_station")" "$dom" || problem "the hostile station name is not shown as text"
    grep -qF "$(as_text "$hostile_path")" "$dom" || problem "the hostile command line is not shown as text"
    grep -q '<title>Imaging links' "$dom" || problem "the title was changed"
    grep -q 'TopSecret' "$out/report.html" && problem "the Dimaxis password is in the page"
    grep -q 'DIMAXIS</b> <span class="code">\*\*\*</span>' "$dom" || problem "the password is not shown as ***"
}

the_page_prints_as_a_document() {
    [ -s "$out/report.png" ] || problem "no screenshot"
    grep -q '@media print' "$dom" || problem "no print style"
    grep -q 'Most recent changes' "$dom" || problem "no recent changes"
    grep -q "from the database <span class=\"code\">$db</span>" "$dom" || problem "the database is not named"
}

for name in every_station_is_in_the_grid broken_marks_stand_where_they_belong hostile_texts_show_as_text \
    the_page_prints_as_a_document; do
    run_case "$name"
done

printf '<?xml version="1.0" encoding="UTF-8"?>\n<testsuites tests="%d" failures="%d" name="report">\n<testsuite name="report" tests="%d" failures="%d">\n%s</testsuite>\n</testsuites>\n' \
    "$total" "$failed" "$total" "$failed" "$xml_cases" >"$results"
echo "report tests: $((total - failed)) passed, $failed failed ($results)"
[ "$failed" -eq 0 ]
