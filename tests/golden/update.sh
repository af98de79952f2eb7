#!/usr/bin/env bash
# Writes every golden log afresh from this build: tests/golden/update.sh BUILD
# The whole-game script is composed again first, from the solver's solutions, as the playthrough
# test does. Each script then runs twice: the second run must write the log the first wrote.
set -euo pipefail
golden=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/tools/solve/kobako-solve" "$build/game" "$work/solutions" >/dev/null
"$build/kobako-playthrough" "$work/solutions" "$work/whole_game.script"
cp "$work/whole_game.script" "$golden/whole_game.script"

for script in "$golden"/*.script; do
  name=$(basename "$script" .script)
  "$golden/replay.sh" "$build" "$name" --update
  "$golden/replay.sh" "$build" "$name" >/dev/null
done
