#!/usr/bin/env bash
# Builds the program in build/release (installing the Debian packages it needs) and starts it;
# the arguments go to the program (try --help).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-dependencies.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release --target VelmarTessaline -j "$(nproc)"
exec build/release/app/VelmarTessaline "$@"
