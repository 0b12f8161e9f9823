#!/usr/bin/env bash
# Sets up, builds and starts Ampora.
set -euo pipefail
cd "$(dirname "$0")"

AMPORA_WITH_WINDOWS=0 scripts/setup-deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
cd build
exec ./ampora "$@"
