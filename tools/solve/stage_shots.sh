#!/usr/bin/env bash
# Pictures of every stage as it starts, for reviewing the stage designs:
#   tools/solve/stage_shots.sh BUILD_DIR [OUTDIR]
# Runs kobako-headless from BUILD_DIR on each stage and saves the first play frame (on the last
# stage, its opening message) as OUTDIR/stage_NN.png.
set -euo pipefail
build=$(cd "$1" && pwd)
out=${2:-$build/stage_shots}
mkdir -p "$out"
out=$(cd "$out" && pwd)
runner=$build/kobako-headless
script=$(mktemp)
trap 'rm -f "$script"' EXIT
for n in $(seq 0 10); do
  name=$(printf 'stage_%02d.png' "$n")
  printf 'at 41 shot %s\nend 41\n' "$out/$name" >"$script"
  "$runner" --data "$build/game" --stage "$n" "$script"
  echo "$out/$name"
done
