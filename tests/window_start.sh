#!/bin/sh
# The window program as a player starts it.
#  - Without a display it refuses to run: one line naming the display, exit 1.
#  - Under a virtual display (xvfb-run, when installed) it starts from any
#    folder, finds its game folder from its own location, and ends cleanly
#    when told to (SIGTERM becomes a close request).
GAME="$1"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$GAME/vessara" 2>&1)
status=$?
[ $status -eq 1 ] || { echo "without a display: exit $status, expected 1"; exit 1; }
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || { echo "more than one line: $out"; exit 1; }
printf '%s' "$out" | grep -q "no display" || { echo "no 'no display' in: $out"; exit 1; }
echo "no display: refused"
if ! command -v xvfb-run > /dev/null; then
  echo "xvfb-run not installed: window start not tried"
  exit 77
fi
cd / || exit 1
LOG=$(mktemp)
err=$(env -u SDL_VIDEODRIVER -u SDL_AUDIODRIVER timeout -s KILL 20 xvfb-run -a sh -c "
  \"$GAME/vessara\" --frame-log \"$LOG\" & pid=\$!
  sleep 4
  kill -TERM \$pid
  wait \$pid" 2>&1)
status=$?
[ $status -eq 0 ] || { echo "window run from / ended with $status: $err"; exit 1; }
if printf '%s' "$err" | grep -q "Vessara-Demo: .*:"; then
  # The one allowed line is the missing sound card.
  printf '%s\n' "$err" | grep "Vessara-Demo:" | grep -v "no sound device" && exit 1
fi
echo "window started from / and closed cleanly"
# --frame-log: a line per frame, interval, work and present time in ms.
lines=$(awk 'NF == 3 && $1 >= 0 && $2 >= 0 && $3 >= 0 { n++ } END { print n + 0 }' "$LOG")
total=$(wc -l < "$LOG")
rm -f "$LOG"
[ "$lines" -ge 10 ] && [ "$lines" -eq "$total" ] || { echo "frame log: $lines good lines of $total"; exit 1; }
echo "frame log: $lines frames"
