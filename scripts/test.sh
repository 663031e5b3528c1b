#!/bin/sh
# Builds everything that is missing and runs every test headless.
#   scripts/test.sh             normal build in build/
#   scripts/test.sh --sanitize  AddressSanitizer + UBSan build in build-asan/
# The normal run ends with a short fuzz of every parser (scripts/fuzz.sh,
# 20 seconds each; VESSARA_FUZZ_SECONDS changes it, 0 skips it).
set -e
cd "$(dirname "$0")/.."
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
if [ "$1" = "--sanitize" ]; then
  # The game keeps what it loads until it exits and leaves freeing it to the
  # system, so leaks are not checked; set before the build too, which runs
  # the data checker on the game folder it assembles.
  export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
  sh scripts/setup.sh build-asan all -DVESSARA_SANITIZE=ON
  cd build-asan
else
  sh scripts/setup.sh build all
  cd build
fi
ctest --output-on-failure -j2
cd ..
if [ "$1" != "--sanitize" ] && [ "${VESSARA_FUZZ_SECONDS:-20}" -gt 0 ]; then
  sh scripts/fuzz.sh "${VESSARA_FUZZ_SECONDS:-20}"
fi
