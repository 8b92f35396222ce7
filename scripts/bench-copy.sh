#!/usr/bin/env bash
# Copy-to-history time under Wine: twenty copies in notepad with the real program running, each
# timed from Ctrl+C to the copy on the clipboard (the reference: notepad's own part) and on to the
# copy in the program's history file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/lib/deps.sh
source scripts/lib/build.sh
source scripts/lib/wine.sh

mirvo_install_deps
mirvo_wine_detect
build=$(mirvo_runnable_windows_build)
mirvo_build "$build" "$root" -DBUILD_TESTING=ON >/dev/null
mirvo_wine_start virtual

out=/tmp/mirvo-bench-copy.txt
(cd "build/$build/tests/win32" &&
    "$MIRVO_WINE" mirvo_e2etests.exe --gtest_brief=1 --gtest_filter='ProgramClipboard.*') \
    >"$out" 2>&1 || true
mirvo_wine_stop
trap - EXIT  # stopped already: a second stop would fail the script

if ! grep -q 'copy to history: median' "$out"; then
    echo "the copy test did not finish:" >&2
    cat "$out" >&2
    exit 1
fi
grep 'copy to history: median' "$out" | sed 's/^ *//'
