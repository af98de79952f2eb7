#!/usr/bin/env bash
# Sets up, builds and runs every test: a plain build, then one under ASan and UBSan.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
files=$(git ls-files '*.cpp' '*.h')
if [ -n "$files" ]; then
  clang-format --dry-run --Werror $files
fi
scripts/build.sh build
(cd build && ctest --output-on-failure -j "$(nproc)")
scripts/build.sh build-asan -DKOBAKO_SANITIZE=ON
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j "$(nproc)")
