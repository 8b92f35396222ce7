#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
# The 32-bit Wine packages are optional: when their index or their dependencies cannot be had,
# the rest is installed and the tests run the 64-bit build under wine64 (scripts/lib/wine.sh).

mirvo_missing_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    echo "${missing[@]}"
}

# apt-get update, tried again once: a mirror in the middle of a sync serves an index whose size
# does not match its release file, which usually mends itself within seconds.
mirvo_apt_update() {
    $sudo apt-get update -q >/dev/null 2>&1 && return 0
    sleep 5
    # Its errors are shown; a failed update must not end a calling script that uses set -e.
    $sudo apt-get update -q 2>&1 | grep -E '^(E|W):' >&2 || true
}

mirvo_apt_install() {
    # shellcheck disable=SC2068
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $@
}

mirvo_install_deps() {
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    local packages=(
        cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev
        clang libclang-rt-dev
        mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
        g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
        wine wine64 xvfb x11-utils imagemagick fonts-wine fonts-dejavu-core
        nsis
    )
    local packages32=(wine32:i386)
    # Once found missing in this run, not tried again by the scripts it starts.
    [ -z "${MIRVO_NO_WINE32:-}" ] || packages32=()
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    local missing missing32
    missing=$(mirvo_missing_packages "${packages[@]}")
    missing32=$(mirvo_missing_packages "${packages32[@]}")
    if [ -n "$missing$missing32" ]; then
        echo "Installing: $missing $missing32"
        mirvo_apt_update
    fi
    if [ -n "$missing$missing32" ] && ! mirvo_apt_install "$missing" "$missing32"; then
        [ -n "$missing32" ] || return 1
        echo "The 32-bit Wine packages cannot be installed here; going on with the 64-bit tools" >&2
        export MIRVO_NO_WINE32=1
        [ -z "$missing" ] || mirvo_apt_install "$missing" || return 1
    fi
}
