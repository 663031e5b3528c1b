#!/bin/sh
# Includes between the game's layers point down only:
#   media < data < world < combat, story < ui < shell < replay
# combat and story sit side by side and include neither each other.
# Prints every upward include and fails if there is one.
SRC="${1:-$(dirname "$0")/../src}"
rank() {
  case "$1" in
    media) echo 0 ;; data) echo 1 ;; world) echo 2 ;; combat|story) echo 3 ;;
    ui) echo 4 ;; shell) echo 5 ;; replay) echo 6 ;; *) echo 99 ;;
  esac
}
bad=0
for f in $(find "$SRC" -mindepth 2 -name '*.h' -o -mindepth 2 -name '*.cpp'); do
  from=$(basename "$(dirname "$f")")
  rf=$(rank "$from")
  for to in $(sed -n 's|^#include "\([a-z]*\)/.*"|\1|p' "$f" | sort -u); do
    rt=$(rank "$to")
    if [ "$to" != "$from" ] && [ "$rt" -ge "$rf" ]; then
      echo "upward include: ${f#$SRC/} includes $to/"
      bad=1
    fi
  done
done
[ $bad -eq 0 ] && echo "layers fine"
exit $bad
