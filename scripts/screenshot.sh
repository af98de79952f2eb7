#!/usr/bin/env bash
# scripts/screenshot.sh [BUILD_DIR]
# Redraws docs/screenshot.png, the README's picture: stage 3 in play, and the English pictures
# docs/english-*.png (the title, the opening's first page, the first message, the pause menu),
# through the headless runner of an existing build (kobako-headless and the game's data built).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
runner() {
  "$build/kobako-headless" --data "$build/game" "$@"
}
printf 'at 70 shot docs/screenshot.png\nend 70\n' >"$work/stage"
runner --stage 3 "$work/stage"

english() {
  env -u LC_ALL -u LC_MESSAGES KOBAKO_LANGUAGE=en "$build/kobako-headless" --data "$build/game" "$@"
}
# The whole game's start, up to the first message, kept open until its text is shown whole.
awk -v dir="$PWD/docs" '
  / shot title.png/ { print "at 4 shot " dir "/english-title.png"; next }
  / shot opening.png/ { print "at 1 shot " dir "/english-opening.png"; next }
  / shot message_00.png/ { print "at " $2 + 150 " shot " dir "/english-message.png";
                           print "end " $2 + 150; exit }
  / shot | state / { next }
  { print }' tests/golden/whole_game.script >"$work/start"
english "$work/start"
printf 'at 45 keys Shift\nat 46 keys -\nat 52 keys Down\nat 53 keys -\nat 75 shot %s\nend 75\n' \
  "$PWD/docs/english-pause.png" >"$work/pause"
english --stage 0 "$work/pause"
