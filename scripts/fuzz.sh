#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) in build/fuzz
# and runs each for a bounded budget: scripts/fuzz.sh [budget] [target...], where the budget is
# seconds per target (default 60) or, with an "r" after it, runs per target (e.g. 20000r).
# Prints per target its executions and findings; exits non-zero when anything was found.
# The corpus grows in build/fuzz/corpus/<target>; findings land in build/fuzz/findings/<target>.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# shellcheck source=lib/deps.sh
source scripts/lib/deps.sh

budget=${1:-60}
shift || true
case "$budget" in
    *r) limit=(-runs="${budget%r}") ;;
    *) limit=(-max_total_time="$budget") ;;
esac

mirvo_install_deps || { echo "Could not install the build tools" >&2; exit 2; }
build="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DMIRVO_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null &&
    cmake --build "$build" >"$build/build.log" 2>&1 ||
    { tail -30 "$build/build.log"; echo "fuzz build failed" >&2; exit 2; }

# The program's files live on a memory file system while fuzzing when there is one.
scratch=$(mktemp -d "$( [ -d /dev/shm ] && echo /dev/shm || echo /tmp )/mirvo-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TMPDIR="$scratch"

rm -rf "$build/seeds"
"$build/tests/fuzz/mirvo_fuzz_seeds" "$build/seeds" >/dev/null || { echo "no seeds" >&2; exit 2; }

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for exe in "$build"/tests/fuzz/fuzz_*; do targets+=("$(basename "$exe" | sed 's/^fuzz_//')"); done
fi

total_runs=0
total_findings=0
printf '%-20s %12s %9s\n' target executions findings
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    findings="$build/findings/$target"
    log="$build/logs/$target.log"
    mkdir -p "$corpus" "$build/logs"
    rm -rf "$findings" && mkdir -p "$findings"
    # A hang (10 s for one input) or an allocation beyond 256 MB counts as a finding.
    "$build/tests/fuzz/fuzz_$target" "${limit[@]}" -timeout=10 -rss_limit_mb=2048 \
        -malloc_limit_mb=256 -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" "$build/seeds/$target" >"$log" 2>&1
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
    found=$(find "$findings" -type f | wc -l)
    if [ "$found" -eq 0 ] && ! grep -q '^Done [0-9]* runs' "$log"; then
        found=1  # it ended without finishing its runs and without keeping an input
        echo "  $target ended early; see $log" >&2
    fi
    printf '%-20s %12s %9s\n' "$target" "${runs:-0}" "$found"
    for f in "$findings"/*; do [ -e "$f" ] && echo "    $f"; done
    total_runs=$((total_runs + ${runs:-0}))
    total_findings=$((total_findings + found))
done
echo "fuzz: ${#targets[@]} targets, $total_runs executions, $total_findings findings"
[ "$total_findings" -eq 0 ]
