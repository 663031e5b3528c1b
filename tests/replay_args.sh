#!/bin/sh
# The headless driver refuses bad arguments and scripts with status 2 and a
# message naming the script line, and SIGTERM ends a run at once.
REPLAY="$1"; WORK="$2"
rm -rf "$WORK" && mkdir -p "$WORK" && cd "$WORK" || exit 1
failed=0
# refuse NAME SCRIPT-TEXT PATTERN [ARGS...]
refuse() {
  name="$1"; text="$2"; pattern="$3"; shift 3
  printf '%s\n' "$text" > s.replay
  "$REPLAY" --script s.replay "$@" > /dev/null 2> err.txt
  status=$?
  if [ $status -ne 2 ] || ! grep -q -e "$pattern" err.txt; then
    echo "FAIL $name: status $status: $(cat err.txt)"; failed=1
  fi
}
refuse "frame overflow" "99999999999999999999 quit" "s.replay:1: frame number"
refuse "negative frame" "-3 quit" "s.replay:1: frame number"
refuse "move abc def" "# a comment
5 move abc def" "s.replay:2: 'move' needs two whole numbers"
refuse "warp off the map" "3 warp 500 500" "s.replay:1: warp to (500, 500) lies outside the map"
refuse "unknown key" "2 tap Hyperspace" "s.replay:1: unknown key"
refuse "frames -5" "1 quit" "--frames needs a whole number" --frames -5
# A script that ends with quit (a command without arguments) runs and ends.
printf '4 warp 29 33\n41 quit\n' > quit.replay
"$REPLAY" --script quit.replay > /dev/null 2> err.txt
status=$?
[ $status -eq 0 ] || { echo "FAIL quit: status $status: $(cat err.txt)"; failed=1; }
# SIGTERM: a run of many frames stops within a second or two.
printf '1 warp 29 10\n' > long.replay
start=$(date +%s)
timeout -s TERM 2 "$REPLAY" --script long.replay --frames 100000000 > /dev/null 2>&1
status=$?
took=$(( $(date +%s) - start ))
if [ $status -ne 124 ] || [ $took -gt 6 ]; then
  echo "FAIL SIGTERM: status $status after $took s"; failed=1
fi
[ $failed -eq 0 ] && echo "driver arguments fine"
exit $failed
