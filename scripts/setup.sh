#!/usr/bin/env bash
# Installs what kobako needs from Debian's packages (through sudo when not root).
set -euo pipefail
packages=(build-essential cmake pkg-config clang clang-format libclang-rt-14-dev
  libgtest-dev libbenchmark-dev debhelper dpkg-dev lintian
  libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev libsdl2-ttf-dev libsdl2-image-dev libfontconfig-dev libx11-dev
  fonts-komatuna fonts-ipafont-gothic timgm6mb-soundfont
  xvfb xauth x11-utils appstream desktop-file-utils fonts-dejavu-core valgrind)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "kobako: installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" = 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
