#!/usr/bin/env bash
# Checks every catalogue in po/: msgfmt --check accepts it, and it translates every text the game
# and the picture generator mark (Translated("...") and Untranslated("...") in their sources, as
# xgettext finds them), none of them empty or fuzzy.
#   po/check_catalogues.sh SOURCE_DIR
set -euo pipefail
src=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$src"
mapfile -t sources < <(find app gfx play scenes world tools/assetgen -name '*.cpp' -o -name '*.h' | sort)
LC_ALL=C.UTF-8 xgettext --from-code=UTF-8 --language=C++ --keyword= --keyword=Translated --keyword=Untranslated \
  -o "$work/kobako.pot" "${sources[@]}" 2>"$work/xgettext.log" || { cat "$work/xgettext.log" >&2; exit 1; }
[ -s "$work/kobako.pot" ] || { echo "check_catalogues: xgettext found no texts" >&2; exit 1; }
status=0
count=0
for po in po/*.po; do
  count=$((count + 1))
  msgfmt --check -o /dev/null "$po" || status=1
  LC_ALL=C.UTF-8 msgcmp "$po" "$work/kobako.pot" || status=1
  for kind in --untranslated --only-fuzzy; do
    left=$(msgattrib "$kind" --no-obsolete --no-wrap "$po" | sed -n 's/^msgid "\(.\+\)"$/\1/p')
    if [ -n "$left" ]; then
      echo "check_catalogues: $po has ${kind#--} texts: $left" >&2
      status=1
    fi
  done
done
[ "$count" -gt 0 ] || { echo "check_catalogues: no catalogue in po/" >&2; exit 1; }
[ "$status" = 0 ] && echo "check_catalogues: $count catalogue(s) pass msgfmt --check and translate all $(grep -c '^msgid ".' "$work/kobako.pot") texts"
exit "$status"
