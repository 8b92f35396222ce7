#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the layer check of the
# includes, the check of this command's own counting, the native tests, a bounded run of every
# fuzz target, then the Windows tests under Wine on a virtual display, the last of which installs,
# starts and uninstalls the release package (scripts/package.sh) and starts its portable zip,
# then two computers over one program folder (two Wine prefixes, scripts/wine-shared-folder.sh).
# Ends with one summary line: passed, failed and skipped.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# shellcheck source=lib/deps.sh
source scripts/lib/deps.sh
# shellcheck source=lib/build.sh
source scripts/lib/build.sh
# shellcheck source=lib/wine.sh
source scripts/lib/wine.sh

started=$SECONDS
mirvo_install_deps || { echo "Could not install the build and test tools" >&2; exit 2; }
mirvo_wine_detect || exit 2
windows_build=$(mirvo_runnable_windows_build)

results="$root/build/test-results"
shots="$root/build/screenshots"
rm -rf "$results" "$shots"
mkdir -p "$results" "$shots"
build_failed=0

echo "== Building: native, win32 (the program), and $windows_build for Wine"
t0=$SECONDS
mirvo_build native "$root" -DBUILD_TESTING=ON || build_failed=1
mirvo_build win32 "$root" -DBUILD_TESTING=ON || build_failed=1
if [ "$windows_build" = win64 ]; then
    # This host cannot run 32-bit programs: the same code is tested as a 64-bit build.
    mirvo_build win64 "$root" -DBUILD_TESTING=ON || build_failed=1
fi
echo "   build time: $((SECONDS - t0)) s"

passed=0
failed=0
skipped=0
# shellcheck source=lib/report.sh
source scripts/lib/report.sh

echo "== Layer order of the includes (docs/ARCHITECTURE.md)"
if bash scripts/check-layers.sh >"$results/layers.txt" 2>&1; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
fi
sed 's/^/   /' "$results/layers.txt" | tail -25

echo "== The test command's own counting (tests/scripts/report-test.sh)"
if bash tests/scripts/report-test.sh >"$results/report.txt" 2>&1; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
fi
sed 's/^/   /' "$results/report.txt"

echo "== Native tests"
t0=$SECONDS
if [ -x build/native/tests/mirvo_tests ]; then
    build/native/tests/mirvo_tests --gtest_brief=1 --gtest_output="xml:$results/native.xml" | tail -5
fi
mirvo_count_report "$results/native.xml" "native"
echo "   native test time: $((SECONDS - t0)) s"

echo "== The sequence explorer (${MIRVO_EXPLORE_SECONDS:-60} s on a fixed seed, the same on a fresh one;"
echo "   then two instances over one data folder, ${MIRVO_EXPLORE2_SECONDS:-45} s on a fresh seed)"
t0=$SECONDS
# A fixed seed repeats what passed before; a fresh one looks somewhere new. A broken invariant
# that is not a known fault counts as a failure (one per fault), a clean run as a pass;
# scripts/explore.sh looks further.
fresh=$(((RANDOM << 15) | RANDOM))
for run in "1 2026 ${MIRVO_EXPLORE_SECONDS:-60}" "1 $fresh ${MIRVO_EXPLORE_SECONDS:-60}" \
    "2 $((fresh + 1)) ${MIRVO_EXPLORE2_SECONDS:-45}"; do
    read -r machines seed seconds <<<"$run"
    out="$results/explore-$machines-$seed.txt"
    if [ -x build/native/tests/mirvo_explore ]; then
        build/native/tests/mirvo_explore --seconds "$seconds" --seed "$seed" \
            --machines "$machines" >"$out" 2>/dev/null
        code=$?
    else
        echo "explore: the explorer was not built" >"$out"
        code=2
    fi
    grep -v '^    "' "$out" | grep -v '^  [A-Za-z]' | sed 's/^/   /' | tail -12
    found=$(sed -n 's/^explore: \([0-9]*\) new fault.*/\1/p' "$out")
    if [ "$code" -eq 0 ]; then
        passed=$((passed + 1))
    elif [ -n "$found" ] && [ "$found" -gt 0 ]; then
        failed=$((failed + found))
    else
        failed=$((failed + 1))
    fi
done
echo "   explorer time: $((SECONDS - t0)) s (the faults' steps: $results/explore-*.txt)"

echo "== Fuzzing every data-file reader (${MIRVO_FUZZ_SECONDS:-10} s per target)"
t0=$SECONDS
bash scripts/fuzz.sh "${MIRVO_FUZZ_SECONDS:-10}" >"$results/fuzz.txt" 2>&1
sed 's/^/   /' "$results/fuzz.txt" | tail -25
# One line per target: name, executions, findings. A finding counts as a failure.
if grep -q '^fuzz: ' "$results/fuzz.txt"; then
    clean=$(awk 'NF == 3 && $3 == "0" && $2 ~ /^[0-9]+$/' "$results/fuzz.txt" | wc -l)
    found=$(grep '^fuzz: ' "$results/fuzz.txt" | grep -o '[0-9]* findings' | grep -o '[0-9]*')
    passed=$((passed + clean))
    failed=$((failed + found))
else
    echo "   fuzzing did not run"
    failed=$((failed + 1))
fi
echo "   fuzz time: $((SECONDS - t0)) s"

echo "== The release package (scripts/package.sh)"
t0=$SECONDS
# The release is the 32-bit build; where Wine runs only 64-bit programs, the 64-bit build is
# packed the same way for the test.
release="$root/build/release"
packed=0
bash scripts/package.sh win32 "$release" >"$results/package.txt" 2>&1 || packed=1
if [ "$windows_build" = win64 ]; then
    release="$root/build/release-win64"
    bash scripts/package.sh win64 "$release" >>"$results/package.txt" 2>&1 || packed=1
fi
sed 's/^/   /' "$results/package.txt" | tail -12
if [ $packed -eq 0 ]; then
    passed=$((passed + 1))
else
    echo "   packaging failed"
    failed=$((failed + 1))
fi
version=$(cat "build/$windows_build/version.txt" 2>/dev/null || echo unknown)
if [ "$windows_build" = win32 ]; then
    setup="$release/mirvo-$version-setup.exe"
else
    setup="$release/mirvo-$version-win64-setup.exe"
fi
# The zip unpacked in a fresh folder, as a user would (a blank in its name, as often on Windows).
portable=$(mktemp -d "/tmp/mirvo portable.XXXXXX")
(cd "$portable" && cmake -E tar xf "$release/mirvo-$version-$windows_build.zip") ||
    echo "   the zip did not unpack"
echo "   package time: $((SECONDS - t0)) s"

echo "== Windows tests under Wine ($MIRVO_WINE_ARCH, virtual display)"
t0=$SECONDS
mirvo_wine_start virtual || { echo "Wine did not start" >&2; failed=$((failed + 1)); }
for exe in tests/win32/mirvo_wintests.exe tests/win32/mirvo_e2etests.exe \
    tests/win32/mirvo_releasetests.exe; do
    name=$(basename "$exe" .exe)
    if [ -f "build/$windows_build/$exe" ]; then
        (cd "build/$windows_build/tests/win32" &&
            MIRVO_SCREENSHOT_DIR="Z:${shots//\//\\}" MIRVO_RELEASE_SETUP="Z:${setup//\//\\}" \
            MIRVO_RELEASE_PORTABLE="Z:${portable//\//\\}\\Mirvo" timeout 1200 "$MIRVO_WINE" "$name.exe" \
                --gtest_brief=1 --gtest_output="xml:Z:${results//\//\\}\\$name.xml" 2>&1 | tail -20)
    fi
    mirvo_count_report "$results/$name.xml" "$name"
done
rm -rf "$portable"
mirvo_wine_stop
echo "   Windows test time: $((SECONDS - t0)) s"

echo "== Two computers over one program folder (two Wine prefixes)"
t0=$SECONDS
MIRVO_SCREENSHOT_DIR="Z:${shots//\//\\}" bash scripts/wine-shared-folder.sh "$results" | tail -34
mirvo_count_report "$results/shared-folder-a.xml" "shared-folder-a"
mirvo_count_report "$results/shared-folder-b.xml" "shared-folder-b"
echo "   time: $((SECONDS - t0)) s"

for bmp in "$shots"/*.bmp; do
    [ -e "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
ls "$shots"/*.png >/dev/null 2>&1 && echo "   screenshots: $shots"

[ $build_failed -eq 0 ] || { echo "   the build failed"; failed=$((failed + 1)); }
echo "SUMMARY: $passed passed, $failed failed, $skipped skipped (total time $((SECONDS - started)) s)"
[ $failed -eq 0 ]
