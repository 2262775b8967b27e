#!/usr/bin/env bash
# Runs the whole test suite RUNS times (5) in build/release, already built, on a busy machine:
# two busy loops a core run beside `ctest -j16`, and are stopped however the runs end. Prints each
# run's result, time and failed tests; fails when a run failed.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${RUNS:-5}
build_dir=${BUILD_DIR:-build/release}

loops=()
stop_loops() {
  if ((${#loops[@]} > 0)); then kill "${loops[@]}" 2>/dev/null || true; fi
}
trap stop_loops EXIT
trap 'exit 130' INT TERM
for ((k = 0; k < 2 * $(nproc); ++k)); do
  sh -c 'while :; do :; done' &
  loops+=($!)
done

failed=0
for ((run = 1; run <= runs; ++run)); do
  log="$build_dir/busy-run-$run.log"
  start=$(date +%s)
  ctest --test-dir "$build_dir" --output-on-failure -j16 >"$log" 2>&1 || failed=1
  echo "run $run: $(grep -E 'tests passed' "$log" | tail -n 1), $(($(date +%s) - start)) s, log in $log"
  grep -E '^\s+[0-9]+ - .*\((Failed|Timeout|SEGFAULT|Subprocess aborted|Exception)' "$log" || true
done
exit "$failed"
