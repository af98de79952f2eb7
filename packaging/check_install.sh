#!/usr/bin/env bash
# check_install.sh BUILD_DIR APP_ID
# Installs the build into a scratch folder as /usr, checks that every file is in its place, runs
# the desktop-entry and AppStream validators, and starts the installed program from another
# folder to see that it finds its pictures there.
set -euo pipefail
build=$1
id=$2
root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
fail() {
  echo "check_install: $*" >&2
  exit 1
}

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
for file in bin/kobako share/kobako/data/data00.txt share/kobako/data/mes.txt \
  share/kobako/img/hero.bmp share/kobako/img/select.BMP share/kobako/sound/kel.mid \
  share/kobako/icons/kobako-64.png share/kobako/en/data/mes.txt share/kobako/en/img/kelball.bmp \
  share/locale/en/LC_MESSAGES/kobako.mo \
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml; do
  [ -f "$usr/$file" ] || fail "missing $file"
done
[ -x "$usr/bin/kobako" ] || fail "bin/kobako is not executable"
for size in 64 128 256; do
  icon=$usr/share/icons/hicolor/${size}x${size}/apps/kobako.png
  [ -f "$icon" ] || fail "missing the ${size} pixel icon"
  # The PNG header's width and height, big-endian at bytes 16 and 20.
  read -r w h < <(od -An -tu1 -j16 -N8 "$icon" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "the ${size} pixel icon is ${w} x ${h}"
done

desktop-file-validate "$usr/share/applications/$id.desktop" || fail "desktop entry rejected"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" ||
  fail "metainfo rejected"

# Started from / on a virtual X display with its debug output on, and asked to quit once it has
# shown its first frame: every picture the first scenes load must have been found, and the window
# must carry the game's name, the class the desktop entry names and an icon, and cover the whole
# screen although no window manager runs there.
log=$root/run.log
probe=$root/probe.sh
cat >"$probe" <<'PROBE'
#!/usr/bin/env bash
game_bin=$1 log=$2 props=$3
(cd / && exec env -u WAYLAND_DISPLAY -u KOBAKO_DATA XDG_DATA_HOME="${log%/*}" \
  XDG_CACHE_HOME="${log%/*}" SDL_VIDEODRIVER=x11 \
  SDL_AUDIODRIVER=dummy \
  KOBAKO_DEBUG=1 KOBAKO_REPORT_FIRST_FRAME=1 ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
  "$game_bin" >"$log" 2>&1) &
game=$!
for _ in $(seq 200); do
  grep -q "first frame" "$log" 2>/dev/null && break
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
window=$(xwininfo -root -tree | awk '/"kobako"/ {print $1; exit}')
if [ -n "$window" ]; then
  xprop -id "$window" WM_NAME WM_CLASS _NET_WM_ICON >"$props" 2>&1
  # No window manager runs here: the game itself must make its window cover the screen.
  sleep 0.5
  xwininfo -id "$window" | grep -E "Width|Height" >>"$props"
fi
kill -TERM "$game" 2>/dev/null || true
wait "$game"
PROBE
props=$root/props.txt
xvfb-run -a -n 140 -s "-screen 0 1024x768x24" bash "$probe" "$usr/bin/kobako" "$log" "$props" ||
  fail "the installed program failed: $(head -c 500 "$log")"
grep -q "first frame" "$log" || fail "the installed program showed no frame"
grep -q "画像読み込み完了" "$log" || fail "the installed program loaded no picture"
if grep -q -e "読み取り失敗" -e "picture not loaded" "$log"; then
  fail "the installed program missed a picture: $(grep -m1 -e "読み取り失敗" -e "not loaded" "$log")"
fi
grep -q 'WM_NAME(.*) = "kobako"' "$props" || fail "window name: $(cat "$props" 2>/dev/null)"
grep -q 'WM_CLASS(STRING) = "kobako", "kobako"' "$props" || fail "window class: $(cat "$props")"
grep -q "StartupWMClass=kobako" "$usr/share/applications/$id.desktop" ||
  fail "the desktop entry names another window class"
grep -q "_NET_WM_ICON(CARDINAL) =" "$props" || fail "the window has no icon: $(cat "$props")"
grep -q "Width: 1024" "$props" && grep -q "Height: 768" "$props" ||
  fail "without a window manager the window does not cover the screen: $(cat "$props")"

# In English the installed program finds its catalogue beside it, in share/locale.
KOBAKO_LANGUAGE=en xvfb-run -a -n 141 -s "-screen 0 1024x768x24" bash "$probe" "$usr/bin/kobako" \
  "$log" "$props" || fail "the installed program failed in English: $(head -c 500 "$log")"
grep -q "language: en, its texts from $usr/share/locale" "$log" ||
  fail "the installed program did not play in English: $(head -c 500 "$log")"
echo "check_install: installed layout, desktop entry and metainfo are good"

