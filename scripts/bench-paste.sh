#!/usr/bin/env bash
# Paste figures under Wine, each next to a plain program doing the same job in the same run
# (bench/win32/PlainPaste.cpp), the two taken in turns: 24 bulk items pasted into notepad, and
# a click on a clip to its text in notepad next to the plain program's single paste.
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

out=/tmp/mirvo-bench-paste.txt
(cd "build/$build/tests/win32" &&
    "$MIRVO_WINE" mirvo_e2etests.exe --gtest_brief=1 --gtest_filter='PasteFigures.*') \
    >"$out" 2>&1 || true
mirvo_wine_stop
trap - EXIT  # stopped already: a second stop would fail the script

if ! grep -q 'click to text in notepad: median' "$out"; then
    echo "the paste figures did not finish:" >&2
    cat "$out" >&2
    exit 1
fi
grep -E 'bulk paste of|click to text in notepad' "$out" | sed 's/^ *//'
