#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz, runs each for FUZZ_SECONDS (30) from its
# committed seed corpus in tests/fuzz/corpus/<target>, then replays that corpus. New inputs go to
# build/fuzz/work, and an input that crashes a target is kept in build/fuzz/findings: add it to
# the corpus and to a regression test.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-30}
build_dir=build/fuzz

tools/install-dependencies.sh
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DFUZZ=ON -DBUILD_TESTING=OFF -DBUILD_BENCHMARKS=OFF
cmake --build "$build_dir" -j "$(nproc)"

# Each target fuzzes on a core of its own, so the targets run side by side, as many at a time as
# there are cores; a target's report is printed when it ends.
fuzz_target() {
  local corpus=$1
  local name target work findings log executions
  name=$(basename "$corpus")
  target="$build_dir/tests/fuzz/fuzz_$name"
  work="$build_dir/work/$name"
  findings="$build_dir/findings/$name"
  log="$build_dir/$name.log"
  rm -rf "$work"
  mkdir -p "$work" "$findings"

  if ! "$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$findings/" \
      "$work" "$corpus" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz_$name failed; the input is in $findings" >&2
    return 1
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz_$name: ${executions:-?} executions in ${seconds} s, $(find "$work" -type f | wc -l) new inputs"

  if ! "$target" -timeout=10 "$corpus"* >"$log.replay" 2>&1; then
    tail -n 60 "$log.replay"
    echo "fuzz_$name failed replaying its corpus" >&2
    return 1
  fi
  echo "fuzz_$name: corpus of $(find "$corpus" -type f | wc -l) inputs replayed"
}

failed=0
running=0
for corpus in tests/fuzz/corpus/*/; do
  if ((running >= $(nproc))); then
    wait -n || failed=1
    running=$((running - 1))
  fi
  fuzz_target "$corpus" >"$build_dir/$(basename "$corpus").report" 2>&1 &
  running=$((running + 1))
done
while ((running > 0)); do
  wait -n || failed=1
  running=$((running - 1))
done
for corpus in tests/fuzz/corpus/*/; do
  cat "$build_dir/$(basename "$corpus").report"
done
exit "$failed"
