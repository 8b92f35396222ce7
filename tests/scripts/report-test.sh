#!/usr/bin/env bash
# The summary's counting of GoogleTest reports: skipped tests are neither passed nor failed,
# a missing report is one failure. Exits 1 on the first count that is wrong.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source=../../scripts/lib/report.sh
source "$root/scripts/lib/report.sh"

expect() {
    local what=$1 got=$2 want=$3
    if [ "$got" != "$want" ]; then
        echo "report: $what: got '$got', want '$want'"
        exit 1
    fi
}

# Two suites, one failed test, two skipped ones in different suites.
cat >"$work/one.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<testsuites tests="7" failures="1" disabled="0" errors="0" time="1" name="AllTests">
  <testsuite name="First" tests="4" failures="1" disabled="0" skipped="1" errors="0" time="1">
    <testcase name="A" status="run" result="completed" classname="First" />
    <testcase name="B" status="run" result="completed" classname="First">
      <failure message="x" type=""><![CDATA[skipped="9" in a message counts for nothing]]></failure>
    </testcase>
    <testcase name="C" status="run" result="skipped" classname="First"><skipped message="no input"/></testcase>
    <testcase name="D" status="run" result="completed" classname="First" />
  </testsuite>
  <testsuite name="Second" tests="3" failures="0" disabled="0" skipped="1" errors="0" time="0">
    <testcase name="E" status="run" result="skipped" classname="Second"><skipped message=""/></testcase>
    <testcase name="F" status="run" result="completed" classname="Second" />
    <testcase name="G" status="run" result="completed" classname="Second" />
  </testsuite>
</testsuites>
XML
expect "the report's line" "$(mirvo_count_report "$work/one.xml" one)" \
    "   one: 4 passed, 1 failed, 2 skipped"
passed=0 failed=0 skipped=0
mirvo_count_report "$work/one.xml" one >/dev/null
expect "passed" "$passed" 4
expect "failed" "$failed" 1
expect "skipped" "$skipped" 2

# A report without skips, then a missing one: the counts add up.
sed 's/skipped="1"/skipped="0"/; s/failures="1"/failures="0"/' "$work/one.xml" >"$work/two.xml"
mirvo_count_report "$work/two.xml" two >/dev/null
mirvo_count_report "$work/missing.xml" missing >/dev/null
expect "passed after two reports" "$passed" 11
expect "failed after a missing report" "$failed" 2
expect "skipped after two reports" "$skipped" 2
echo "report: counting checked"
