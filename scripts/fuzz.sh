#!/bin/sh
# Builds the fuzzer (clang-14, ASan, UBSan, libFuzzer) in build-fuzz/ and
# runs every fuzz target for SECONDS (default 20), two at a time, over the
# game folder of build/ (which scripts/test.sh or setup.sh makes first).
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# Installs clang-14 and libclang-rt-14-dev when they are missing.
set -e
cd "$(dirname "$0")/.."
SECONDS_EACH="${1:-20}"
[ $# -gt 0 ] && shift
sh scripts/install_missing.sh clang-14 libclang-rt-14-dev
[ -d build/game ] || sh scripts/setup.sh build game
mkdir -p build-fuzz
if ! { cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
         -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
         -DVESSARA_FUZZ=ON -DVESSARA_TESTS=OFF &&
       cmake --build build-fuzz --target vessara-fuzz; } > build-fuzz/build.log 2>&1; then
  cat build-fuzz/build.log
  echo "The fuzzer build failed; its log is build-fuzz/build.log" >&2
  exit 1
fi
TARGETS="$*"
[ -n "$TARGETS" ] || TARGETS="$(ls tests/fuzz/inputs)"
export VESSARA_GAME_DIR="$PWD/build/game"
rm -f build-fuzz/fuzz-failed
for t in $TARGETS; do echo "$t"; done |
  xargs -P 2 -I{} sh -c "sh tests/fuzz/run.sh build-fuzz $SECONDS_EACH {} || touch build-fuzz/fuzz-failed"
if [ -e build-fuzz/fuzz-failed ]; then
  echo "The fuzzer found something: see build-fuzz/fuzz-findings and build-fuzz/fuzz-*.log" >&2
  exit 1
fi
