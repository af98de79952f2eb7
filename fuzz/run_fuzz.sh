#!/bin/sh
# Builds the libFuzzer targets with clang and runs one of them for a bounded time.
# Usage: fuzz/run_fuzz.sh TARGET SECONDS [CORPUS...]
#   TARGET  e.g. platform_bitmap_fuzz (or platform_bitmap)
#   CORPUS  extra seed directories; fuzz/corpus/<topic>/ is always used when it exists
# Exit status: 0 when the time ran out without a finding, 1 on a finding (crash, leak, timeout,
# out of memory; the input is kept in the artifacts folder), 2 when the target could not be
# built or run. KOBAKO_FUZZ_BUILD names the build folder (default build-fuzz).
set -eu

if [ $# -lt 2 ]; then
  echo "usage: $0 TARGET SECONDS [CORPUS...]" >&2
  exit 2
fi
target=${1%_fuzz}_fuzz
seconds=$2
shift 2

root=$(cd "$(dirname "$0")/.." && pwd)
build=${KOBAKO_FUZZ_BUILD:-$root/build-fuzz}
mkdir -p "$build"
build=$(cd "$build" && pwd)
buildlog="$build/build-$target.log"
if ! { CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DKOBAKO_FUZZ=ON -DKOBAKO_SANITIZE=ON \
  -DKOBAKO_TESTS=OFF -DKOBAKO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_FLAGS="-fsanitize=fuzzer-no-link" -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" &&
  cmake --build "$build" -j2 --target "$target"; } >"$buildlog" 2>&1; then
  tail -n 30 "$buildlog" >&2
  echo "$target: cannot build (log $buildlog)" >&2
  exit 2
fi

# New inputs go to a scratch directory so the checked-in seeds stay as they are.
topic=${target#*_}
topic=${topic%_fuzz}
work="$build/corpus-$topic"
artifacts="$build/artifacts-$topic"
mkdir -p "$work" "$artifacts"
seeds=""
if [ -d "$root/fuzz/corpus/$topic" ]; then seeds="$root/fuzz/corpus/$topic"; fi

log="$build/$target.log"
status=0
"$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=2048 \
  -timeout=30 -artifact_prefix="$artifacts/" \
  "$work" $seeds "$@" >"$log" 2>&1 || status=$?
runs=$(sed -n 's/^stat::number_of_executed_units: *\([0-9]*\).*/\1/p' "$log" | tail -n 1)
[ -n "$runs" ] || runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log" | tail -n 1)
if [ "$status" -eq 0 ] && grep -q '^Done [0-9]* runs' "$log"; then
  echo "$target: ${runs:-?} executions in $seconds s, no finding"
  exit 0
fi
tail -n 40 "$log"
found=$(grep -o "Test unit written to [^ ]*" "$log" | tail -n 1 || true)
if [ -n "$found" ]; then
  echo "$target: FINDING after ${runs:-?} executions: ${found#Test unit written to } (log $log)"
  exit 1
fi
echo "$target: stopped with status $status after ${runs:-?} executions (log $log)" >&2
exit 2
