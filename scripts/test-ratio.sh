#!/usr/bin/env bash
# Prints the lines of test code (C++ under tests/, not the data files) over the lines of
# src/, as a percentage. The rule: at most 35 %. Expected texts and files belong in
# tests/data/, read by one data-driven runner per area (see tests/README.md).
# Exits 0 whatever the ratio; scripts/test.sh warns when it is above the rule.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { find "$1" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat | wc -l; }
tests=$(count tests)
source=$(count src)
percent=$(( (tests * 100 + source / 2) / source ))
echo "Test code: $tests lines / $source lines of source = $percent%"
if [ "$percent" -gt 35 ]; then
  echo "warning: test code is above 35% of the source; move expected texts into tests/data/" >&2
fi
