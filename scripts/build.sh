#!/usr/bin/env bash
# Configures and builds into build/ (or $TESSARON_BUILD_DIR): everything, or only
# $TESSARON_BUILD_TARGET and what it needs. Arguments go to the configure step,
# e.g. -DTESSARON_WERROR=ON.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSARON_BUILD_DIR:-$root/build}
source "$root/scripts/stage.sh"
stage configuring cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
stage building cmake --build "$build" ${TESSARON_BUILD_TARGET:+--target "$TESSARON_BUILD_TARGET"}
