#!/usr/bin/env bash
# Checks the formatting of the C++ files, builds everything and runs every test, builds core and tests again with Clang and runs them,
# then builds and runs the suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and prints the size of the test code against the source (scripts/test-ratio.sh; a warning
# above 35 %). Warnings are errors in all of these builds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/check-format.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVMIR_WERROR=ON
cmake --build build -j2
ctest --test-dir build -j2 --output-on-failure
scripts/test-package.sh build
scripts/test-ratio.sh

# The second compiler: core and tests only, to keep the run short.
cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
  -DTAVMIR_WERROR=ON -DTAVMIR_BUILD_GUI=OFF -DTAVMIR_BUILD_BENCH=OFF
cmake --build build-clang -j2
ctest --test-dir build-clang -j2 --output-on-failure

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVMIR_SANITIZE=ON -DTAVMIR_BUILD_BENCH=OFF \
  -DTAVMIR_WERROR=ON
cmake --build build-asan -j2
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
  UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan -j2 --output-on-failure
