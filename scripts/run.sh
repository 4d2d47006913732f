#!/usr/bin/env bash
# Builds the application (optimised) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTINTSMITH_BUILD_TESTS=OFF -DTINTSMITH_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target tintsmith
exec "$build/app/ui/tintsmith" "$@"
