#!/usr/bin/env bash
# Installs the build into a temporary prefix and tries it as a user would: the
# files in their places, the desktop files valid, and the installed program, run
# by a user other than root, saving a favourite into that user's own store.
# Usage: check_install.sh BUILD_DIR. Exits 77 (a skip) with the reason where a
# step cannot run here.
set -uo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*"; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }

work=$(mktemp -d /tmp/tessaron-install.XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
manifest="$build/install_manifest.txt"

for file in bin/tessaron share/tessaron/ayuda.hlp share/tessaron/help.hlp \
            share/tessaron/TESSARON.MDB share/applications/com.tessaron.tessaron.desktop \
            share/icons/hicolor/scalable/apps/com.tessaron.tessaron.svg \
            share/icons/hicolor/16x16/apps/com.tessaron.tessaron.svg \
            share/icons/hicolor/24x24/apps/com.tessaron.tessaron.svg \
            share/metainfo/com.tessaron.tessaron.metainfo.xml share/man/man1/tessaron.1.gz; do
    [[ -f $prefix/$file ]] || fail "$file was not installed"
    # Listed where an uninstall looks for what to remove.
    grep -qx "$prefix/$file" "$manifest" || fail "$file is not in install_manifest.txt"
done
# Nothing installed that the manifest does not list, and the other way round.
(cd "$prefix" && find . -type f | sed "s|^\.|$prefix|" | sort) >"$work/installed"
sort "$manifest" >"$work/listed"
[[ $(comm -3 "$work/installed" "$work/listed") == "" ]] ||
    fail "installed and listed differ: $(comm -3 "$work/installed" "$work/listed")"
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
    MANWIDTH=80 man -l "$prefix/share/man/man1/tessaron.1.gz" 2>/dev/null | grep -q -- "--favourites" \
        || fail "the manual page does not render"
fi
# The manual page names the files where this installation put them.
zcat "$prefix/share/man/man1/tessaron.1.gz" >"$work/tessaron.1" || fail "the manual page's gzip"
grep -qxF ".I $prefix/share/tessaron/TESSARON.MDB" "$work/tessaron.1" ||
    fail "the manual page does not name $prefix/share/tessaron/TESSARON.MDB"
if command -v mandoc >/dev/null; then
    lint=$(mandoc -Tlint "$work/tessaron.1" 2>&1)
    [[ -z $lint ]] || fail "mandoc -Tlint: $lint"
fi
# The software centres' catalogue, made from the installation, describes the
# program in Spanish as well as in English.
if command -v appstreamcli >/dev/null; then
    appstreamcli compose --no-color --prefix=/ --result-root="$work/compose" --origin=tessaron \
        "$prefix" >"$work/compose.txt" 2>&1 || fail "appstreamcli compose: $(cat "$work/compose.txt")"
    catalogue=$(zcat "$work/compose/share/swcatalog/xml/tessaron.xml.gz") ||
        fail "no catalogue was composed: $(cat "$work/compose.txt")"
    for text in '<description xml:lang="es">' 'Sus funciones:' 'en español y en inglés' \
                '<description>' '<icon type="cached"'; do
        grep -qF "$text" <<<"$catalogue" || fail "the composed catalogue lacks $text: $catalogue"
    done
fi

# A reinstall keeps a store template that is already there.
cp "$prefix/share/tessaron/TESSARON.MDB" "$work/template"
sqlite3 "$prefix/share/tessaron/TESSARON.MDB" "INSERT INTO AdrecaFig VALUES ('kept', 'kept', 'r')"
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "the second cmake --install"
[[ $(sqlite3 "$prefix/share/tessaron/TESSARON.MDB" "SELECT count(*) FROM AdrecaFig") == 1 ]] \
    || fail "a reinstall replaced the store template"
grep -qx "$prefix/share/tessaron/TESSARON.MDB" "$manifest" ||
    fail "a kept store template is not in install_manifest.txt"
cp "$work/template" "$prefix/share/tessaron/TESSARON.MDB"

[[ $(id -u) -eq 0 ]] || skip "running the program as another user needs root"
for tool in runuser xvfb-run xdotool sqlite3; do
    command -v "$tool" >/dev/null || skip "$tool is missing"
done
"$here/use_as_user.sh" "$prefix/bin/tessaron" "$work/home" || exit 1
echo "PASS"
