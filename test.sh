#!/usr/bin/env bash
# Sets up, builds and runs every test of Ampora.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup-deps
JOBS=${JOBS:-$(nproc)}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$JOBS"
ctest --test-dir build --output-on-failure -j "$JOBS"
