#!/usr/bin/env bash
# Builds the project with AddressSanitizer and UndefinedBehaviorSanitizer,
# every warning an error, and runs every test: the unit tests, the layering
# check and the fuzz run. Extra arguments go to ctest; `-LE fuzz` leaves the
# fuzz run out for a quick run.
#
# Tests that read the shared real test files (../shared/testdata beside the
# clone) skip when that folder is missing; the count of skipped tests is
# printed at the end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

build="$root/build/test"
# The search for the best .acv curves is built too, so that it keeps
# building with the fit and the wedges it shares with the tests.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINTSMITH_SANITIZE=ON -DTINTSMITH_WERROR=ON \
  -DTINTSMITH_BUILD_ACV_SEARCH=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"

# Qt and its font stack keep a few allocations for the life of the process;
# they are not ours to free.
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
cd "$build"
log="$build/ctest.log"
set +e
ctest --output-on-failure --parallel "$(nproc)" --timeout 900 "$@" | tee "$log"
status=${PIPESTATUS[0]}
set -e

skipped=$(grep -c '(Skipped)$' "$log" || true)
echo "test.sh: $skipped tests skipped"
data=$(sed -n 's/^TINTSMITH_TESTDATA_DIR:PATH=//p' "$build/CMakeCache.txt")
if [[ ! -d "$data" ]]; then
  echo "test.sh: the shared test data folder $data is missing; the tests that read it skipped (CI runs them)"
fi
exit "$status"
