#!/usr/bin/env bash
# Replays one golden script in kobako-headless and compares its frame log with the golden log,
# byte for byte:
#   tests/golden/replay.sh BUILD NAME            compares with tests/golden/NAME.log
#   tests/golden/replay.sh BUILD NAME --update   writes tests/golden/NAME.log afresh
# Comment lines at the top of NAME.script say how it runs:
#   # runner: OPTIONS     more options for kobako-headless, e.g. --stage 3
#   # remove: PATH...     files deleted from a copy of the game folder before the run
#   # env: VAR=VALUE...   the environment's language settings (it runs in the C locale, so in
#                         Japanese, unless they say otherwise)
# NAME.progress, when there is one, is the progress the run starts from. The log gets one more
# line at its end, "exit CODE", the runner's exit code.
set -euo pipefail
golden=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
name=$2
script=$golden/$name.script
expected=$golden/$name.log
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

data=$build/game
options=$(sed -n 's/^# runner: //p' "$script")
remove=$(sed -n 's/^# remove: //p' "$script")
settings=$(sed -n 's/^# env: //p' "$script")
if [ -n "$remove" ]; then
  cp -r "$data" "$work/game"
  data=$work/game
  for path in $remove; do rm "$data/$path"; done
fi
if [ -f "$golden/$name.progress" ]; then
  cp "$golden/$name.progress" "$work/progress"
  options="$options --progress $work/progress"
fi
# Pictures and states the script asks for are written in a folder of their own.
mkdir "$work/run"
code=0
# shellcheck disable=SC2086 # the options are words
(cd "$work/run" && env -u LC_ALL -u LC_MESSAGES -u KOBAKO_LANGUAGE LANGUAGE= LANG=C $settings \
  "$build/kobako-headless" --data "$data" $options --frame-log "$work/log" "$script") \
  >"$work/output" 2>&1 || code=$?
echo "exit $code" >>"$work/log"

if [ "${3:-}" = --update ]; then
  cp "$work/log" "$expected"
  echo "$name: wrote $(wc -l <"$expected") lines"
  exit 0
fi
if [ ! -f "$expected" ]; then
  echo "$name: no golden log $expected; tests/golden/update.sh writes it" >&2
  exit 1
fi
if cmp -s "$expected" "$work/log"; then
  echo "$name: the same $(wc -l <"$expected") lines as the golden log"
  exit 0
fi
# The first line that differs, and what each log holds there.
line=$(awk -v now="$work/log" 'BEGIN {
  for (n = 1; ; n++) {
    a = (getline x < ARGV[1]) > 0; b = (getline y < now) > 0
    if (a != b || x != y || !a) { print n; exit }
  } }' "$expected")
show() {
  if [ "$line" -le "$(wc -l <"$1")" ]; then sed -n "${line}{p;q}" "$1"; else echo "(its end)"; fi
}
mkdir -p "$build/golden"
cp "$work/log" "$build/golden/$name.log"
{
  echo "$name: line $line differs from tests/golden/$name.log"
  echo "  golden: $(show "$expected")"
  echo "  now:    $(show "$work/log")"
  echo "the whole log of this run: $build/golden/$name.log"
  if [ -s "$work/output" ]; then
    echo "kobako-headless said:"
    tail -n 20 "$work/output"
  fi
} >&2
exit 1
