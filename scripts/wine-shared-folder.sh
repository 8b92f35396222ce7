#!/usr/bin/env bash
# Two computers over one program folder, under Wine: two prefixes, each with its own wineserver,
# clipboard and virtual display, run the two sides of tests/e2e/SharedFolderE2ETest.cpp at once,
# each side starting mirvo.exe from the shared program folder. Needs the Windows build that Wine
# runs here (scripts/test.sh builds it). Writes shared-folder-a.xml and shared-folder-b.xml into
# the results folder and exits non-zero when either side failed.
# scripts/wine-shared-folder.sh [results folder]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# shellcheck source=lib/build.sh
source scripts/lib/build.sh
# shellcheck source=lib/wine.sh
source scripts/lib/wine.sh

mirvo_wine_detect || exit 2
results=${1:-$root/build/test-results}
mkdir -p "$results"
tests="$root/build/$(mirvo_runnable_windows_build)/tests/win32"
[ -f "$tests/mirvo_e2etests.exe" ] || { echo "no $tests/mirvo_e2etests.exe: build it first" >&2; exit 2; }

shared=$(mktemp -d /tmp/mirvo-shared.XXXXXX)
finish() {
    mirvo_wine_peer_stop
    mirvo_wine_stop
    rm -rf "$shared"
}
mirvo_wine_start virtual || exit 2
trap finish EXIT
mirvo_wine_peer_start || exit 2

windows() { echo "Z:${1//\//\\}"; }
export MIRVO_SHARED_FOLDER
MIRVO_SHARED_FOLDER=$(windows "$shared")
shots=${MIRVO_SCREENSHOT_DIR:-$(windows "$root/build/screenshots")}
mkdir -p "$root/build/screenshots"

# Computer B waits in its prefix for A to lay out the program folder.
(
    cd "$tests" &&
        MIRVO_SHARED_SIDE=b MIRVO_SCREENSHOT_DIR="$shots" DISPLAY=$MIRVO_PEER_DISPLAY \
        WINEPREFIX=$MIRVO_PEER_PREFIX timeout 900 "$MIRVO_WINE" mirvo_e2etests.exe \
        --gtest_filter='SharedFolderSide.*' --gtest_brief=1 \
        --gtest_output="xml:$(windows "$results")\\shared-folder-b.xml"
) >"$results/shared-folder-b.log" 2>&1 &
peer=$!

(
    cd "$tests" &&
        MIRVO_SHARED_SIDE=a MIRVO_SCREENSHOT_DIR="$shots" timeout 900 "$MIRVO_WINE" \
        mirvo_e2etests.exe --gtest_filter='SharedFolderSide.*' --gtest_brief=1 \
        --gtest_output="xml:$(windows "$results")\\shared-folder-a.xml"
) >"$results/shared-folder-a.log" 2>&1
a=$?
wait "$peer"
b=$?
echo "   computer A:"
sed 's/^/      /' "$results/shared-folder-a.log" | tail -15
echo "   computer B:"
sed 's/^/      /' "$results/shared-folder-b.log" | tail -15
[ $a -eq 0 ] && [ $b -eq 0 ]
