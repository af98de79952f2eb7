#!/usr/bin/env bash
# The real game on an X display: time from process start to the first presented frame, resident
# memory after start-up, and processor time per wall-clock second while it sits on a scene with
# no input (sampled once the logo has given way to the title menu, SETTLE_SECONDS after the
# first frame). Starts its own Xvfb when DISPLAY is not set.
# usage: bench/measure_idle.sh [BUILD_DIR] [IDLE_SECONDS] [SETTLE_SECONDS]
set -euo pipefail
build=${1:-build}
idle_seconds=${2:-10}
settle_seconds=${3:-15}
game=$build/kobako
if [[ ! -x $game ]]; then
  echo "no $game: build the kobako target first" >&2
  exit 1
fi

xvfb_pid=""
game_pid=""
log=$(mktemp)
cleanup() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -f "$log"
}
trap cleanup EXIT

if [[ -z ${DISPLAY:-} ]]; then
  display=:$((90 + RANDOM % 9))
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=$display
  sleep 1
fi
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

start=$(date +%s.%N)
KOBAKO_REPORT_FIRST_FRAME=1 "$game" 2>"$log" &
game_pid=$!
for _ in $(seq 200); do
  grep -q 'first frame at' "$log" && break
  kill -0 "$game_pid" 2>/dev/null || { cat "$log" >&2; exit 1; }
  sleep 0.1
done
first=$(grep -o 'first frame at [0-9.]*' "$log" | awk '{print $4}')
if [[ -z $first ]]; then
  echo "no frame within 20 s" >&2
  exit 1
fi
sleep 2
rss_kb=$(awk '/^VmRSS/ {print $2}' "/proc/$game_pid/status")

# utime and stime, fields 14 and 15 of /proc/PID/stat, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$game_pid/stat"; }
ticks_per_second=$(getconf CLK_TCK)
sleep $((settle_seconds - 2))
before=$(cpu_ticks)
wall_before=$(date +%s.%N)
sleep "$idle_seconds"
after=$(cpu_ticks)
wall_after=$(date +%s.%N)

kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=""

awk -v s="$start" -v f="$first" -v rss="$rss_kb" -v b="$before" -v a="$after" \
  -v hz="$ticks_per_second" -v w0="$wall_before" -v w1="$wall_after" -v st="$status" 'BEGIN {
  printf "start-up to first frame: %.0f ms\n", (f - s) * 1000
  printf "resident memory after start-up: %.1f MiB\n", rss / 1024
  printf "processor time while idle: %.1f%% of one core (over %.0f s)\n", \
    (a - b) / hz / (w1 - w0) * 100, w1 - w0
  printf "exit code after SIGTERM: %d\n", st
}'
