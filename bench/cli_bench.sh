#!/usr/bin/env bash
# Whole-process speed of command-line validation: `tavmir -v` on 1,000 complete settings files
# (copies of the bundled sample, each with its report written) against a Python configparser
# script that only parses the same files, in the same run. Prints both times and the ratio.
# Then, on the same files in the same run, `tavmir -v --format=gnu --no-report` (the findings
# Last, `tavmir --set` of one value into the same files, in their own lines.
# as lines, no reports) against `tavmir -v`: the first must be at least as fast.
#   bench/cli_bench.sh [BUILD_DIR] [COUNT]      (defaults: build, 1000)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
count=${2:-1000}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for i in $(seq -w 1 "$count"); do cp samples/arena.cfg "$scratch/arena$i.cfg"; done
files=("$scratch"/arena*.cfg)

seconds() { local t0 t1; t0=$(date +%s.%N); "$@" >/dev/null || true; t1=$(date +%s.%N); awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }'; }
best() { for _ in 1 2 3; do seconds "$@"; done | sort -g | head -1; }

gnu=$(best "$build/bin/tavmir" -v --format=gnu --no-report "${files[@]}")
[ -z "$(ls "$scratch" | grep '\.log$' || true)" ] || { echo "cli_bench: --no-report wrote a report" >&2; exit 1; }
[ "$("$build/bin/tavmir" -v --format=gnu --no-report "${files[@]}" | wc -l)" -eq $((3 * count)) ] ||
  { echo "cli_bench: --format=gnu did not print three findings per file" >&2; exit 1; }
tavmir=$(best "$build/bin/tavmir" -v "${files[@]}")
python=$(best python3 bench/configparser_parse.py "${files[@]}")
[ "$(ls "$scratch"/*.log | wc -l)" -eq "$count" ] || { echo "cli_bench: not every report was written" >&2; exit 1; }
printf 'tavmir -v, %d files:             %6.3f s (best of 3)\n' "$count" "$tavmir"
printf 'configparser parse only, %d files: %6.3f s (best of 3)\n' "$count" "$python"
printf 'tavmir is %.1f times as fast (goal: at least 15)\n' "$(awk -v p="$python" -v t="$tavmir" 'BEGIN { print p / t }')"
printf 'tavmir -v --format=gnu --no-report, %d files: %6.3f s (best of 3)\n' "$count" "$gnu"
printf 'that is %.2f times the time of tavmir -v (goal: at most 1)\n' "$(awk -v g="$gnu" -v t="$tavmir" 'BEGIN { print g / t }')"

# `tavmir --set` of one value into the same 1,000 files, each written in its own lines (goal:
# at most 1 s); each file must then differ from the sample in exactly one line.
best_set() { for v in 11 12 13; do seconds "$build/bin/tavmir" --set "Misc:SendPositionDelay=$v" "${files[@]}"; done | sort -g | head -1; }
set_time=$(best_set)
changed=0
for f in "${files[@]}"; do [ "$(diff samples/arena.cfg "$f" | grep -c '^>')" -eq 1 ] && changed=$((changed + 1)); done
[ "$changed" -eq "$count" ] || { echo "cli_bench: --set did not change one line in every file" >&2; exit 1; }
printf 'tavmir --set, one value, %d files: %6.3f s (best of 3; goal: at most 1)\n' "$count" "$set_time"
