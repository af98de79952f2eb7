#!/usr/bin/env bash
# test_deb.sh: builds the Debian package from a copy of this checkout (its files as they stand,
# without build folders or ignored files), checks it with lintian, unpacks it into a scratch root
# and starts the unpacked game on a virtual display; Escape after frame 30 must end it with 0.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "test_deb: $*" >&2
  exit 1
}
for tool in dpkg-buildpackage lintian xvfb-run; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/setup.sh"
done

tree=$work/kobako
mkdir "$tree"
if git -C "$src" rev-parse --git-dir >/dev/null 2>&1; then
  # Tracked and new files, less those deleted but not yet committed.
  git -C "$src" ls-files -z -c -o --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$src/$f" ] && printf '%s\0' "$f"; done |
    tar -C "$src" --null -T - -cf - | tar -xf - -C "$tree"
else
  tar -C "$src" --exclude='./build*' -cf - . | tar -xf - -C "$tree"
fi
cp -r "$tree/packaging/debian" "$tree/debian"

echo "test_deb: building the package in $work"
(cd "$tree" && DEB_BUILD_OPTIONS="nocheck parallel=2" dpkg-buildpackage -us -uc -b) \
  >"$work/build.log" 2>&1 || fail "dpkg-buildpackage failed: $(tail -n 40 "$work/build.log")"
debs=("$work"/kobako_*.deb)
[ -f "${debs[0]}" ] || fail "no kobako .deb was built"
lintian --fail-on error --tag-display-limit 0 "$work"/kobako_*.changes >"$work/lintian.log" 2>&1 ||
  fail "lintian found errors: $(cat "$work/lintian.log")"
grep -v "root privileges" "$work/lintian.log" | sed 's/^/test_deb: lintian: /' || true

root=$work/root
dpkg -x "${debs[0]}" "$root"
for file in usr/games/kobako usr/share/games/kobako/data/data00.txt \
  usr/share/games/kobako/img/hero.bmp usr/share/games/kobako/sound/kel.mid \
  usr/share/games/kobako/en/data/mes.txt usr/share/games/kobako/en/img/OP_pic.bmp \
  usr/share/locale/en/LC_MESSAGES/kobako.mo \
  usr/share/applications/org.kobako.Kobako.desktop usr/share/metainfo/org.kobako.Kobako.metainfo.xml \
  usr/share/icons/hicolor/256x256/apps/kobako.png usr/share/man/man6/kobako.6.gz; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done

# The unpacked program must find its data beside itself, draw frames and quit on Escape.
echo "at 30 escape" >"$work/script"
(cd / && env -u KOBAKO_DATA -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
  XDG_DATA_HOME="$work" XDG_CACHE_HOME="$work" KOBAKO_DEBUG=1 KOBAKO_SCRIPT="$work/script" timeout 120 \
  xvfb-run -a -s "-screen 0 1024x768x24" "$root/usr/games/kobako") >"$work/run.log" 2>&1 ||
  fail "the packaged game did not end with 0 on Escape: $(tail -c 800 "$work/run.log")"
missed=(-e "no data folder" -e "読み取り失敗" -e "not loaded")
if grep -q "${missed[@]}" "$work/run.log"; then
  fail "the packaged game missed its data: $(grep -m1 "${missed[@]}" "$work/run.log")"
fi
grep -q "画像読み込み完了" "$work/run.log" ||
  fail "the packaged game loaded no picture: $(tail -c 800 "$work/run.log")"
echo "test_deb: $(basename "${debs[0]}") builds, passes lintian and its game quits on Escape with 0"
