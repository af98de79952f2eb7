#!/usr/bin/env bash
# Pictures for reviewing the game, from one whole-game run through kobako-headless:
#   tools/review_shots.sh BUILD_DIR [OUT_DIR]
# Writes the logo, the title, the opening, the stage select, a stage in play, the rescue window,
# a message window and the ending into OUT_DIR (default BUILD_DIR/review), and the start of every
# stage into OUT_DIR/stages.
set -euo pipefail
if [[ $# -lt 1 ]]; then
  echo "usage: $0 BUILD_DIR [OUT_DIR]" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
out=${2:-$build/review}
mkdir -p "$out"
out=$(cd "$out" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tools/solve/kobako-solve" "$build/game" "$work/sol" >/dev/null
"$build/kobako-playthrough" "$work/sol" "$work/script.txt"
(cd "$work" && "$build/kobako-headless" --data "$build/game" script.txt)

for shot in logo title opening select play_00 rescue_00 message_00 ending; do
  cp "$work/$shot.png" "$out/$shot.png"
  echo "$out/$shot.png"
done
"$root/tools/solve/stage_shots.sh" "$build" "$out/stages"
