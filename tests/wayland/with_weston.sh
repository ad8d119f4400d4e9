#!/usr/bin/env bash
# Runs a command as a client of a private weston on its headless backend: a
# Wayland desktop without a screen, with no X server beside it.
#     with_weston.sh COMMAND [ARGUMENT...]
# The command sees WAYLAND_DISPLAY, XDG_RUNTIME_DIR and QT_QPA_PLATFORM=wayland,
# and no DISPLAY. With WESTON_SCREENSHOTS=1, weston lets weston-screenshooter
# take pictures of its output. Exits 77 (a skip) when weston is not installed.
set -uo pipefail
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }

runtime=$(mktemp -d /tmp/tessaron-weston.XXXXXX) # made with mode 0700, as Wayland wants
socket=wayland-tessaron
log=$runtime/weston.log
debug=()
[[ ${WESTON_SCREENSHOTS:-} == 1 ]] && debug=(--debug)
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --width=1280 \
    --height=1024 --socket="$socket" --idle-time=0 --no-config --log="$log" "${debug[@]}" &
weston_pid=$!
finish() {
    kill -TERM "$weston_pid" 2>/dev/null
    wait "$weston_pid" 2>/dev/null
    rm -rf "$runtime"
}
trap finish EXIT
for _ in $(seq 200); do
    [[ -S $runtime/$socket ]] && break
    kill -0 "$weston_pid" 2>/dev/null || { echo "FAIL: weston did not start:"; cat "$log"; exit 1; }
    sleep 0.05
done
[[ -S $runtime/$socket ]] || { echo "FAIL: weston made no socket in 10 s"; cat "$log"; exit 1; }

env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$@"
