#!/usr/bin/env bash
# Every test, on a fresh machine: installs what is missing, builds the presets, runs the native tests, then
# the same built with AddressSanitizer and UndefinedBehaviorSanitizer, then the Windows build's unit and
# end-to-end tests under Wine in Xvfb, then the installer package's tests under Wine, then the HTML report in
# headless Chromium, and ends with one line that counts every test case of them all.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset native >/dev/null
cmake --build --preset native
native_log=$(mktemp)
asan_log=$(mktemp)
trap 'rm -f "$native_log" "$asan_log"' EXIT
# A failing test does not stop the run: the counts at the end decide.
ctest --preset native -j2 | tee "$native_log" || true

# The same native tests once more, built with AddressSanitizer and UndefinedBehaviorSanitizer.
cmake --preset native-asan >/dev/null
cmake --build --preset native-asan
ctest --preset native-asan -j2 | tee "$asan_log" || true

cmake --preset windows >/dev/null
cmake --build --preset windows
rm -f build/windows/*_tests.xml
windows_status=0
xvfb-run -a -s "-screen 0 1280x1024x24" scripts/windows-tests.sh || windows_status=$?
rm -f build/package/package_tests.xml
tests/package/package_test.sh || windows_status=1
# The HTML report as headless Chromium renders it (the native build's tool).
tests/report/report_test.sh || windows_status=1

# Native (plain and sanitized): CTest lists each case. Windows, the package and the report: each writes its
# cases' results as XML. A CTest run that printed no summary counts as one failed test.
ctest_counts() {
    local counts
    counts=$(sed -n 's/.* \([0-9]\+\) tests\? failed out of \([0-9]\+\).*/\1 \2/p' "$1")
    echo "${counts:-1 1}"
}
read -r plain_failed plain_total < <(ctest_counts "$native_log")
read -r asan_failed asan_total < <(ctest_counts "$asan_log")
native_failed=$((plain_failed + asan_failed))
native_total=$((plain_total + asan_total))
# A test program that crashed or ran out of time wrote no results: it counts as one failed test.
windows_total=0
windows_failed=0
for xml in $(ctest --preset windows -N | sed -n 's|^ *Test *#[0-9]*: *\(.*\)|build/windows/\1.xml|p') \
    build/package/package_tests.xml build/report/report_tests.xml; do
    name=$(basename "$xml" .xml)
    if [ ! -f "$xml" ]; then
        echo "test.sh: $name did not finish: no results in $xml"
        windows_total=$((windows_total + 1))
        windows_failed=$((windows_failed + 1))
        continue
    fi
    head=$(grep -m1 '<testsuites' "$xml")
    windows_total=$((windows_total + $(sed -n 's/.* tests="\([0-9]\+\)".*/\1/p' <<<"$head")))
    windows_failed=$((windows_failed + $(sed -n 's/.* failures="\([0-9]\+\)".*/\1/p' <<<"$head")))
done
failed=$((native_failed + windows_failed))
echo "tests: $((native_total + windows_total - failed)) passed, $failed failed"
# Wine may end a crashed program with status 0: the count of failures decides too.
[ "$failed" -eq 0 ] || exit 1
exit $windows_status
