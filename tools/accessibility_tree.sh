#!/usr/bin/env bash
# Prints what a screen reader sees of the main window, through AT-SPI: each
# control's role, name, description, and whether Tab can reach it.
#
#     bash tools/accessibility_tree.sh [NAME]
#
# Starts build/tessaron (or $TESSARON_BUILD_DIR/tessaron) on a private Xvfb display
# with a private session bus, waits for the main window, types NAME (default
# "abc") into its box, and prints the tree. Installs the AT-SPI packages it
# needs when they are missing (as root).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${TESSARON_BUILD_DIR:-$root/build}/tessaron
name=${1:-abc}

needed=(at-spi2-core python3-pyatspi dbus xvfb xdotool)
missing=()
for p in "${needed[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [[ ${1:-} != --inside ]]; then
    exec dbus-run-session -- "$0" --inside "$name" 2>/dev/null
fi
name=$2

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
scratch=$(mktemp -d)
trap 'kill $xvfb "${app:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
export DISPLAY=$display QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME=$scratch
until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done
# The accessibility bus is up before the program starts, so the program finds it.
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)'
"$program" >/dev/null 2>&1 &
app=$!
# The About window stands for 10 seconds; its button leads on at once.
until xdotool search --name '^Tessaron v' >/dev/null 2>&1; do sleep 0.2; done
sleep 1
xdotool key Return
until [[ $(xdotool search --name '^Tessaron v' 2>/dev/null | wc -l) -ge 1 ]] &&
    /usr/bin/python3 - <<'PY'
import pyatspi, sys
desk = pyatspi.Registry.getDesktop(0)
apps = [desk.getChildAtIndex(i) for i in range(desk.childCount)]
sys.exit(0 if any(a and a.name == "tessaron" and a.childCount and
                  a.getChildAtIndex(0).childCount > 1 for a in apps) else 1)
PY
do sleep 0.2; done
xdotool type --delay 20 "$name"
sleep 0.5
/usr/bin/python3 - <<'PY'
import pyatspi

def walk(acc, depth):
    states = acc.getState()
    if not states.contains(pyatspi.STATE_SHOWING) and depth > 1:
        return  # closed menus
    line = "  " * depth + f"[{acc.getRoleName()}] {acc.name!r}"
    if acc.description:
        line += f"  description: {acc.description!r}"
    if states.contains(pyatspi.STATE_FOCUSABLE):
        line += "  (Tab)"
    if acc.getRoleName() == "label":
        try:
            action = acc.queryAction()
            names = [action.getName(i) for i in range(action.nActions)]
            if names:
                line += "  actions: " + ", ".join(names)
        except NotImplementedError:
            pass
    print(line)
    for i in range(acc.childCount):
        walk(acc.getChildAtIndex(i), depth + 1)

desk = pyatspi.Registry.getDesktop(0)
for i in range(desk.childCount):
    app = desk.getChildAtIndex(i)
    if app and app.name == "tessaron":
        for j in range(app.childCount):
            walk(app.getChildAtIndex(j), 0)
PY
