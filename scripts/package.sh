#!/usr/bin/env bash
# Builds the release of Mirvo from the 32-bit build: the portable zip
# build/release/mirvo-<version>-win32.zip and the installer build/release/mirvo-<version>-setup.exe,
# both holding the program folder that `cmake --install` lays out. The version is the project's
# (CMakeLists.txt).
#
# package.sh [win32|win64] [output folder]
# win64 packs the 64-bit build the same way (mirvo-<version>-win64.zip and
# mirvo-<version>-win64-setup.exe), for testing the package where only 64-bit programs run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/lib/deps.sh
source scripts/lib/build.sh

kind=${1:-win32}
out=${2:-$root/build/release}
case "$kind" in
    win32 | win64) ;;
    *)
        echo "usage: package.sh [win32|win64] [output folder]" >&2
        exit 2
        ;;
esac
mkdir -p "$out"
out=$(cd "$out" && pwd)

mirvo_install_deps
log=$(mktemp)
trap 'rm -f "$log"' EXIT
build=$(mirvo_build_program "$kind" "$root" 2>"$log") ||
    { cat "$log" >&2; echo "The build failed" >&2; exit 1; }
version=$(cat "$build/version.txt")
quad=$(awk -F. '{ printf "%d.%d.%d.0", $1, $2, $3 }' <<<"$version")

# The program folder, laid out afresh.
work="$root/build/package-$kind"
rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$work/Mirvo" >/dev/null

# The portable zip holds the folder itself: unpacked anywhere, it runs in place.
if [ "$kind" = win32 ]; then
    zip="$out/mirvo-$version-win32.zip"
    setup="$out/mirvo-$version-setup.exe"
else
    zip="$out/mirvo-$version-win64.zip"
    setup="$out/mirvo-$version-win64-setup.exe"
fi
rm -f "$zip" "$setup"
(cd "$work" && cmake -E tar cf "$zip" --format=zip Mirvo)

# The installer installs exactly the files of the folder, and its uninstaller removes exactly
# those: one list makes both.
files="$work/files.nsh"
{
    echo "!macro MirvoInstallFiles"
    (cd "$work/Mirvo" && find . -type d | sort) | while read -r dir; do
        rel=${dir#./}
        [ "$dir" = . ] && rel=""
        echo "    SetOutPath \"\$INSTDIR${rel:+\\${rel//\//\\}}\""
        find "$work/Mirvo/$rel" -maxdepth 1 -type f | sort | while read -r file; do
            echo "    File \"$file\""
        done
    done
    echo "!macroend"
    echo "!macro MirvoUninstallFiles"
    (cd "$work/Mirvo" && find . -type f | sort) | while read -r file; do
        rel=${file#./}
        echo "    Delete \"\$INSTDIR\\${rel//\//\\}\""
    done
    # Sub-folders deepest first, each only when empty.
    (cd "$work/Mirvo" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
        rel=${dir#./}
        echo "    RMDir \"\$INSTDIR\\${rel//\//\\}\""
    done
    echo "!macroend"
} >"$files"

defines=(-DVERSION="$version" -DVERSION_QUAD="$quad" -DFILES="$files" -DOUTFILE="$setup"
    -DICON="$root/src/win32/resources/mirvo.ico")
[ "$kind" = win64 ] && defines+=(-DAMD64)
makensis -V2 "${defines[@]}" "$root/packaging/mirvo.nsi" >"$work/makensis.log" ||
    { cat "$work/makensis.log" >&2; exit 1; }

echo "$(basename "$zip"): $(stat -c %s "$zip") bytes"
echo "$(basename "$setup"): $(stat -c %s "$setup") bytes"
echo "in $out"
