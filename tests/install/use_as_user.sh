#!/usr/bin/env bash
# An installed program used by a user other than root who has never run it: the
# window saves a favourite into the user's own store, made for them; a second
# start keeps it; the favourites leave as CSV and as bookmarks.
#     use_as_user.sh PROGRAM HOME
# Needs root (to become the user), runuser, xvfb-run, xdotool and sqlite3.
set -uo pipefail
program=$1
home=$2
user=nobody
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$home/tmp" "$home/runtime" && chmod 700 "$home/runtime" && chown -R "$user" "$home"
# The user's temporary and runtime files stay in the home the caller removes.
as_user() {
    runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin TMPDIR="$home/tmp" \
        XDG_RUNTIME_DIR="$home/runtime" "$@"
}

# Start it, pass the start-up screen, type a name, press the first Guardar and the
# box's OK.
as_user xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
    $program & pid=\$!
    sleep 2; xdotool key Return; sleep 1
    xdotool type --delay 30 abc; sleep 0.3
    wid=\$(xdotool search --name '^Tessaron v' | head -1)
    xdotool mousemove --window \$wid 148 227 click 1; sleep 1
    xdotool key Return; sleep 0.5
    kill -TERM \$pid; wait \$pid
" >"$home/run.txt" 2>&1
store="$home/.local/share/tessaron/TESSARON.MDB"
[[ -f $store ]] || fail "no store was made for the user: $(cat "$home/run.txt")"
[[ $(stat -c %U "$store") == "$user" ]] || fail "the user's store is not the user's"
rows=$(sqlite3 "$store" "SELECT Adreca, nom, figura FROM AdrecaFig")
[[ $rows == "http://www.tessaron-abc-rmt.com|abc|r" ]] || fail "the saved row: '$rows'"

# Made once: a later start keeps what was saved.
as_user xvfb-run -a sh -c "$program & pid=\$!; sleep 2; kill -TERM \$pid; wait \$pid" \
    >/dev/null 2>&1
[[ $(sqlite3 "$store" "SELECT count(*) FROM AdrecaFig") == 1 ]] || fail "the user's store was made anew"

# The favourites leave the program as bookmarks and as CSV.
as_user "$program" --favourites html >"$home/b.html" || fail "--favourites html"
grep -q 'HREF="http://www.tessaron-abc-rmt.com"' "$home/b.html" || fail "the bookmarks file"
csv=$(as_user "$program" --favourites csv) || fail "--favourites csv"
[[ $csv == *"http://www.tessaron-abc-rmt.com,abc,r"* ]] || fail "the CSV export: $csv"
exit 0
