#!/usr/bin/env bash
# Configures and builds one build tree: native, win32 (the 32-bit program) or win64.
# mirvo_build <kind> <source root> [build folder] [cmake options...]

# Configures a build tree and prints its folder.
mirvo_configure() {
    local kind=$1 root=$2
    local dir="$root/build/$kind"
    shift 2
    if [ $# -gt 0 ] && [[ "$1" != -* ]]; then
        dir=$1
        shift
    fi
    local toolchain=()
    case "$kind" in
        win32) toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake") ;;
        win64) toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-mingw.cmake") ;;
    esac
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "${toolchain[@]}" "$@" >/dev/null &&
        echo "$dir"
}

mirvo_build() {
    local dir
    dir=$(mirvo_configure "$@") && cmake --build "$dir" -- -k 0
}

# Builds only what ships in the program folder: mirvo.exe, which brings its launcher and the
# tutorial pages with it. Prints the build folder.
# mirvo_build_program <win32|win64> <source root> [build folder] [cmake options...]
mirvo_build_program() {
    local dir
    dir=$(mirvo_configure "$@") && cmake --build "$dir" --target mirvo >&2 && echo "$dir"
}

# The Windows build that Wine can run here: win32 where 32-bit programs run, else win64.
mirvo_runnable_windows_build() {
    if [ "$MIRVO_WINE_ARCH" = win32 ]; then echo win32; else echo win64; fi
}
