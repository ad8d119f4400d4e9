#!/usr/bin/env bash
# Installs the build into a temporary prefix and tries it as a user would: the
# files in their places, the desktop files valid, and the installed program, run
# by a user other than root, saving a favourite into that user's own store.
# Usage: check_install.sh BUILD_DIR. Exits 77 (a skip) with the reason where a
# step cannot run here.
set -uo pipefail
build=$1
fail() { echo "FAIL: $*"; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }

work=$(mktemp -d /tmp/tessaron-install.XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"

for file in bin/tessaron share/tessaron/ayuda.hlp share/tessaron/help.hlp \
            share/tessaron/TESSARON.MDB share/applications/com.tessaron.tessaron.desktop \
            share/icons/hicolor/scalable/apps/com.tessaron.tessaron.svg \
            share/metainfo/com.tessaron.tessaron.metainfo.xml share/man/man1/tessaron.1; do
    [[ -f $prefix/$file ]] || fail "$file was not installed"
done
[[ -e $prefix/bin/TESSARON.MDB ]] && fail "a store was installed beside the program"

if command -v desktop-file-validate >/dev/null; then
    out=$(desktop-file-validate "$prefix/share/applications/com.tessaron.tessaron.desktop")
    [[ -z $out ]] || fail "desktop-file-validate: $out"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/com.tessaron.tessaron.metainfo.xml" \
        >"$work/appstream.txt" 2>&1 || fail "appstreamcli: $(cat "$work/appstream.txt")"
fi
if command -v man >/dev/null; then
    MANWIDTH=80 man -l "$prefix/share/man/man1/tessaron.1" 2>/dev/null | grep -q -- "--favourites" \
        || fail "the manual page does not render"
fi

# A reinstall keeps a store template that is already there.
cp "$prefix/share/tessaron/TESSARON.MDB" "$work/template"
sqlite3 "$prefix/share/tessaron/TESSARON.MDB" "INSERT INTO AdrecaFig VALUES ('kept', 'kept', 'r')"
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "the second cmake --install"
[[ $(sqlite3 "$prefix/share/tessaron/TESSARON.MDB" "SELECT count(*) FROM AdrecaFig") == 1 ]] \
    || fail "a reinstall replaced the store template"
cp "$work/template" "$prefix/share/tessaron/TESSARON.MDB"

[[ $(id -u) -eq 0 ]] || skip "running the program as another user needs root"
for tool in runuser xvfb-run xdotool sqlite3; do
    command -v "$tool" >/dev/null || skip "$tool is missing"
done
user=nobody
home="$work/home"
mkdir -p "$home" && chown "$user" "$home"
as_user() { runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin "$@"; }

# Start the installed program, type a name, press the first Guardar and the box's OK.
as_user xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
    $prefix/bin/tessaron & pid=\$!
    sleep 2; xdotool key Return; sleep 1
    xdotool type --delay 30 abc; sleep 0.3
    wid=\$(xdotool search --name '^Tessaron v' | head -1)
    xdotool mousemove --window \$wid 148 227 click 1; sleep 1
    xdotool key Return; sleep 0.5
    kill -TERM \$pid; wait \$pid
" >"$work/run.txt" 2>&1
store="$home/.local/share/tessaron/TESSARON.MDB"
[[ -f $store ]] || fail "no store was made for the user: $(cat "$work/run.txt")"
[[ $(stat -c %U "$store") == "$user" ]] || fail "the user's store is not the user's"
rows=$(sqlite3 "$store" "SELECT Adreca, nom, figura FROM AdrecaFig")
[[ $rows == "http://www.tessaron-abc-rmt.com|abc|r" ]] || fail "the saved row: '$rows'"

# Made once: a later start keeps what was saved.
as_user xvfb-run -a sh -c "$prefix/bin/tessaron & pid=\$!; sleep 2; kill -TERM \$pid; wait \$pid" \
    >/dev/null 2>&1
[[ $(sqlite3 "$store" "SELECT count(*) FROM AdrecaFig") == 1 ]] || fail "the user's store was made anew"

# The favourites leave the program as bookmarks.
as_user "$prefix/bin/tessaron" --favourites html >"$work/b.html" || fail "--favourites html"
grep -q 'HREF="http://www.tessaron-abc-rmt.com"' "$work/b.html" || fail "the bookmarks file"
echo "PASS"
