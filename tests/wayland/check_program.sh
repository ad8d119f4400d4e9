#!/usr/bin/env bash
# The program on Wayland, started as a user starts it (run under with_weston.sh):
# its windows are surfaces of the compositor's, titled as the program titles them;
# the start-up screen gives way to the main window; TERM ends it with status 0 and
# nothing on standard error but the protocol trace asked for.
#     check_program.sh PROGRAM
set -uo pipefail
program=$1
fail() { echo "FAIL: $*"; exit 1; }

work=$(mktemp -d /tmp/tessaron-wayland.XXXXXX)
pid=
trap '[[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/data"

# Each request of the program to the compositor is traced, set_title among them.
WAYLAND_DEBUG=client XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" BROWSER=/bin/true \
    "$program" 2>"$work/err" &
pid=$!

titled() { grep -qF "set_title(\"$1\")" "$work/err"; }
wait_for_title() {
    for _ in $(seq 400); do
        titled "$1" && return 0
        kill -0 "$pid" 2>/dev/null || fail "the program ended: $(grep -v '^\[' "$work/err")"
        sleep 0.05
    done
    fail "no window titled '$1' in 20 s"
}
version=$("$program" --version) || fail "--version"
version=${version#tessaron }
wait_for_title "Acerca de \"Tessaron v$version\""
wait_for_title "Tessaron v$version"

kill -TERM "$pid"
wait "$pid"
status=$?
pid=
((status == 0)) || fail "TERM ended it with status $status"
grep -q 'wl_display@1.get_registry' "$work/err" || fail "the program did not speak Wayland"
others=$(grep -v '^\[' "$work/err")
[[ -z $others ]] || fail "on standard error: $others"
echo "PASS"
