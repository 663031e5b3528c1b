#!/bin/sh
# Runs the fuzzer of a VESSARA_FUZZ build on each target for SECONDS.
# Usage: tests/fuzz/run.sh BUILD_DIR SECONDS [TARGET...]   (default: all)
# VESSARA_GAME_DIR names the game folder to fuzz (default BUILD_DIR/game).
# The corpus of each target starts from the real game files and the kept
# inputs of tests/fuzz/inputs; it grows under BUILD_DIR/fuzz-corpus. A
# finding is written to BUILD_DIR/fuzz-findings and fails the run. The game
# never frees the records of a finished load, so the fuzzer is restarted
# every RUNS inputs (default 20000) to keep its memory bounded; 256 MB is
# the limit. MAX_EXECS (default unlimited) ends a target early once it has
# run that many inputs. Prints executions and coverage per target.
set -u
BUILD="$(cd "$1" && pwd)"; SECONDS_EACH="$2"; shift 2
HERE="$(cd "$(dirname "$0")" && pwd)"
FUZZ="$BUILD/vessara-fuzz"
GAME="${VESSARA_GAME_DIR:-$BUILD/game}"
export VESSARA_GAME_DIR="$GAME"
RUNS="${RUNS:-20000}"
[ -x "$FUZZ" ] || { echo "no fuzzer at $FUZZ (configure with -DVESSARA_FUZZ=ON and clang)"; exit 2; }
TARGETS="$*"
[ -n "$TARGETS" ] || TARGETS="$(ls "$HERE/inputs")"
mkdir -p "$BUILD/fuzz-findings"
export ASAN_OPTIONS="detect_leaks=0:quarantine_size_mb=16:allocator_may_return_null=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
status=0
for t in $TARGETS; do
  corpus="$BUILD/fuzz-corpus/$t"
  mkdir -p "$corpus"
  cp "$HERE/inputs/$t/"* "$corpus/" 2>/dev/null
  case "$t" in
    map) cp "$GAME"/Data/Maps/*.Map "$corpus/" ;;
    script) cp "$HERE"/../replay/*.replay "$corpus/" ;;
    # Pictures of every kind the art tools write (paletted, grey, RGB,
    # RGBA), the small ones; both font formats; every sound.
    pictures) find "$GAME/Grafik" -name '*.png' -size -12k -exec cp {} "$corpus/" \; ;;
    fonts) cp "$GAME"/*.ttf "$GAME"/*.fon "$corpus/" ;;
    sounds) cp "$GAME"/Sound/*.wav "$corpus/" ;;
  esac
  file=$(grep -o "{\"$t\", \"[^\"]*\"" "$HERE/fuzz_targets.cpp" | sed 's/.*, "//; s/"$//')
  [ -n "$file" ] && cp "$GAME/$file" "$corpus/real-$(basename "$file")"
  execs=0; cov=0; start=$(date +%s); findings=0
  while :; do
    left=$(( SECONDS_EACH - ($(date +%s) - start) ))
    [ "$left" -gt 0 ] || break
    [ -n "${MAX_EXECS:-}" ] && [ "$execs" -ge "$MAX_EXECS" ] && break
    VESSARA_FUZZ_TARGET="$t" "$FUZZ" -max_total_time="$left" -runs="$RUNS" -rss_limit_mb=256 \
      -malloc_limit_mb=256 -timeout=10 -detect_leaks=0 -print_final_stats=1 \
      -artifact_prefix="$BUILD/fuzz-findings/$t-" "$corpus" > "$BUILD/fuzz-$t.log" 2>&1
    rc=$?
    n=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$BUILD/fuzz-$t.log" | grep -o '[0-9]*$')
    execs=$(( execs + ${n:-0} ))
    c=$(grep -o 'cov: [0-9]*' "$BUILD/fuzz-$t.log" | tail -1 | grep -o '[0-9]*')
    [ -n "$c" ] && [ "$c" -gt "$cov" ] && cov=$c
    if [ "$rc" -ne 0 ]; then
      findings=$(( findings + 1 )); status=1
      echo "FINDING in $t (exit $rc):"; grep -E "ERROR|SUMMARY|runtime error|==.*==|Test unit written" "$BUILD/fuzz-$t.log" | head -20
      break
    fi
  done
  echo "$t: $execs executions, coverage $cov edges, $findings findings"
done
exit $status
