#!/usr/bin/env bash
# Counting GoogleTest XML reports for the test command's summary. Source it; the counts add up
# in passed, failed and skipped.

passed=${passed:-0}
failed=${failed:-0}
skipped=${skipped:-0}

# Adds the counts of one report and prints its line; a missing report counts as one failure. A
# skipped test neither passed nor failed: the report gives its count per test suite only.
# mirvo_count_report <report> <name>
mirvo_count_report() {
    local report=$1 name=$2
    if [ ! -s "$report" ]; then
        echo "   $name: no report (crashed or did not run)"
        failed=$((failed + 1))
        return
    fi
    local tests failures errors skips
    tests=$(grep -m1 -o 'tests="[0-9]*"' "$report" | grep -o '[0-9]*')
    failures=$(grep -m1 -o 'failures="[0-9]*"' "$report" | grep -o '[0-9]*')
    errors=$(grep -m1 -o 'errors="[0-9]*"' "$report" | grep -o '[0-9]*')
    skips=$(grep -o '<testsuite [^>]*' "$report" | grep -o ' skipped="[0-9]*"' | grep -o '[0-9]*' |
        awk '{ n += $1 } END { print n + 0 }')
    local bad=$((failures + errors))
    local good=$((tests - bad - skips))
    passed=$((passed + good))
    failed=$((failed + bad))
    skipped=$((skipped + skips))
    echo "   $name: $good passed, $bad failed, $skips skipped"
}
