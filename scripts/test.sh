#!/usr/bin/env bash
# Checks the formatting of the C++ files, builds everything and runs every test (a second time
# under a locale with a comma as the decimal point), cross-builds the command-line program and
# the core's tests for Windows and runs them under Wine (scripts/test-windows.sh), builds core
# and tests again with Clang and runs them, then builds and runs the suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, builds every fuzz target and runs each for a
# few seconds, and prints the size of the test code against the source (scripts/test-ratio.sh;
# a warning above 35 %). Warnings are errors in all of these builds, which are the presets of
# CMakePresets.json (dev, dev-de, windows, clang, asan, fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/check-format.sh

# A compiler cache, when there is one, makes a second run of this script short.
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi

cmake --workflow --preset dev
# The whole suite once more where decimals are written with a comma: a locale generated into
# the build folder (no root needed), which the tests and the windows switch on at start-up.
if [ ! -f build/locale/de_DE.UTF-8/LC_NUMERIC ]; then
  mkdir -p build/locale
  localedef -i de_DE -f UTF-8 build/locale/de_DE.UTF-8 || [ -f build/locale/de_DE.UTF-8/LC_NUMERIC ]
fi
if [ "$(LOCPATH=build/locale LC_ALL=de_DE.UTF-8 locale decimal_point 2>/dev/null)" != "," ]; then
  echo "error: the de_DE.UTF-8 locale could not be made in build/locale" >&2
  exit 1
fi
ctest --preset dev-de
scripts/test-package.sh build
scripts/test-ratio.sh

# The Windows build (MinGW-w64): the core's tests and the program-run table under Wine, and
# the zip.
scripts/test-windows.sh

# The second compiler: core and tests only, to keep the run short.
cmake --workflow --preset clang

cmake --workflow --preset asan

# Every fuzz target built (clang, AddressSanitizer and UndefinedBehaviorSanitizer) and run a
# few seconds on its seed corpus, so that none can rot; scripts/fuzz.sh SECONDS runs them longer.
cmake --preset fuzz
cmake --build --preset fuzz
scripts/fuzz.sh 3
