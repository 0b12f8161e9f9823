#!/usr/bin/env bash
# Sets up, builds and starts Ampora. With --demo it runs on a simulated laptop battery
# (scripts/demo-battery) instead of this machine's batteries.
set -euo pipefail
cd "$(dirname "$0")"

demo=0
if [ "${1:-}" = "--demo" ]; then demo=1; shift; fi

AMPORA_WITH_WINDOWS=0 AMPORA_WITH_PACKAGES=0 scripts/setup-deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target ampora translations

if [ $demo = 1 ]; then
  tree=$(mktemp -d -t ampora-demo-XXXXXX)
  scripts/demo-battery --dir "$tree" </dev/null >/dev/null &
  demo_pid=$!
  trap 'kill $demo_pid 2>/dev/null; rm -rf "$tree"' EXIT
  sleep 0.5
  echo "Demo battery in $tree: kill -USR1 $demo_pid plugs/unplugs the adapter, kill -USR2 $demo_pid adds/removes a second battery."
  export AMPORA_SYSFS_ROOT="$tree"
fi
cd build
./ampora "$@"
