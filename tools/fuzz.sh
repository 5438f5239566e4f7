#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each for FUZZ_SECONDS (default 60),
# or only the targets named as arguments. Each starts from its seed corpus in fuzz/corpus/ and
# keeps what it learns in build-fuzz/corpus/<target>/, so the seeds stay as the script made them.
# A crash or hang leaves its input in build-fuzz/findings/ and makes the run fail; keep it as a
# regression case by copying it to fuzz/corpus/<target>/found-<what>. One line per target goes
# to build-fuzz/fuzz-summary.txt: its run time and the executions it made.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
jobs=${JOBS:-2}
cmake --preset fuzz ${CMAKE_FLAGS:-} >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzzers

if [ $# -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets < <(ls fuzz/corpus)
fi

mkdir -p build-fuzz/findings
status=0
for target in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$target"
  log="build-fuzz/$target.log"
  if ! build-fuzz/fuzz/"$target" -max_total_time="$seconds" \
    -timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/findings/$target-" \
    "build-fuzz/corpus/$target" "fuzz/corpus/$target" >"$log" 2>&1; then
    echo "$target: FAILED, see $log and build-fuzz/findings/" >&2
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "$target ${seconds}s ${runs:-?} executions" | tee -a build-fuzz/fuzz-summary.txt
done
exit $status
