#!/usr/bin/env bash
# ./play.sh sets up and builds only what playing needs: the set-up script's play set names no
# testing tool, and a configure without the tests never looks for GoogleTest or Google Benchmark.
#   tests/setup_split_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
status=0

play=$("$source_dir/scripts/setup.sh" --play --dry-run)
all=$("$source_dir/scripts/setup.sh" --dry-run)
for tool in libgtest-dev libbenchmark-dev clang clang-format libclang-rt-14-dev lintian \
  debhelper valgrind xvfb xauth x11-utils appstream desktop-file-utils; do
  if grep -qx "$tool" <<<"$play"; then
    echo "the play set installs the testing tool $tool" >&2
    status=1
  fi
  grep -qx "$tool" <<<"$all" || { echo "the full set lacks $tool" >&2; status=1; }
done
grep -qx libsdl2-dev <<<"$play" || { echo "the play set lacks SDL" >&2; status=1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! cmake -S "$source_dir" -B "$work" -DKOBAKO_TESTS=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >"$work.log" 2>&1; then
  echo "a configure without the tests looks for GoogleTest or Google Benchmark:" >&2
  tail -n 20 "$work.log" >&2
  status=1
fi
rm -f "$work.log"
exit "$status"
