#!/usr/bin/env bash
# Compiles the example into a full and a light disc folder and checks what a disc carries:
# players without debug information, no library in zep/lib that neither the player nor
# one of its plug-ins loads, sizes within bounds, and a player that starts from the disc's
# own libraries: disc-runtime-test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp -r "$source/examples/demo" "$work/demo"
"$build/bin/zepc" compile "$work/demo/demo.zep" "$work/cd" >/dev/null
"$build/bin/zepc" compile "$work/demo/demo.zep" "$work/light" --light >/dev/null
zep=$work/cd/zep

for player in "$zep/autorun" "$work/light/zep/autorun"; do
  if readelf -S "$player" | grep -q '\.debug_\|\.symtab'; then
    echo "$player keeps its debug information"; exit 1
  fi
done

needed() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; }
declare -A reached
queue=("$zep/autorun")
while read -r plugin; do queue+=("$plugin"); done < <(find "$zep/lib/plugins" -name '*.so')
while ((${#queue[@]})); do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  for name in $(needed "$file"); do
    if [[ -f $zep/lib/$name && -z ${reached[$name]:-} ]]; then
      reached[$name]=1
      queue+=("$zep/lib/$name")
    fi
  done
done
for library in "$zep"/lib/*.so*; do
  name=$(basename "$library")
  [[ -n ${reached[$name]:-} ]] || { echo "zep/lib carries $name, which nothing loads"; exit 1; }
done

size() { du -sb "$1" | cut -f1; }
(($(size "$work/cd") < 40000000)) || { echo "the disc holds $(size "$work/cd") bytes"; du -ab "$zep" | sort -n | tail; exit 1; }
(($(size "$work/light") < 5000000)) || { echo "the light disc holds $(size "$work/light") bytes"; exit 1; }

QT_QPA_PLATFORM=offscreen ZEP_PLAYER_QUIT_AFTER_FIRST_FRAME=1 LD_DEBUG=libs LD_DEBUG_OUTPUT="$work/ld" \
  "$zep/autorun" >/dev/null 2>&1
loaded=$(cat "$work"/ld.* | sed -n 's/.*calling init: //p' | sort -u)
for expected in "$zep/lib/libQt6Core.so.6" "$zep/lib/plugins/platforms/libqoffscreen.so"; do
  grep -qxF "$expected" <<<"$loaded" || { echo "the player did not load $expected:"; echo "$loaded"; exit 1; }
done
if grep 'libQt6\|libicu' <<<"$loaded" | grep -v "^$zep/lib/"; then
  echo "the player loaded the system's Qt above instead of the disc's"; exit 1
fi
echo "disc checked: $(size "$work/cd") bytes, light $(size "$work/light") bytes"
