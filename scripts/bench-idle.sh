#!/usr/bin/env bash
# What mirvo.exe costs while nothing happens, under Wine: started as a user starts it (after a
# first start), its window minimized, nothing copied, the CPU time of its process over a quiet
# time (default 60 s) as the host counts it; the minimal Win32 program measured the same way.
# scripts/bench-idle.sh [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/lib/deps.sh
source scripts/lib/build.sh
source scripts/lib/wine.sh
seconds=${1:-60}

mirvo_install_deps
mirvo_wine_detect
build=$(mirvo_runnable_windows_build)
mirvo_build "$build" "$root" -DBUILD_TESTING=ON >/dev/null
mirvo_wine_start virtual

program=$(mktemp -d /tmp/mirvo-idle.XXXXXX)
cp "build/$build/src/win32/mirvo.exe" "build/$build/src/win32/mirvo.qhp" "$program/"
cp "build/$build/bench/minimal_window.exe" "$program/"
tool="build/$build/bench/idle_cpu.exe"
ticks_per_second=$(getconf CLK_TCK)

# User and system time of the host process running a Windows program of the program folder,
# in clock ticks; -1 when there is none.
ticks_of() {
    local folder proc args
    folder=$(basename "$program")
    for proc in /proc/[0-9]*; do
        args=$( (tr '\0' ' ' <"$proc/cmdline") 2>/dev/null || true)
        if [[ "$args" == *"$folder"*"$1"* && "$args" != *idle_cpu* ]]; then
            awk '{ print $14 + $15 }' "$proc/stat" 2>/dev/null && return
        fi
    done
    echo -1
}

measure() {  # program file name
    local from=-1 to=-1
    while IFS= read -r line; do
        case "$line" in
            "idle from here"*)
                from=$(ticks_of "$1")
                ;;
            "idle to here"*)
                to=$(ticks_of "$1")
                ;;
        esac
    done < <("$MIRVO_WINE" "$tool" "$program/$1" "$seconds")
    if [ "$from" -lt 0 ] || [ "$to" -lt 0 ]; then
        echo "$1: not measured (its process was not found)"
        return
    fi
    awk -v t=$((to - from)) -v hz="$ticks_per_second" -v s="$seconds" -v who="$1" 'BEGIN {
            ms = 1000 * t / hz
            printf "%s idle: %.0f ms of CPU time in %d s, %.3f %% of a CPU\n", who, ms, s,
                   100 * ms / (s * 1000)
        }'
}

echo "Idle under Wine ($MIRVO_WINE_ARCH), window minimized, nothing copied, $seconds s each:"
# The program's first start shows its first-run page; a user's later starts are the usual ones.
"$MIRVO_WINE" "build/$build/bench/startup_time.exe" "$program/mirvo.exe" 1 >/dev/null
measure minimal_window.exe
measure mirvo.exe
mirvo_wine_stop
trap - EXIT  # stopped already: a second stop would fail the script
rm -rf "$program"
