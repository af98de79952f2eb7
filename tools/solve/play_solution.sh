#!/usr/bin/env bash
# Plays the solver's shortest solution of one stage through the whole game in kobako-headless and
# checks that the stage is won: tools/solve/play_solution.sh BUILD_DIR STAGE
set -euo pipefail
build=$(cd "$1" && pwd)
stage=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tools/solve/kobako-solve" "$build/game" "$work" --stage "$stage"
solution=$(printf '%s/solution_%02d.txt' "$work" "$stage")
end=$(awk '/^end/ {print $2}' "$solution")
# The rescue window is up a few frames before the script ends.
{
  grep -v '^end' "$solution"
  echo "at $((end - 5)) state $work/state.json"
  echo "end $end"
} >"$work/run.txt"
"$build/kobako-headless" --data "$build/game" --stage "$stage" "$work/run.txt"
if grep -q '"stageClear":1' "$work/state.json"; then
  echo "stage $stage won in kobako-headless"
else
  echo "stage $stage not won in kobako-headless:" >&2
  head -c 400 "$work/state.json" >&2
  exit 1
fi
