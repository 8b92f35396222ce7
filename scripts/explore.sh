#!/usr/bin/env bash
# The sequence explorer: random sessions of everything a user and the world around the program
# can do, played through the headless host and the real program, with the invariants checked
# after every step. A fault is shrunk to a few steps, printed so that they replay as a native test.
#   bash scripts/explore.sh [seconds] [seed] [instances over one data folder, default 1]
# Runs 60 seconds on a fresh seed unless told otherwise; prints the steps per second, the
# handlers reached by form and every fault found; ends with 1 when a fault that is not known was
# found (or the explorer itself failed).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# shellcheck source=lib/deps.sh
source scripts/lib/deps.sh
# shellcheck source=lib/build.sh
source scripts/lib/build.sh

seconds=${1:-60}
seed=${2:-}
machines=${3:-1}
mirvo_install_deps || { echo "Could not install the build tools" >&2; exit 2; }
dir=$(mirvo_configure native "$root" -DBUILD_TESTING=ON) || exit 2
cmake --build "$dir" --target mirvo_explore >/dev/null || {
    echo "The explorer did not build" >&2
    exit 2
}
args=(--seconds "$seconds" --machines "$machines")
if [ -n "$seed" ]; then
    args+=(--seed "$seed")
fi
"$dir/tests/mirvo_explore" "${args[@]}"
