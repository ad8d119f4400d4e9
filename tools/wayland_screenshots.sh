#!/usr/bin/env bash
# Pictures of every window on Wayland, as weston draws them: runs the Wayland
# window test on a private headless weston and has weston's screenshooter take
# each window while it is open.
#     bash tools/wayland_screenshots.sh [FOLDER]     (default: wayland-shots/)
# Needs a built tree (build/, or $TESSARON_BUILD_DIR) and weston.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSARON_BUILD_DIR:-$root/build}
folder=$(mkdir -p "${1:-wayland-shots}" && cd "${1:-wayland-shots}" && pwd)
cmake --build "$build" --target tst_wayland
WESTON_SCREENSHOTS=1 QT_IM_MODULE=none TESSARON_WAYLAND_SHOTS="$folder" \
    "$root/tests/wayland/with_weston.sh" "$build/tst_wayland" -silent
ls "$folder"/*.png
