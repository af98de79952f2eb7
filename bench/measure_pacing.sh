#!/usr/bin/env bash
# Pacing and cost of the real game on an X display (its own Xvfb when DISPLAY is not set), with
# the tune and its sound font loaded: start-up to the first presented frame, resident memory,
# processor time per wall-clock second while the game sits without input on the title, the stage
# select, a stage and an open message window, and the spread of the intervals between presented
# frames in each of those stretches.
#   bench/measure_pacing.sh [BUILD_DIR] [IDLE_SECONDS]
# The keys come from a script made with kobako-headless (which knows the scenes) and played by
# the desktop backend against its presented frames (KOBAKO_SCRIPT, KOBAKO_PRESENT_LOG).
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
idle_seconds=${2:-10}
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

# --- The real game ----------------------------------------------------------------------------
if [[ -z ${DISPLAY:-} ]]; then
  display=:$((90 + RANDOM % 9))
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=$display
  sleep 1
fi
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
log=$work/presents.log
start=$(date +%s%6N)
KOBAKO_SCRIPT=$work/flat.txt KOBAKO_PRESENT_LOG=$log KOBAKO_DEBUG=1 \
  "$build/kobako" >"$work/game.out" 2>&1 &
game_pid=$!
rss_kb=""
while kill -0 "$game_pid" 2>/dev/null; do
  if [[ -z $rss_kb ]] && grep -q '^mark title_start' "$log" 2>/dev/null; then
    rss_kb=$(awk '/^VmRSS/ {print $2}' "/proc/$game_pid/status")
  fi
  sleep 0.2
done
status=0
wait "$game_pid" || status=$?
game_pid=""
if [[ $status -ne 0 ]]; then
  cat "$work/game.out" >&2
  echo "the game ended with exit code $status" >&2
  exit 1
fi

awk -v start="$start" -v rss="$rss_kb" '
  $1 == "present" { n = $2; wall[n] = $3; cpu[n] = $4; if (!first) first = $3 }
  $1 == "mark" { mark[$2] = $3 }
  function stretch(name, gate,   a, b, i, d, inside, count, lo, hi) {
    a = mark[name "_start"]; b = mark[name "_end"]
    if (a == "" || b == "") { printf "%-15s not reached\n", name; return }
    lo = 1e9; hi = 0
    for (i = a + 1; i <= b; i++) {
      d = (wall[i] - wall[i - 1]) / 1000
      count++
      if (d >= gate - 2 && d <= gate + 2) inside++
      if (d < lo) lo = d
      if (d > hi) hi = d
    }
    printf "%-15s %5.1f%% of one core over %.1f s; %d frames, %.1f%% within %d+-2 ms " \
           "(%.1f to %.1f ms)\n", name, (cpu[b] - cpu[a]) / (wall[b] - wall[a]) * 100,
           (wall[b] - wall[a]) / 1e6, count, inside / count * 100, gate, lo, hi
  }
  END {
    printf "start-up to first frame: %.0f ms\n", (first - start) / 1000
    printf "resident memory on the title: %.1f MiB\n", rss / 1024
    stretch("title", 33); stretch("select", 33); stretch("stage", 33); stretch("message", 33)
  }' "$log"
