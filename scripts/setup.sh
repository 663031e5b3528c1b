#!/bin/sh
# Installs the Debian packages the game needs (only those missing), then
# configures and builds. Usage: setup.sh BUILD_DIR TARGET [cmake options...]
# TARGET "game" builds the game folder only (the game, its headless driver
# and the tools that make its pictures, sounds, fonts and maps); "all"
# builds the tests too. The build log is kept in BUILD_DIR/build.log and
# shown only when something fails.
set -e
cd "$(dirname "$0")/.."
PACKAGES="g++ cmake ninja-build pkg-config libsdl2-dev libsdl2-mixer-dev libpng-dev zlib1g-dev
libfreetype-dev libgtest-dev libtinyxml2-dev fontforge-nox fonts-texgyre fonts-dejavu-core"
# The tests also start the window program under a virtual display.
[ "${2:-all}" = all ] && PACKAGES="$PACKAGES xvfb xauth"
sh scripts/install_missing.sh $PACKAGES
BUILD="${1:-build}"
TARGET="${2:-all}"
[ $# -gt 0 ] && shift
[ $# -gt 0 ] && shift
BUILD_TARGET=""
[ "$TARGET" = game ] && BUILD_TARGET="--target game_folder"
mkdir -p "$BUILD"
if [ ! -f "$BUILD/build.ninja" ]; then
  echo "Building $BUILD (the first build takes about 3 minutes on two cores)..."
fi
if ! { cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" &&
       cmake --build "$BUILD" $BUILD_TARGET; } > "$BUILD/build.log" 2>&1; then
  cat "$BUILD/build.log"
  echo "The build failed; its log is $BUILD/build.log" >&2
  exit 1
fi
