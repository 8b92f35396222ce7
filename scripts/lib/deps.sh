#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.

mirvo_missing_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    echo "${missing[@]}"
}

mirvo_install_deps() {
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    local packages=(
        cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev
        clang libclang-rt-dev
        mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
        g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
        wine wine64 wine32:i386 xvfb x11-utils imagemagick fonts-wine fonts-dejavu-core
        nsis
    )
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
        $sudo apt-get update -q
    fi
    local missing
    missing=$(mirvo_missing_packages "${packages[@]}")
    if [ -n "$missing" ]; then
        echo "Installing: $missing"
        $sudo apt-get update -q >/dev/null
        # shellcheck disable=SC2086
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
    fi
}
