#!/usr/bin/env bash
# Installs what is missing, builds, and starts Mirvo under Wine: on the current display, or on
# a virtual display when there is none, leaving a screenshot of the main window.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/lib/deps.sh
source scripts/lib/build.sh
source scripts/lib/wine.sh

mirvo_install_deps
mirvo_wine_detect
build=$(mirvo_runnable_windows_build)
echo "Building Mirvo ($build)..."
mirvo_build "$build" "$root" "$root/build/app-$build" -DBUILD_TESTING=OFF >/dev/null

# The program folder, laid out as a release lays it out (the program, its launcher, the
# quick-help file and the tutorial pages). Mirvo keeps its common data beside itself, so the
# folder lives outside the build and keeps the clips between runs.
data_home=${XDG_DATA_HOME:-$HOME/.local/share}/mirvo
program="$data_home/program-$build"
mkdir -p "$program"
cmake --install "build/app-$build" --prefix "$program" >/dev/null

virtual=""
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    virtual=yes
fi
# The user's Wine prefix for Mirvo is kept between runs, with the clips in it.
export MIRVO_WINEPREFIX="$data_home/wineprefix-$build"
mkdir -p "$MIRVO_WINEPREFIX"
mirvo_wine_start ${virtual:+virtual}

"$MIRVO_WINE" "$program/mirvo.exe" &
mirvo_pid=$!
find_window() { xwininfo -root -tree 2>/dev/null | grep '" Mirvo v4' | head -1 | awk '{print $1}'; }
window_shown() { [ -n "$(find_window)" ]; }
if ! mirvo_wait_for 60 window_shown; then
    echo "Mirvo's window did not appear" >&2
    exit 1
fi
window=$(find_window)

shot="$root/build/screenshots/main-window.png"
mkdir -p "$(dirname "$shot")"
sleep 1  # let the first paint finish
import -window "$window" "$shot" 2>/dev/null || import -window root "$shot"
echo "Screenshot of the main window: $shot"

if [ -n "$virtual" ]; then
    echo "No display: Mirvo ran on a virtual display and is closed again."
    # Without /F, taskkill asks the window to close, so Mirvo saves its settings.
    "$MIRVO_WINE" taskkill /IM mirvo.exe >/dev/null 2>&1 || true
    mirvo_wait_for 20 bash -c "! kill -0 $mirvo_pid" || kill "$mirvo_pid" 2>/dev/null || true
else
    echo "Mirvo is running on $DISPLAY; close its window to end."
    wait "$mirvo_pid" || true
fi
