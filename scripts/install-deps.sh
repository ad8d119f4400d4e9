#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the program and its tests
# need and the machine lacks. Needs root; asks nothing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins libqt6sql6-sqlite qt6-translations-l10n libcups2-dev
    libbenchmark-dev libsqlite3-dev
    fonts-liberation2
    xvfb xauth xdg-utils sqlite3
    poppler-utils cups printer-driver-cups-pdf
    openbox x11-utils
    libqt6svg6 desktop-file-utils appstream man-db xdotool
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    if [[ $(id -u) -ne 0 ]]; then
        echo "install-deps: missing packages: ${missing[*]}; run as root (or with sudo)" >&2
        exit 1
    fi
    echo "install-deps: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
