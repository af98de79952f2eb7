#!/usr/bin/env bash
# Pacing and cost of the real game on an X display (its own Xvfb when DISPLAY is not set), with
# the tune and its sound font loaded: start-up to the first presented frame, resident memory,
# processor time per wall-clock second while the game sits without input on the title, the stage
# select, a stage and an open message window, and the spread of the intervals between presented
# frames in each of those stretches.
#   bench/measure_pacing.sh [BUILD_DIR] [IDLE_SECONDS] [whole]
# With "whole" it then plays the whole game as the playthrough test does (about five minutes) and
# reports the ending's frames too. TUNE_CACHE=cold measures a first run, before the synthesised
# tune has been kept (see below).
# The keys come from a script made with kobako-headless (which knows the scenes) and played by
# the desktop backend against its presented frames (KOBAKO_SCRIPT, KOBAKO_PRESENT_LOG).
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
idle_seconds=${2:-10}
whole=${3:-}
for program in kobako kobako-headless kobako-playthrough tools/solve/kobako-solve; do
  if [[ ! -x $build/$program ]]; then
    echo "no $build/$program: build it first" >&2
    exit 1
  fi
done

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# --- The script: skip the logo, then sit idle on each scene for idle_seconds -----------------
idle=$((idle_seconds * 1000 / 33))
"$build/tools/solve/kobako-solve" "$build/game" "$work/sol" --stage 0 >/dev/null
{
  echo "at 5 keys Space"
  echo "at 6 keys -"
  echo "when TitleScene"
  echo "at 30 state title_start.json"
  echo "at $((30 + idle)) state title_end.json"
  echo "at $((35 + idle)) keys Space"
  echo "at $((36 + idle)) keys -"
  echo "when OpeningScene"
  for page in 0 1 2; do
    echo "at $((5 + 5 * page)) keys Space"
    echo "at $((6 + 5 * page)) keys -"
  done
  echo "when SelectScene"
  echo "at 30 state select_start.json"
  echo "at $((30 + idle)) state select_end.json"
  echo "at $((35 + idle)) keys Space"
  echo "at $((36 + idle)) keys -"
  echo "when StageStartScene"
  echo "at 60 state stage_start.json"
  echo "at $((60 + idle)) state stage_end.json"
  # The solution, played once the idle stretch is over; the message window follows the clear.
  shift_frames=$((idle + 40))
  awk -v s="$shift_frames" '$1 == "at" && $3 == "keys" { print "at", $2 + s, "keys", $4 }
    $1 == "end" { win = $2 - 30 + s }
    END {
      print "at", win + 59, "keys Space"; print "at", win + 60, "keys -"
      print "at", win + 59 + 99 + 30, "state message_start.json"
    }' "$work/sol/solution_00.txt"
} >"$work/when.txt"
message_start=$(awk '/message_start/ {print $2}' "$work/when.txt")
{
  echo "at $((message_start + idle)) state message_end.json"
  echo "at $((message_start + idle + 5)) keys Space"
  echo "at $((message_start + idle + 6)) keys -"
  echo "when SelectScene"
  echo "at 10 escape"
} >>"$work/when.txt"
(cd "$work" && "$build/kobako-headless" --data "$build/game" --flatten flat.txt when.txt)
if ! grep -q '"scene":"PlayScene"' "$work/message_start.json" ||
  ! grep -q '"stageClear":0' "$work/message_start.json"; then
  echo "the script does not reach the message window" >&2
  exit 1
fi

if [[ $whole == whole ]]; then
  "$build/tools/solve/kobako-solve" "$build/game" "$work/sol" >/dev/null
  "$build/kobako-playthrough" --skip-logo "$work/sol" "$work/whole.txt"
  (cd "$work" && "$build/kobako-headless" --data "$build/game" --flatten whole_flat.txt \
    whole.txt)
fi

# --- The real game ----------------------------------------------------------------------------
if [[ -z ${DISPLAY:-} ]]; then
  display=:$((90 + RANDOM % 9))
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=$display
  sleep 1
fi
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

# Plays the game with script $1, logging its presents to $2; sets start_us and rss_kb (read once
# the mark title_start is logged).
play() {
  start_us=$(date +%s%6N)
  rss_kb=""
  XDG_DATA_HOME=$work KOBAKO_SCRIPT=$1 KOBAKO_PRESENT_LOG=$2 "$build/kobako" >"$work/game.out" 2>&1 &
  game_pid=$!
  while kill -0 "$game_pid" 2>/dev/null; do
    if [[ -z $rss_kb ]] && grep -q '^mark title_start' "$2" 2>/dev/null; then
      rss_kb=$(awk '/^VmRSS/ {print $2}' "/proc/$game_pid/status")
    fi
    sleep 0.2
  done
  local status=0
  wait "$game_pid" || status=$?
  game_pid=""
  if [[ $status -ne 0 ]]; then
    cat "$work/game.out" >&2
    echo "the game ended with exit code $status" >&2
    exit 1
  fi
}

# Prints processor time and frame intervals between marks: "name start_mark end_mark gate_ms".
report() {
  local log=$1
  shift
  awk -v stretches="$*" '
    $1 == "present" { wall[$2] = $3; cpu[$2] = $4 }
    $1 == "mark" { mark[$2] = $3 }
    END {
      n = split(stretches, w, " ")
      for (k = 1; k + 3 <= n; k += 4) {
        name = w[k]; a = mark[w[k + 1]]; b = mark[w[k + 2]]; gate = w[k + 3]
        if (a == "" || b == "") { printf "%-8s not reached\n", name; continue }
        count = 0; inside = 0; lo = 1e9; hi = 0
        for (i = a + 1; i <= b; i++) {
          d = (wall[i] - wall[i - 1]) / 1000
          count++
          if (d >= gate - 2 && d <= gate + 2) inside++
          if (d < lo) lo = d
          if (d > hi) hi = d
        }
        printf "%-8s %5.1f%% of one core over %4.1f s; %3d intervals, %5.1f%% within %d+-2 ms" \
               " (%.1f to %.1f ms)\n", name, (cpu[b] - cpu[a]) / (wall[b] - wall[a]) * 100,
               (wall[b] - wall[a]) / 1e6, count, inside / count * 100, gate, lo, hi
      }
    }' "$log"
}

# The synthesised tune is kept in a cache folder of the run's own: warm (the default) measures a
# run after the first, as players mostly see it, cold (TUNE_CACHE=cold) the very first run.
export XDG_CACHE_HOME=$work/cache
if [[ ${TUNE_CACHE:-warm} == warm ]]; then
  echo "at 150 escape" >"$work/warm.txt"
  play "$work/warm.txt" "$work/warm.log"
fi
play "$work/flat.txt" "$work/presents.log"
first_us=$(awk '$1 == "present" { print $3; exit }' "$work/presents.log")
echo "start-up to first frame: $(((first_us - start_us) / 1000)) ms"
echo "resident memory on the title: $((rss_kb / 1024)) MiB"
report "$work/presents.log" title title_start title_end 33 select select_start select_end 33 \
  stage stage_start stage_end 33 message message_start message_end 33

if [[ $whole == whole ]]; then
  play "$work/whole_flat.txt" "$work/whole.log"
  report "$work/whole.log" ending ending_start ending 20
  awk '$1 == "present" { n = $2 } END { print "whole game: " n " frames" }' "$work/whole.log"
fi
