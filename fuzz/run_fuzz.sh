#!/bin/sh
# Builds the libFuzzer targets with clang into build-fuzz and runs one of them.
# Usage: fuzz/run_fuzz.sh TARGET SECONDS [CORPUS...]
#   TARGET  e.g. platform_bitmap_fuzz (or platform_bitmap)
#   CORPUS  extra seed directories; fuzz/corpus/<topic>/ is always used when it exists
set -eu

if [ $# -lt 2 ]; then
  echo "usage: $0 TARGET SECONDS [CORPUS...]" >&2
  exit 2
fi
target=${1%_fuzz}_fuzz
seconds=$2
shift 2

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DKOBAKO_FUZZ=ON -DKOBAKO_SANITIZE=ON \
  -DKOBAKO_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_FLAGS="-fsanitize=fuzzer-no-link" -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" \
  >/dev/null
cmake --build "$build" -j2 --target "$target" >/dev/null

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
  -artifact_prefix="$artifacts/" \
  "$work" $seeds "$@" >"$log" 2>&1 || status=$?
tail -n 20 "$log"
runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log" | tail -n 1)
echo "executions: ${runs:-unknown} (exit status $status, log $log)"
exit "$status"
