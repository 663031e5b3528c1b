#!/bin/sh
# Builds everything that is missing and runs every test headless.
#   scripts/test.sh             normal build in build/
#   scripts/test.sh --sanitize  AddressSanitizer + UBSan build in build-asan/
set -e
cd "$(dirname "$0")/.."
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
if [ "$1" = "--sanitize" ]; then
  sh scripts/setup.sh build-asan all -DVESSARA_SANITIZE=ON
  export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
  cd build-asan
else
  sh scripts/setup.sh build all
  cd build
fi
ctest --output-on-failure -j2
