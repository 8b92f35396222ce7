#!/usr/bin/env bash
# Prints the native benchmark figures (Google Benchmark): capture and restore of clips next to a
# plain file copy, one idle clipboard poll, a full group's load and save, and a search of 29 full
# libraries next to reading the same files. Start-up under Wine: scripts/bench-startup.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/lib/deps.sh
source scripts/lib/build.sh
mirvo_install_deps
mirvo_build native "$root" "$root/build/bench" -DBUILD_TESTING=OFF >/dev/null
build/bench/bench/mirvo_bench --benchmark_counters_tabular=true "$@"
