#!/usr/bin/env bash
# Sets up what building and playing need, builds kobako (a compiler's warnings stay warnings)
# and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh --play
scripts/build.sh build -DKOBAKO_TESTS=OFF -DKOBAKO_WERROR=OFF
exec build/kobako "$@"
