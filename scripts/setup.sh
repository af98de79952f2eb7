#!/usr/bin/env bash
# Installs what kobako needs from Debian's packages (through sudo when not root).
#   scripts/setup.sh [--play] [--dry-run]
# --play: only what building and playing need, as ./play.sh asks; without it, what the tests,
# benchmarks, fuzzers and packaging checks add as well, as ./test.sh and CI ask.
# --dry-run: lists the packages of the set, one a line, and installs nothing.
set -euo pipefail
play=(build-essential cmake pkg-config
  libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev libsdl2-ttf-dev libsdl2-image-dev libfontconfig-dev libx11-dev
  fonts-komatuna fonts-ipafont-gothic timgm6mb-soundfont gettext)
testing=(clang clang-format libclang-rt-14-dev libgtest-dev libbenchmark-dev debhelper dpkg-dev lintian
  xvfb xauth x11-utils appstream desktop-file-utils fonts-dejavu-core valgrind)

only_play=false
dry_run=false
for arg in "$@"; do
  case $arg in
    --play) only_play=true ;;
    --dry-run) dry_run=true ;;
    *)
      echo "usage: scripts/setup.sh [--play] [--dry-run]" >&2
      exit 2
      ;;
  esac
done

packages=("${play[@]}")
why="to build and play kobako"
if ! $only_play; then
  packages+=("${testing[@]}")
  why="to build, play and test kobako"
fi
if $dry_run; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "kobako: installing ${missing[*]} ($why)"
  sudo=""
  [ "$(id -u)" = 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
