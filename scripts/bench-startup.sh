#!/usr/bin/env bash
# Start-up time and memory of mirvo.exe under Wine next to a minimal Win32 program, measured
# the same way in the same run (median of N runs, default 5).
# Wine asks its server on nearly every call. On a virtual machine whose CPUs sleep when idle,
# each hand-over from one CPU to the other can cost more than the call itself, and that cost
# varies tenfold with the host's load. The measured part therefore runs on one CPU, where the
# figures repeat; MIRVO_BENCH_ALL_CPUS=1 measures on all of them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/lib/deps.sh
source scripts/lib/build.sh
source scripts/lib/wine.sh
runs=${1:-5}

mirvo_install_deps
mirvo_wine_detect
build=$(mirvo_runnable_windows_build)
mirvo_build "$build" "$root" -DBUILD_TESTING=ON >/dev/null
if [ -z "${MIRVO_BENCH_ALL_CPUS:-}" ] && [ -z "${MIRVO_BENCH_ONE_CPU:-}" ] &&
    command -v taskset >/dev/null; then
    MIRVO_BENCH_ONE_CPU=1 exec taskset -c 0 bash "$0" "$@"
fi
[ -n "${MIRVO_BENCH_ONE_CPU:-}" ] && echo "(Wine, its server and the display on one CPU)"
mirvo_wine_start virtual

# A program folder of its own, so the measured runs use their own data.
program=$(mktemp -d /tmp/mirvo-bench.XXXXXX)
cp "build/$build/src/win32/mirvo.exe" "build/$build/src/win32/mirvo.qhp" "$program/"
tool="build/$build/bench/startup_time.exe"

echo "Start-up under Wine ($MIRVO_WINE_ARCH), $runs runs each, taken in turns:"
# Wine's first program of a session starts its own services, and the program's first start shows
# its first-run page: one start of each before measuring the usual later starts.
"$MIRVO_WINE" "$tool" "build/$build/bench/minimal_window.exe" 1 >/dev/null
"$MIRVO_WINE" "$tool" "$program/mirvo.exe" 1 >/dev/null
# The two programs take turns, so that a machine getting slower or faster meanwhile weighs on both.
: >/tmp/mirvo-bench-minimal.txt
: >/tmp/mirvo-bench-mirvo.txt
for ((i = 1; i <= runs; i++)); do
    "$MIRVO_WINE" "$tool" "build/$build/bench/minimal_window.exe" 1 | grep 'run 1:' |
        sed "s/run 1:/minimal run $i:/" | tee -a /tmp/mirvo-bench-minimal.txt
    "$MIRVO_WINE" "$tool" "$program/mirvo.exe" 1 | grep 'run 1:' |
        sed "s/run 1:/mirvo run $i:/" | tee -a /tmp/mirvo-bench-mirvo.txt
done
mirvo_wine_stop
trap - EXIT  # stopped already: a second stop would fail the script
rm -rf "$program"

# Medians of the runs: "<who> run <n>: <t> ms, idle at <i> ms, working set <m> MB".
median_of() {  # file, field: 1 time to the window, 2 to idle, 3 working set
    sed -E 's/.*: ([0-9.-]+) ms, idle at ([0-9.-]+) ms, working set ([0-9.]+) MB.*/\1 \2 \3/' "$1" |
        awk -v f="$2" '$1 >= 0 { print $f }' | sort -n |
        awk '{ v[NR] = $1 } END { print NR ? v[int((NR + 1) / 2)] : -1 }'
}
mine=/tmp/mirvo-bench-mirvo.txt
minimal=/tmp/mirvo-bench-minimal.txt
for who in minimal mirvo; do
    file=/tmp/mirvo-bench-$who.txt
    echo "$who: median $(median_of $file 1) ms to its window, median $(median_of $file 2) ms to" \
        "idle, median working set $(median_of $file 3) MB ($(grep -c 'run' $file) runs)"
done
awk -v a="$(median_of $mine 1)" -v b="$(median_of $minimal 1)" -v i="$(median_of $mine 2)" \
    -v j="$(median_of $minimal 2)" -v c="$(median_of $mine 3)" -v d="$(median_of $minimal 3)" 'BEGIN {
        printf "ratio mirvo / minimal window: start-up time %.2f (%.1f / %.1f ms), to idle %.2f" \
               " (%.1f / %.1f ms), resident memory %.2f (%.1f / %.1f MB, %+.1f MB)\n",
               a / b, a, b, i / j, i, j, c / d, c, d, c - d
    }'
