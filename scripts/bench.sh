#!/usr/bin/env bash
# Builds the benchmarks optimised (no sanitizers), with them the search for
# the best .acv curves (tools/acvsearch, run by hand), and runs them all, or
# only those whose executable name contains the first argument (numerics,
# curves, inks, charts, ui). Further arguments go to Google Benchmark. "window" runs
# only the slider steps in the real window under Xvfb (bench/window), which
# the full run ends with; "window opens" times only the opens there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

build="$root/build/bench"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTINTSMITH_BUILD_TESTS=OFF \
  -DTINTSMITH_BUILD_ACV_SEARCH=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"

# One BLAS thread unless asked otherwise: the wrappers are compared with the
# raw calls, and a busy machine makes threaded timings swing widely.
export OPENBLAS_NUM_THREADS=${OPENBLAS_NUM_THREADS:-1}

filter=${1:-}
shift || true
for exe in "$build"/bench/*_bench; do
  [[ -x "$exe" ]] || continue
  [[ -z "$filter" || "$(basename "$exe")" == *"$filter"* ]] || continue
  echo "== $(basename "$exe")"
  "$exe" "$@"
done
if [[ -z "$filter" || "$filter" == window ]]; then
  echo "== window (real window under Xvfb)"
  # "window" takes the script's own arguments: a step count, "opens".
  [[ "$filter" == window ]] || set --
  python3 "$root/bench/window/slider_steps.py" "$build/bench/window_driver" "$build/app/ui/tintsmith" "$@"
fi
