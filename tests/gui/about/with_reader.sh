#!/usr/bin/env bash
# Runs a test program on a private X display with a private session and
# accessibility bus and Qt's AT-SPI bridge on, as it runs beside a screen reader:
# QAccessible::isActive() is true there once the bridge has found the bus.
# (Neither QAccessible::setActive() nor an update handler makes it true in
# Qt 6.4; the offscreen platform has no bridge at all.)
#
#     with_reader.sh PROGRAM [ARGUMENTS...]
set -euo pipefail

if [[ ${TESSARON_INSIDE_BUS:-} != 1 ]]; then
    export TESSARON_INSIDE_BUS=1
    exec timeout -k 5 300 dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

scratch=$(mktemp -d)
trap 'kill "${bus:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 TESSARON_TEST_SCREEN_READER=1
export XDG_CONFIG_HOME=$scratch
"$@"
