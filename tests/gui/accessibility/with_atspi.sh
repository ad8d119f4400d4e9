#!/usr/bin/env bash
# Runs HOST on a private X display with a private session and accessibility
# bus, the AT-SPI bridge on, and asks its text boxes every reading question
# from outside, as a screen reader does.
#
#     with_atspi.sh HOST QUERIES.py
set -euo pipefail
host=$1 queries=$2

if [[ ${TESSARON_INSIDE_BUS:-} != 1 ]]; then
    export TESSARON_INSIDE_BUS=1
    exec timeout -k 5 300 dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

scratch=$(mktemp -d)
trap 'kill "${app:-}" "${bus:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
# The host's temporary files go to the scratch folder: it is ended by a signal, so
# its own clean-up never runs.
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME=$scratch TMPDIR=$scratch
"$host" >"$scratch/out" 2>"$scratch/err" &
app=$!
for _ in $(seq 150); do
    grep -q ready "$scratch/out" && break
    kill -0 "$app" 2>/dev/null || { cat "$scratch/err" >&2; exit 1; }
    sleep 0.1
done
grep -q ready "$scratch/out" || { echo "the host never said it was ready" >&2; exit 1; }
/usr/bin/python3 "$queries" "$app"
