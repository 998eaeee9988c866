#!/usr/bin/env bash
# Runs every libFuzzer target of the fuzz preset (build-fuzz/, clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) for SECONDS seconds each (default 60) on its seed corpus in
# fuzz/corpus/<target>/, and prints per target the inputs run, the inputs a second and the
# outcome. New inputs go to build-fuzz/fuzz/corpus/<target>/ (the seeds are never written), a
# crash, leak or timeout to build-fuzz/fuzz/artifacts/. Exits 1 when any target failed.
# Builds the targets first when they are missing: cmake --preset fuzz && cmake --build --preset fuzz
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz/fuzz
if [ ! -d "$build" ]; then
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz
fi
mkdir -p "$build/artifacts" "$build/logs"
status=0
total=0
printf '%-20s %12s %10s  %s\n' target inputs inputs/s outcome
for seeds in fuzz/corpus/*/; do
  target=$(basename "$seeds")
  work="$build/corpus/$target"
  log="$build/logs/$target.log"
  mkdir -p "$work"
  outcome=ok
  # Freed memory is reused after 64 MB of frees instead of 256: the inputs then run in memory
  # already mapped, and a use after free is still caught within that distance.
  ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=64 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
    "$work" "$seeds" >"$log" 2>&1 || { outcome="FAILED (see $log)"; status=1; }
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  total=$((total + ${runs:-0}))
  printf '%-20s %12s %10s  %s\n' "$target" "${runs:-?}" "${speed:-?}" "$outcome"
done
printf '%-20s %12s\n' total "$total"
exit $status
