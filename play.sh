#!/usr/bin/env bash
# Sets up, builds and starts kobako.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh build -DKOBAKO_TESTS=OFF
exec build/kobako "$@"
