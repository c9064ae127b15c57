#!/usr/bin/env bash
# Configures, builds and runs every test, with warnings as errors.
# Usage: tools/run-tests.sh [build-dir] [extra cmake args...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
jobs=$(nproc)
if [ "$jobs" -gt 8 ]; then
  jobs=8
fi
cmake -S . -B "$build" -DAAF2XMEML_WERROR=ON "$@"
cmake --build "$build" -j"$jobs"
ctest --test-dir "$build" --output-on-failure -j"$jobs"
