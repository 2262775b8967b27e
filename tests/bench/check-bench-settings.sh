#!/usr/bin/env bash
# A benchmark run keeps its settings in a temporary folder of its own and removes it at its end:
# the temporary folder it was given is empty again, the user's folders are untouched, and the
# fixed settings file the benchmarks once used was not written.
# Usage: check-bench-settings.sh [RUNNER...] BENCHMARK
set -euo pipefail

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/tmp" "$scratch/home"
old_settings=/nonexistent/velmar-bench-registry.reg
written_before=$(stat -c %y "$old_settings" 2>/dev/null || echo none)
HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_DATA_HOME=$scratch/home/.local/share \
  TMPDIR=$scratch/tmp "$@" --benchmark_min_time=0.01 >/dev/null

failures=0
if [[ -n $(ls -A "$scratch/tmp") ]]; then
  echo "FAILED: left in the temporary folder:" && ls -AR "$scratch/tmp"
  failures=$((failures + 1))
fi
if [[ -n $(ls -A "$scratch/home") ]]; then
  echo "FAILED: written into the user's folders:" && ls -AR "$scratch/home"
  failures=$((failures + 1))
fi
if [[ $(stat -c %y "$old_settings" 2>/dev/null || echo none) != "$written_before" ]]; then
  echo "FAILED: written to $old_settings"
  failures=$((failures + 1))
fi
((failures == 0))
