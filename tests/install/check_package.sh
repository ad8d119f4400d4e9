#!/usr/bin/env bash
# The Debian package, tried as an administrator and a user would: made by CPack
# from the build, clean for lintian, installed with apt, used by a user other
# than root (a favourite saved, the favourites exported), and purged, leaving no
# file of it behind.
# Usage: check_package.sh BUILD_DIR. Exits 77 (a skip) with the reason where a
# step cannot run here; the package is made and checked with lintian first.
set -uo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*"; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || skip "$tool is missing"
done

work=$(mktemp -d /tmp/tessaron-package.XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"

(cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.txt" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.txt")"
debs=("$work"/out/tessaron_*.deb)
deb=${debs[0]}
[[ ${#debs[@]} -eq 1 && -f $deb ]] || fail "cpack made no single tessaron_*.deb: ${debs[*]}"
arch=$(dpkg --print-architecture)
[[ $(basename "$deb") =~ ^tessaron_[0-9.]+-[0-9]+_${arch}\.deb$ ]] ||
    fail "the package's file name: $(basename "$deb")"

# What it holds, where Debian wants it.
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' | grep -v '/$' | sort >"$work/files"
for file in /usr/bin/tessaron /usr/share/tessaron/TESSARON.MDB /usr/share/tessaron/ayuda.hlp \
    /usr/share/tessaron/help.hlp /usr/share/applications/com.tessaron.tessaron.desktop \
    /usr/share/icons/hicolor/scalable/apps/com.tessaron.tessaron.svg \
    /usr/share/icons/hicolor/16x16/apps/com.tessaron.tessaron.svg \
    /usr/share/icons/hicolor/24x24/apps/com.tessaron.tessaron.svg \
    /usr/share/metainfo/com.tessaron.tessaron.metainfo.xml /usr/share/man/man1/tessaron.1.gz \
    /usr/share/doc/tessaron/copyright /usr/share/doc/tessaron/changelog.Debian.gz; do
    grep -qx "$file" "$work/files" || fail "$file is not in the package"
done
grep -v '^/usr/' "$work/files" && fail "files outside /usr"
dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' >"$work/depends"
for dep in libqt6widgets6 libqt6sql6 qt6-qpa-plugins qt6-wayland libqt6sql6-sqlite; do
    grep -qx "$dep" "$work/depends" || fail "the package does not depend on $dep"
done
# Installed without recommends, the Spanish twin would show Qt's own buttons in English.
dpkg-deb -f "$deb" Recommends | tr ',' '\n' | sed 's/^ *//; s/ .*//' >"$work/recommends"
for dep in qt6-translations-l10n librsvg2-common libqt6svg6 xdg-utils; do
    grep -qx "$dep" "$work/recommends" || fail "the package does not recommend $dep"
done
# The manual page names the files where the package puts them.
dpkg-deb -x "$deb" "$work/tree" || fail "dpkg-deb -x"
zcat "$work/tree/usr/share/man/man1/tessaron.1.gz" >"$work/tessaron.1" ||
    fail "the manual page is not a gzip file"
grep -q '^\.I /usr/share/tessaron/TESSARON\.MDB$' "$work/tessaron.1" ||
    fail "the manual page does not name /usr/share/tessaron/TESSARON.MDB"
if command -v mandoc >/dev/null; then
    lint=$(mandoc -Tlint "$work/tessaron.1" 2>&1) || fail "mandoc -Tlint: $lint"
    [[ -z $lint ]] || fail "mandoc -Tlint: $lint"
fi
if command -v lintian >/dev/null; then
    # As root lintian notes that it would rather not be; the tags are what counts.
    # lintian leaves its scratch databases in TMPDIR.
    TMPDIR=$work lintian --tag-display-limit 0 --fail-on error,warning "$deb" >"$work/lintian.txt" 2>&1 ||
        fail "lintian: $(cat "$work/lintian.txt")"
    grep -E '^(E|W): ' "$work/lintian.txt" && fail "lintian found errors or warnings"
fi

[[ $(id -u) -eq 0 ]] || skip "installing the package needs root"
command -v apt-get >/dev/null || skip "apt-get is missing"
dpkg-query -W -f='${Status}' tessaron 2>/dev/null | grep -q 'installed' &&
    skip "a tessaron package is already installed here: it is left as it is"
for tool in runuser xvfb-run xdotool sqlite3; do
    command -v "$tool" >/dev/null || skip "$tool is missing"
done

# The folders it puts files in, as they were before.
dirs=(/usr/bin /usr/share/tessaron /usr/share/applications /usr/share/icons/hicolor
    /usr/share/metainfo /usr/share/man/man1 /usr/share/doc/tessaron /usr/share/lintian/overrides)
snapshot() { find "${dirs[@]}" 2>/dev/null | sort; }
snapshot >"$work/before"

export DEBIAN_FRONTEND=noninteractive
apt=(apt-get -o DPkg::Lock::Timeout=600 -y -q)
"${apt[@]}" install "$deb" >"$work/install.txt" 2>&1 || fail "apt-get install: $(cat "$work/install.txt")"
purge() { "${apt[@]}" purge tessaron >"$work/purge.txt" 2>&1; }
trap 'purge; rm -rf "$work"' EXIT
dpkg -L tessaron | sort >"$work/owned"
[[ -x /usr/bin/tessaron ]] || fail "/usr/bin/tessaron is not there"

# A user, who has never run it, saves a favourite and exports the favourites.
"$here/use_as_user.sh" /usr/bin/tessaron "$work/home" || fail "using the installed program"

purge || fail "apt-get purge: $(cat "$work/purge.txt")"
trap 'rm -rf "$work"' EXIT
dpkg-query -W tessaron >/dev/null 2>&1 && fail "dpkg still knows the package after the purge"
while read -r file; do
    [[ -e $file && ! -d $file ]] && fail "$file is still there after the purge"
done <"$work/owned"
snapshot >"$work/after"
left=$(comm -13 "$work/before" "$work/after")
[[ -z $left ]] || fail "left behind by the purge: $left"
# The user's own store is theirs to keep.
[[ -f $work/home/.local/share/tessaron/TESSARON.MDB ]] || fail "the purge removed the user's store"
echo "PASS"
