#!/usr/bin/env bash
# Installs, from Debian's packages, what one use of this folder needs and the
# machine lacks, and nothing when nothing is missing. Asks nothing.
#
#     install-deps.sh run       building and running the program (scripts/run.sh)
#     install-deps.sh test      that, and what the tests need (scripts/test.sh)
#     install-deps.sh package   that, and what building and checking the .deb needs
#
# Only the installation needs root: run as another user, it asks sudo for it, and
# only when a package is missing. A held package lock (another apt, or the
# desktop's updater right after boot) is waited for, not failed on.
set -euo pipefail

run_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins libqt6sql6-sqlite libqt6svg6 qt6-wayland libsqlite3-dev
    qt6-translations-l10n libcups2-dev
    fonts-liberation2 xdg-utils
)
# git: the layout check lists the files it checks; librsvg2-common: appstream's icon
# loader reads the SVG icon; fonts-dejavu-core: a face the window tests can name on
# any machine (cups pulls in ghostscript's fonts, which can become the default face).
test_packages=(
    libbenchmark-dev sqlite3 clang-format
    xvfb xauth xdotool openbox x11-utils weston
    dbus at-spi2-core gir1.2-atspi-2.0 python3-gi
    poppler-utils cups printer-driver-cups-pdf
    desktop-file-utils appstream appstream-compose man-db mandoc
    clang libclang-rt-14-dev
    git librsvg2-common fonts-dejavu-core
)
package_packages=(dpkg-dev file lintian)

case ${1:-test} in
run) packages=("${run_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}" "${package_packages[@]}") ;;
package) packages=("${run_packages[@]}" "${package_packages[@]}") ;;
*)
    echo "usage: install-deps.sh [run|test|package]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
((${#missing[@]})) || exit 0

as_root=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
        echo "tessaron: missing packages: ${missing[*]}" >&2
        echo "tessaron: install them as root, or install sudo, and run this again" >&2
        exit 1
    fi
    as_root=(sudo)
fi

echo "tessaron: installing ${#missing[@]} packages (with what they need): ${missing[*]}"
# apt's own lines are shown as they come. Another apt or dpkg holding a lock is waited
# for, up to ten minutes: dpkg's own lock through apt's option, and the package lists'
# lock, which `apt-get update` does not wait for, by trying again.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
apt_get() {
    local deadline=$((SECONDS + 600)) status
    while :; do
        status=0
        { "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
            apt-get -o DPkg::Lock::Timeout=600 "$@" 2>&1 | tee "$log"; status=${PIPESTATUS[0]}; } || true
        if ((status == 0)) || ! grep -q 'Could not get lock' "$log" || ((SECONDS >= deadline)); then
            if ((status != 0)); then
                echo "tessaron: installing packages failed (apt-get $1, status $status):" >&2
                grep -m3 '^E: ' "$log" | sed 's/^/    /' >&2 || true
            fi
            return "$status"
        fi
        echo "tessaron: waiting for another package manager to finish"
        sleep 5
    done
}
apt_get update -q
apt_get install -y -q --no-install-recommends "${missing[@]}"
echo "tessaron: installing packages: done"
