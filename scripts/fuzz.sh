#!/usr/bin/env bash
# Builds every fuzz target (fuzz/fuzz_*.cpp) with clang and libFuzzer in its
# own build directory and runs each for SECONDS seconds.
#
# Seed corpus of a target fuzz_NAME: the files of fuzz/seeds/fuzz_NAME/, plus
# every file and the files of every directory listed (one per line, relative
# to the repository root or absolute) in fuzz/fuzz_NAME.seeds. Seeds are
# copied to a temporary directory, which libFuzzer grows; nothing is written
# beside the seeds.
# Inputs that fail are kept in build/fuzz/artifacts/.
#
# Each target takes inputs up to its own length (max_len_of below): large
# enough for its whole seed files, so that no seed reaches it cut short.
#
# Usage: scripts/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TINTSMITH_FUZZ_BUILD:-"$root/build/fuzz"}

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --parallel "$(nproc)"

work=$(mktemp -d "${TMPDIR:-/tmp}/tintsmith-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$build/artifacts"

export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# The longest input a target is given. Measurement files run to 130 kB (a
# colour chart of 1,617 patches, whose grey ramp is only reached through the
# whole file); .quad files stay under 16 kB, and short inputs mean more runs.
max_len_of() {
  case "$1" in
    fuzz_measurement_readers) echo 262144 ;;
    *) echo 16384 ;;
  esac
}

status=0
for source in "$root"/fuzz/fuzz_*.cpp; do
  name=$(basename "$source" .cpp)
  corpus="$work/$name"
  mkdir -p "$corpus"
  if [ -d "$root/fuzz/seeds/$name" ]; then
    find "$root/fuzz/seeds/$name" -maxdepth 1 -type f -exec cp {} "$corpus/" \;
  fi
  if [ -f "$root/fuzz/$name.seeds" ]; then
    while IFS= read -r dir || [ -n "$dir" ]; do
      [ -z "$dir" ] && continue
      case "$dir" in \#*) continue ;; esac
      case "$dir" in /*) place="$dir" ;; *) place="$root/$dir" ;; esac
      if [ -d "$place" ]; then
        find "$place" -maxdepth 1 -type f -exec cp {} "$corpus/" \;
      elif [ -f "$place" ]; then
        cp "$place" "$corpus/"
      else
        echo "fuzz.sh: seed $dir of $name is missing" >&2
      fi
    done < "$root/fuzz/$name.seeds"
  fi
  max_len=$(max_len_of "$name")
  longest=$(find "$corpus" -type f -printf '%s\n' | sort -n | tail -1)
  if [ "${longest:-0}" -gt "$max_len" ]; then
    echo "fuzz.sh: a seed of $name ($longest bytes) is longer than its max_len $max_len" >&2
    status=1
  fi
  echo "== $name: $(find "$corpus" -type f | wc -l) seeds, max_len $max_len, ${seconds}s"
  # -timeout catches hangs, -malloc_limit_mb huge allocations; -max_len is
  # the target's own (max_len_of).
  if ! "$build/$name" "$corpus" -max_total_time="$seconds" -timeout=10 -malloc_limit_mb=512 -max_len="$max_len" \
       -rss_limit_mb=2048 -artifact_prefix="$build/artifacts/$name-" -print_final_stats=1; then
    echo "fuzz.sh: $name failed" >&2
    status=1
  fi
done
exit $status
