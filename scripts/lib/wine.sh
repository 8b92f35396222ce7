#!/usr/bin/env bash
# Wine for the Windows tests: a fresh prefix per run, crash dialog off, a persistent wineserver,
# and a virtual X display when there is none (or when asked for one). Source it, then call
# mirvo_wine_start; mirvo_wine_stop (also run on exit) ends what it started.
#
# Hosts whose kernel cannot run 32-bit programs cannot run 32-bit Wine; there the 64-bit build
# of the same code runs under wine64 with a 64-bit prefix. MIRVO_WINE_ARCH tells which.

mirvo_wine_detect() {
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
        MIRVO_WINE_ARCH=win32
        MIRVO_WINE=/usr/lib/wine/wine
    elif [ -x /usr/lib/wine/wine64 ]; then
        MIRVO_WINE_ARCH=win64
        MIRVO_WINE=/usr/lib/wine/wine64
    else
        echo "No usable Wine found" >&2
        return 1
    fi
    export MIRVO_WINE_ARCH MIRVO_WINE
    export WINELOADER="$MIRVO_WINE"
}

# Polls a command until it succeeds or the seconds run out.
mirvo_wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

mirvo_start_display() {
    # $1 = "virtual" forces a virtual display even when one is set.
    if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != virtual ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    MIRVO_XVFB_PID=$!
    export DISPLAY=":$n"
    mirvo_wait_for 20 xdpyinfo || { echo "Xvfb did not start" >&2; return 1; }
}

mirvo_wine_start() {
    mirvo_wine_detect || return 1
    mirvo_start_display "${1:-}" || return 1
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEPREFIX="${MIRVO_WINEPREFIX:-$(mktemp -d /tmp/mirvo-wineprefix.XXXXXX)}"
    if [ "$MIRVO_WINE_ARCH" = win32 ]; then
        export WINEARCH=win32
    else
        export WINEARCH=win64
    fi
    trap mirvo_wine_stop EXIT
    # One persistent server for the whole run (it holds the clipboard between programs).
    /usr/lib/wine/wineserver -p >/dev/null 2>&1 || true
    "$MIRVO_WINE" wineboot -i >/dev/null 2>&1
    # A crash must fail the run, not wait for a click on Wine's crash dialog.
    "$MIRVO_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    # On our own virtual display there is no window manager: Wine then manages the windows
    # itself (title bars drawn, no two-second wait for a manager on every hide).
    if [ -n "${MIRVO_XVFB_PID:-}" ]; then
        "$MIRVO_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    else
        "$MIRVO_WINE" reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1
    fi
    # The persistent server writes the new registry out on its save timer, every 30 s: the file
    # may come a full period after wineboot.
    mirvo_wait_for 60 test -f "$WINEPREFIX/system.reg" || { echo "Wine prefix not ready" >&2; return 1; }
}

mirvo_wine_stop() {
    [ -n "${WINEPREFIX:-}" ] && /usr/lib/wine/wineserver -k >/dev/null 2>&1
    if [ -n "${MIRVO_XVFB_PID:-}" ]; then
        kill "$MIRVO_XVFB_PID" 2>/dev/null
        MIRVO_XVFB_PID=""
    fi
    if [ -n "${WINEPREFIX:-}" ] && [ -z "${MIRVO_WINEPREFIX:-}" ] && [[ "$WINEPREFIX" == /tmp/mirvo-wineprefix.* ]]; then
        rm -rf "$WINEPREFIX"
    fi
}

# A second computer for the tests of a shared program folder: another prefix with a wineserver
# of its own (its own windows and clipboard) on a virtual display of its own. Call after
# mirvo_wine_start; mirvo_wine_peer_run runs a program there; mirvo_wine_peer_stop ends it.
mirvo_wine_peer_start() {
    local n
    for n in $(seq 141 190); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    MIRVO_PEER_XVFB_PID=$!
    MIRVO_PEER_DISPLAY=":$n"
    DISPLAY=$MIRVO_PEER_DISPLAY mirvo_wait_for 20 xdpyinfo || { echo "Xvfb did not start" >&2; return 1; }
    MIRVO_PEER_PREFIX=$(mktemp -d /tmp/mirvo-wineprefix.XXXXXX)
    export MIRVO_PEER_DISPLAY MIRVO_PEER_PREFIX MIRVO_PEER_XVFB_PID
    (
        export DISPLAY=$MIRVO_PEER_DISPLAY WINEPREFIX=$MIRVO_PEER_PREFIX
        /usr/lib/wine/wineserver -p >/dev/null 2>&1 || true
        "$MIRVO_WINE" wineboot -i >/dev/null 2>&1
        "$MIRVO_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
        "$MIRVO_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        mirvo_wait_for 60 test -f "$WINEPREFIX/system.reg"
    ) || { echo "second Wine prefix not ready" >&2; return 1; }
}

mirvo_wine_peer_run() {
    DISPLAY=$MIRVO_PEER_DISPLAY WINEPREFIX=$MIRVO_PEER_PREFIX "$MIRVO_WINE" "$@"
}

mirvo_wine_peer_stop() {
    [ -n "${MIRVO_PEER_PREFIX:-}" ] && WINEPREFIX=$MIRVO_PEER_PREFIX /usr/lib/wine/wineserver -k >/dev/null 2>&1
    if [ -n "${MIRVO_PEER_XVFB_PID:-}" ]; then
        kill "$MIRVO_PEER_XVFB_PID" 2>/dev/null
        MIRVO_PEER_XVFB_PID=""
    fi
    if [[ "${MIRVO_PEER_PREFIX:-}" == /tmp/mirvo-wineprefix.* ]]; then
        rm -rf "$MIRVO_PEER_PREFIX"
    fi
    MIRVO_PEER_PREFIX=""
}

# Runs a Windows program and returns its exit code.
mirvo_wine_run() {
    "$MIRVO_WINE" "$@"
}

# Figures printed by end-to-end tests: builds the Windows build that Wine runs here, runs the
# tests FILTER names under Wine on a virtual display and prints the lines of their output that
# LINES (an extended regular expression) matches. Fails, showing the whole output, when no line
# matches DONE (what the last figure prints), that is when the tests did not finish.
#   mirvo_e2e_figures FILTER DONE LINES
mirvo_e2e_figures() {
    local filter=$1 done=$2 lines=$3 build out
    mirvo_install_deps
    mirvo_wine_detect
    build=$(mirvo_runnable_windows_build)
    mirvo_build "$build" "$root" -DBUILD_TESTING=ON >/dev/null
    mirvo_wine_start virtual
    out=$(mktemp /tmp/mirvo-figures.XXXXXX)
    (cd "build/$build/tests/win32" &&
        "$MIRVO_WINE" mirvo_e2etests.exe --gtest_brief=1 --gtest_filter="$filter") \
        >"$out" 2>&1 || true
    mirvo_wine_stop
    trap - EXIT  # stopped already: a second stop would fail the script
    if ! grep -qE "$done" "$out"; then
        echo "the figures of $filter did not finish:" >&2
        cat "$out" >&2
        rm -f "$out"
        return 1
    fi
    grep -E "$lines" "$out" | sed 's/^ *//'
    rm -f "$out"
}
