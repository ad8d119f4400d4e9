#!/usr/bin/env bash
# Builds the Debian package from the install rules with CPack, checks it with
# lintian, and prints its path. Installs what is missing first (through sudo when
# run as a user); builds in build/ (or $TESSARON_BUILD_DIR), the package goes
# beside it, into $TESSARON_DEB_DIR when set.
#
#     bash scripts/build-deb.sh
#     sudo apt-get install ./build/tessaron_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSARON_BUILD_DIR:-$root/build}
out=${TESSARON_DEB_DIR:-$build}
"$root/scripts/install-deps.sh" package
"$root/scripts/build.sh"
log=$(cd "$build" && cpack -G DEB -B "$out") || {
    printf '%s\n' "$log" >&2
    exit 1
}
deb=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$log")
[[ -f $deb ]] || {
    printf '%s\nbuild-deb: no package was made\n' "$log" >&2
    exit 1
}
# Errors and warnings fail; the notes lintian gives besides them are shown.
lintian --tag-display-limit 0 --fail-on error,warning "$deb" >&2
echo "$deb"
