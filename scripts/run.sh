#!/usr/bin/env bash
# Installs what building and running need and the machine lacks (through sudo when
# run as a user), builds, and starts the program. Run it as yourself: the build and
# the favourites kept beside the built program are then yours.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" run
# Started with sudo from the user's own folder: build and start as that user, or
# the build, and the store beside it, would belong to root.
if [[ $(id -u) -eq 0 && -n ${SUDO_USER:-} && $SUDO_USER != root &&
    $(stat -c %U "$root") == "$SUDO_USER" ]]; then
    exec runuser -u "$SUDO_USER" -- "$0" "$@"
fi
TESSARON_BUILD_TARGET=tessaron "$root/scripts/build.sh"
echo "tessaron: starting Tessaron"
exec "${TESSARON_BUILD_DIR:-$root/build}/tessaron" "$@"
