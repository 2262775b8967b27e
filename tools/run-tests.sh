#!/usr/bin/env bash
# Builds everything and runs every test. With --sanitize the build goes to build/sanitize and
# runs under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build/release
cmake_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [[ "${1:-}" == "--sanitize" ]]; then
  build_dir=build/sanitize
  cmake_args=(-DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON -DBUILD_BENCHMARKS=OFF)
fi

tools/install-dependencies.sh
cmake -S . -B "$build_dir" "${cmake_args[@]}"
cmake --build "$build_dir" -j "$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
