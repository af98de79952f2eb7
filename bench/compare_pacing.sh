#!/usr/bin/env bash
# The pacing and idle cost of two builds measured in one run, on the same X display, one after
# the other, with the ratios: start-up, memory, and processor time on the title, the stage
# select, a stage and an open message window (see measure_pacing.sh).
#   bench/compare_pacing.sh BASELINE [BUILD_DIR] [IDLE_SECONDS]
# BASELINE is a build tree, or a revision of this repository, which is then built (the game and
# its tools only) in a scratch worktree first. SCREEN sets the size of the Xvfb started when
# DISPLAY is not set (1280x1024x24 by default).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
baseline=${1:?usage: bench/compare_pacing.sh BASELINE [BUILD_DIR] [IDLE_SECONDS]}
build=$(cd "${2:-build}" && pwd)
idle_seconds=${3:-10}

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  if [[ -d $work/tree ]]; then git -C "$here/.." worktree remove --force "$work/tree" || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

if [[ -d $baseline ]]; then
  base_build=$(cd "$baseline" && pwd)
else
  git -C "$here/.." worktree add --detach "$work/tree" "$baseline" >/dev/null
  echo "building $baseline..." >&2
  cmake -S "$work/tree" -B "$work/tree/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$work/tree/build" -j "$(nproc)" --target kobako kobako-headless \
    kobako-playthrough kobako-solve kobako_content assets >/dev/null
  base_build=$work/tree/build
fi

if [[ -z ${DISPLAY:-} ]]; then
  display=:$((160 + RANDOM % 20))
  Xvfb "$display" -screen 0 "${SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=$display
  sleep 1
fi

"$here/measure_pacing.sh" "$base_build" "$idle_seconds" >"$work/base.txt"
"$here/measure_pacing.sh" "$build" "$idle_seconds" >"$work/new.txt"

# One figure per line: "name value unit".
figures() {
  awk '/^start-up/ { print "start-up", $5, "ms" }
       /^resident/ { print "memory", $6, "MiB" }
       /% of one core/ { sub("%", "", $2); print $1, $2, "%" }' "$1"
}
echo "measured on $DISPLAY (${SCREEN:-1280x1024x24}), ${idle_seconds} s a scene," \
  "tune cache ${TUNE_CACHE:-warm}; baseline $baseline"
awk 'FNR == NR { order[++n] = $1; base[$1] = $2; unit[$1] = $3; next } { now[$1] = $2 }
  END {
    printf "%-10s %12s %12s %7s\n", "", "baseline", "this build", "ratio"
    for (i = 1; i <= n; i++) {
      k = order[i]
      printf "%-10s %8s %-3s %8s %-3s %7.2f\n", k, base[k], unit[k], now[k], unit[k],
             (base[k] > 0 ? now[k] / base[k] : 0)
    }
  }' <(figures "$work/base.txt") <(figures "$work/new.txt")
echo "frame intervals, baseline then this build:"
grep -h "intervals" "$work/base.txt" "$work/new.txt" | sed 's/^\([a-z]*\).*intervals, */  \1: /'
