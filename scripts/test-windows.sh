#!/usr/bin/env bash
# The Windows build: cross-builds the core, tavmir.exe and the core's tests with MinGW-w64 and
# runs the tests under Wine (the windows preset), runs the program-run table with tavmir.exe
# under Wine (the Linux build's runner, build/tests/program_tests, which the dev preset makes),
# and builds the zip and checks it: its files, and the unpacked tavmir.exe validating the
# bundled sample. Warnings are errors, as in the other builds.
#   scripts/test-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "test-windows: $*" >&2; exit 1; }

cmake --workflow --preset windows
[ -x build/tests/program_tests ] || fail "build/tests/program_tests is missing: build the dev preset first"
TAVMIR_WINDOWS_BIN="$PWD/build-windows/bin" build/tests/program_tests \
  --gtest_filter='ProgramRun.UnderWine*' --gtest_brief=1

rm -rf build-windows/package
cpack --config build-windows/CPackConfig.cmake -B build-windows/package >/dev/null
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' build-windows/CPackConfig.cmake)
name="tavmir-${version}-windows-x86_64"
zip="build-windows/package/$name.zip"
[ -f "$zip" ] || fail "no zip $zip"
echo "Zip: $zip ($(du -k "$zip" | cut -f1) KiB)"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$scratch" && cmake -E tar xf "$OLDPWD/$zip")
for f in tavmir.exe mset.dat template.dat README.md windows.md LICENSE.txt COPYRIGHT.txt \
         examples/arena.cfg; do
  [ -f "$scratch/$name/$f" ] || fail "the zip lacks $f"
done
run=("$PWD/scripts/wine-run.sh" "$scratch/$name/tavmir.exe")
[ "$("${run[@]}" --version)" = "tavmir $version" ] || fail "the unpacked tavmir.exe gives another version"
status=0
(cd "$scratch/$name/examples" && "${run[@]}" -v arena.cfg >/dev/null) || status=$?
[ "$status" -eq 1 ] || fail "the unpacked tavmir.exe -v on the sample exited with $status, not 1"
[ -f "$scratch/$name/examples/arena.cfg.log" ] || fail "the unpacked tavmir.exe wrote no report"
echo "test-windows: the zip's tavmir.exe runs"
