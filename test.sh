#!/usr/bin/env bash
# Sets up, builds and runs every test of Ampora.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup-deps
JOBS=${JOBS:-$(nproc)}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$JOBS"
ctest --test-dir build --output-on-failure -j "$JOBS"

# Further stages (cross build, sanitizers, fuzzing, ...), each a script of its own.
for stage in scripts/test.d/*; do
  [ -x "$stage" ] && [ -f "$stage" ] || continue
  echo "== ${stage#scripts/test.d/}"
  "$stage"
done
