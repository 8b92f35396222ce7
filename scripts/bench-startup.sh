#!/usr/bin/env bash
# Start-up time and memory of mirvo.exe under Wine next to a minimal Win32 program, measured
# the same way in the same run (median of N runs, default 5).
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
mirvo_wine_start virtual

# A program folder of its own, so the measured runs use their own data.
program=$(mktemp -d /tmp/mirvo-bench.XXXXXX)
cp "build/$build/src/win32/mirvo.exe" "build/$build/src/win32/mirvo.qhp" "$program/"
tool="build/$build/bench/startup_time.exe"

echo "Start-up under Wine ($MIRVO_WINE_ARCH), $runs runs each:"
# Wine's first program of a session starts its own services: warm up before measuring.
"$MIRVO_WINE" "$tool" "build/$build/bench/minimal_window.exe" 1 >/dev/null
"$MIRVO_WINE" "$tool" "build/$build/bench/minimal_window.exe" "$runs" | tee /tmp/mirvo-bench-minimal.txt
# The first start of the program shows its first-run page; measure the usual later starts.
"$MIRVO_WINE" "$tool" "$program/mirvo.exe" 1 >/dev/null
"$MIRVO_WINE" "$tool" "$program/mirvo.exe" "$runs" | tee /tmp/mirvo-bench-mirvo.txt
mirvo_wine_stop
trap - EXIT  # stopped already: a second stop would fail the script
rm -rf "$program"

# The medians of the summary lines:
# "median <t> ms to its window, median <i> ms to idle, median working set <m> MB".
time_of() { grep -o 'median [0-9.]* ms to its window' "$1" | grep -o '[0-9.]*'; }
idle_of() { grep -o 'median [0-9.]* ms to idle' "$1" | grep -o '[0-9.]*'; }
memory_of() { grep -o 'median working set [0-9.]* MB' "$1" | grep -o '[0-9.]*'; }
mine=/tmp/mirvo-bench-mirvo.txt
minimal=/tmp/mirvo-bench-minimal.txt
awk -v a="$(time_of $mine)" -v b="$(time_of $minimal)" -v i="$(idle_of $mine)" \
    -v j="$(idle_of $minimal)" -v c="$(memory_of $mine)" -v d="$(memory_of $minimal)" 'BEGIN {
        printf "ratio mirvo / minimal window: start-up time %.2f (%.1f / %.1f ms), to idle %.2f" \
               " (%.1f / %.1f ms), resident memory %.2f (%.1f / %.1f MB, %+.1f MB)\n",
               a / b, a, b, i / j, i, j, c / d, c, d, c - d
    }'
