#!/usr/bin/env bash
# Every figure in one run: the native benchmarks (capture and restore of 1 KB, 1 MB and 64 MB
# clips next to a plain file copy of the same size, load and save of a full group, one idle
# clipboard poll, a capture into a full history, the look for other instances' changes, a search
# of 29 full libraries next to reading the same files) with their ratios, then under Wine the time
# from a copy in notepad to the copy in the history next to the time to the clipboard alone, the
# bulk paste and the click to text next to a plain program doing the same paste, the start-up time
# and resident memory of mirvo.exe next to a minimal Win32 program measured the same way (median
# of N runs, default 5), and what the program costs while nothing happens (over a minute). A
# summary of the ratios ends the run.
# scripts/figures.sh [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-5}
table="$root/build/bench/figures.txt"
mkdir -p "$root/build/bench"

echo "== Native benchmarks (Google Benchmark)"
bash scripts/bench.sh --benchmark_out="$table" --benchmark_out_format=console

echo
echo "== Ratios (wall time)"
# Rows of the table: name, wall time and its unit, CPU time and its unit, iterations, ...
awk '
    /^BM_/ {
        f = 1
        if ($3 == "ns") f = 1e-6; else if ($3 == "us") f = 1e-3; else if ($3 == "s") f = 1e3
        t[$1] = $2 * f
    }
    END {
        split("1024 1048576 67108864", sizes, " ")
        split("1 KB|1 MB|64 MB", names, "|")
        for (i = 1; i <= 3; i++) {
            s = sizes[i]; copy = t["BM_PlainFileCopy/" s]
            restore = t["BM_RestoreClip/" s]; block = t["BM_ClipboardBlock/" s]
            printf "%-6s capture %9.3f ms, restore %9.3f ms (of which the clipboard block %.3f)," \
                   " file copy %9.3f ms\n", names[i], t["BM_CaptureClip/" s], restore, block, copy
            printf "       capture / copy %6.2f, restore / copy %6.2f, restore without the block" \
                   " / copy %6.2f\n", t["BM_CaptureClip/" s] / copy, restore / copy,
                   (restore - block) / copy
        }
        printf "full group (96 clips): load %.3f ms, save %.3f ms\n",
               t["BM_LoadFullGroup"], t["BM_SaveFullGroup"]
        printf "idle poll: %.3f us\n", t["BM_IdlePoll"] * 1000
        printf "capture into a full history (1 KB): %.3f ms\n", t["BM_CaptureIntoHistory"]
        printf "look for changes of other instances, none came: %.3f us\n",
               t["BM_LookForOthersChanges"] * 1000
        search = t["BM_SearchFindingNothing/repeats:5_median"]
        read = t["BM_ReadSameFilesPlainly/repeats:5_median"]
        printf "search of 29 full libraries: median %.2f ms; reading the same files: median" \
               " %.2f ms; ratio %.2f\n", search, read, search / read
    }' "$table" | tee "$root/build/bench/native-ratios.txt"

echo
echo "== Copy to history under Wine"
bash scripts/bench-copy.sh

echo
echo "== Paste under Wine, next to a plain program"
bash scripts/bench-paste.sh | tee "$root/build/bench/paste.txt"

echo
echo "== Start-up under Wine"
bash scripts/bench-startup.sh "$runs" | tee "$root/build/bench/startup.txt"

echo
echo "== Idle under Wine"
bash scripts/bench-idle.sh | tee "$root/build/bench/idle.txt"

echo
echo "== Summary (load average at the end: $(cut -d' ' -f1-3 /proc/loadavg))"
grep -h '^search of' "$root/build/bench/native-ratios.txt"
grep -h -E '^(bulk paste of|click to text)' "$root/build/bench/paste.txt"
grep -h '^ratio mirvo / minimal' "$root/build/bench/startup.txt"
grep -h 'idle:' "$root/build/bench/idle.txt"
