#!/usr/bin/env bash
# scripts/screenshot.sh [BUILD_DIR]
# Redraws docs/screenshot.png, the README's picture: stage 3 in play, through the headless
# runner of an existing build (kobako-headless and the game's data built).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
script=$(mktemp)
trap 'rm -f "$script"' EXIT
printf 'at 70 shot docs/screenshot.png\nend 70\n' >"$script"
"$build/kobako-headless" --data "$build/game" --stage 3 "$script"
