#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted as .clang-format says; prints the
# files and the first lines that differ. `scripts/check-format.sh --fix` formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files --cached --others --exclude-standard -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
  'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h' 'tools/*.cpp' 'tools/*.h')
present=()
for f in "${files[@]}"; do [ -f "$f" ] && present+=("$f"); done
files=("${present[@]}")
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi

bad=0
for f in "${files[@]}"; do
  if ! clang-format "$f" | cmp -s - "$f"; then
    echo "not formatted: $f"
    clang-format "$f" | diff -u "$f" - | sed -n '3,12p' || true
    bad=1
  fi
done
if [ "$bad" -ne 0 ]; then
  echo "Run scripts/check-format.sh --fix to format these files."
  exit 1
fi
echo "Formatting: ${#files[@]} files as .clang-format says."
