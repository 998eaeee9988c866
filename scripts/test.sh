#!/usr/bin/env bash
# Checks the formatting of the C++ files, builds everything and runs every test, builds core and
# tests again with Clang and runs them, then builds and runs the suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and prints the size of the test code against
# the source (scripts/test-ratio.sh; a warning above 35 %). Warnings are errors in all of these
# builds, which are the workflow presets of CMakePresets.json (dev, clang, asan).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/check-format.sh

# A compiler cache, when there is one, makes a second run of this script short.
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi

cmake --workflow --preset dev
scripts/test-package.sh build
scripts/test-ratio.sh

# The second compiler: core and tests only, to keep the run short.
cmake --workflow --preset clang

cmake --workflow --preset asan
