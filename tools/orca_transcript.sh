#!/usr/bin/env bash
# What the Orca screen reader says while the program is used from the keyboard.
#
#     bash tools/orca_transcript.sh [OPTIONS] SCENARIO [es|en]
#     bash tools/orca_transcript.sh [OPTIONS] all [es|en]
#     bash tools/orca_transcript.sh [OPTIONS] [--lang es|en] -- STEP...
#     bash tools/orca_transcript.sh --list
#
# Starts build/tessaron (or $TESSARON_BUILD_DIR/tessaron; it builds nothing) on a
# private Xvfb display with openbox, a private session bus, the AT-SPI bus and
# Orca, all in a scratch folder: the program runs from a copy there, with its
# own favourites store (a few names saved in it), settings and XDG folders, so
# nothing of the user's is read or changed. Then it sends the keys of a
# scenario, or the STEPs given, and prints what Orca said after each one (the
# "SPEECH OUTPUT" lines of Orca's debug file, in order):
#
#     == key ctrl+Left
#     abc-def
#
# After each step it asks the program, through AT-SPI, for its name. A program
# that does not answer within 3 seconds is reported as FROZEN, with its CPU use,
# and the run stops there (exit status 3); one that has gone is reported as
# EXITED (exit status 4). Everything started is ended on the way out, Ctrl+C
# included, and no wait lasts for ever.
#
# STEPs:
#     KEY           a key as xdotool names it: Tab, Return, ctrl+Left, alt+o, shift+Tab
#     KEY*N         that key N times, each labelled on its own
#     type:TEXT     TEXT typed
#     wait:SECONDS  nothing sent; what Orca says meanwhile (the About window's
#                   own ten seconds, for instance)
#     window:REGEX  nothing sent, nothing printed: a window whose title matches
#                   REGEX must be shown within 5 s, else the run stops as LOST
#                   (exit status 6), the last key not having arrived
# Every run starts with the start-up About window; a scenario's first step is
# the Return that leads on from it, and with STEPs that is up to you.
#
# OPTIONS:
#     --lang es|en  the language the program starts in (default es)
#     --raw         print each speech line as Orca logged it, with its voice
#     --keep DIR    keep Orca's debug file and the program's output in DIR
#     --list        list the scenarios with their steps
#
# Installs what it needs when missing (as root): orca, at-spi2-core, dbus,
# xvfb, xdotool, openbox, libglib2.0-bin (gdbus), python3 (the favourites).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSARON_BUILD_DIR:-$root/build}
program=$build/tessaron

usage() {
    sed -n '2,/^set -euo/p' "$0" | sed -e '$d' -e 's/^# \{0,1\}//'
    exit "${1:-2}"
}

# The scenarios, one word a step (no blanks in a step). Tab counts go once
# round each window's chain and back to where the focus started.
scenario_names=(main main-tab favourites-figures favourites-names compact about registers symbology)
scenario_steps() { # SCENARIO LANG
    local help=alt+a about='^Acerca.de' registers='^Nombre.a.registrar' symbology='^Simbologia$'
    if [[ $2 == en ]]; then
        help=alt+h about='^About.' registers='^Name.to.register' symbology='^Simbology$'
    fi
    case $1 in
    main) echo Return type:abc-def ctrl+Left ctrl+Right 'Tab*13' ;;
    # The same round without the word moves, which a text box may not survive.
    main-tab) echo Return type:abc-def 'Tab*13' ;;
    # Ctrl+F opens the window with no mode chosen and the focus on the first
    # link, the figure mode; the second is the name mode. In figure mode Down
    # picks in a list (left and come back to, to hear it with its pick) and
    # its button opens the address; in name mode Return
    # in the search box searches, and the third control after it steps to the
    # next name. Buttons are pressed with Space: outside dialogs Qt's buttons
    # do not take Return.
    favourites-figures) echo Return type:abc ctrl+f Return 'Tab*10' Tab Tab Down Down Tab shift+Tab Tab Tab space ;;
    favourites-names) echo Return type:abc ctrl+f Tab Return type:abc Return 'Tab*14' 'Tab*3' space space ;;
    compact) echo Return type:abc-def ctrl+r 'Tab*8' ;;
    # The start-up About window is read with nothing sent, then the one the
    # help menu's last item opens.
    about) echo wait:4 Return type:abc "$help" Up Return "window:$about" Tab wait:4 ;;
    registers) echo Return type:abc alt+r "window:$registers" 'Tab*8' ;;
    # Alt+O opens the options menu on its first item. Sent as the first key
    # after the main window appears it was lost three times in five, hence
    # the name typed first; window: says when it is lost all the same.
    symbology) echo Return type:abc alt+o Return "window:$symbology" 'Tab*9' ;;
    *) return 1 ;;
    esac
}

lang=es raw=0 keep='' explicit=0
while (($#)); do
    case $1 in
    --lang)
        lang=${2:-}
        shift 2 || usage
        ;;
    --raw)
        raw=1
        shift
        ;;
    --keep)
        keep=${2:-}
        shift 2 || usage
        ;;
    --list)
        for s in "${scenario_names[@]}"; do
            printf '%-19s %s\n' "$s" "$(scenario_steps "$s" es)"
        done
        exit 0
        ;;
    -h | --help) usage 0 ;;
    --)
        explicit=1
        shift
        break
        ;;
    -*) usage ;;
    *) break ;;
    esac
done
# Every scenario, each in a session of its own; the status is the last bad one.
if ((!explicit)) && [[ ${1:-} == all ]]; then
    (($# <= 2)) || usage
    worst=0
    for s in "${scenario_names[@]}"; do
        status=0
        options=()
        ((raw)) && options+=(--raw)
        [[ -n $keep ]] && options+=(--keep "$keep/$s-${2:-$lang}")
        # In the background, so that a signal here reaches the session that runs.
        bash "$0" "${options[@]}" --lang "${2:-$lang}" "$s" &
        child=$!
        trap 'kill -TERM "$child"; wait "$child"; exit 130' INT
        trap 'kill -TERM "$child"; wait "$child"; exit 143' TERM HUP
        wait "$child" || status=$?
        ((status)) && worst=$status
        echo
    done
    exit "$worst"
fi
steps=()
if ((explicit)); then
    (($#)) || usage
    steps=("$@")
    title="steps: $*"
else
    if (($# < 1 || $# > 2)) || ! scenario_steps "$1" es >/dev/null; then
        echo "orca_transcript: scenarios: ${scenario_names[*]}; or -- STEP..." >&2
        exit 2
    fi
    title=$1
    (($# == 2)) && lang=$2
    read -r -a steps <<<"$(scenario_steps "$title" "$lang")"
fi
case $lang in
es) language=spanish ;;
en) language=english ;;
*)
    echo "orca_transcript: the language is es or en, not '$lang'" >&2
    exit 2
    ;;
esac
if [[ ! -x $program ]]; then
    echo "orca_transcript: no program at $program: build it first (cmake --build build --target tessaron)" >&2
    exit 2
fi

needed=(orca at-spi2-core dbus xvfb xdotool openbox libglib2.0-bin python3 x11-utils)
missing=()
for p in "${needed[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    if ((EUID != 0)); then
        echo "orca_transcript: missing packages: ${missing[*]} (run as root to install them)" >&2
        exit 2
    fi
    DEBIAN_FRONTEND=noninteractive timeout 900 apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/orca-transcript.XXXXXX")
# Every process started from here on carries this mark in its environment, so
# the clean-up finds each one by its process id, even those that detach from
# their parent (bus daemons, the AT-SPI registry).
export TESSARON_ORCA_TRANSCRIPT=$scratch
pids=()

processes_of_this_run() {
    grep -lzxF "TESSARON_ORCA_TRANSCRIPT=$scratch" /proc/[0-9]*/environ 2>/dev/null |
        sed -n 's|^/proc/\([0-9]*\)/environ$|\1|p' | grep -vxF -e "$$" -e "$BASHPID"
}

cleaned=0
cleanup() {
    local status=$?
    # Every step of the clean-up is tried, whatever the one before it did.
    set +e
    ((cleaned)) && return
    cleaned=1
    # Not the shell's word on each process it sees killed.
    exec 2>/dev/null
    # A second signal does not cut the clean-up short.
    trap '' INT TERM HUP
    local -a left
    # Orca first, so it does not speak of the others going.
    [[ -n ${orca:-} ]] && kill "$orca"
    ((${#pids[@]})) && kill "${pids[@]}"
    mapfile -t left < <(processes_of_this_run)
    ((${#left[@]})) && kill "${left[@]}"
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        mapfile -t left < <(processes_of_this_run)
        ((${#left[@]})) || break
        sleep 0.3
    done
    # A frozen program, among others, does not end on SIGTERM.
    ((${#left[@]})) && kill -KILL "${left[@]}"
    if [[ -n $keep ]]; then
        if mkdir -p "$keep"; then
            cp "$scratch"/orca.debug "$scratch"/program.log "$scratch"/orca.log "$keep"/ 2>/dev/null || true
        fi
    fi
    rm -rf "$scratch"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

say() { printf '%s\n' "$*"; }
fail() {
    say "!! $*"
    exit 5
}

# wait_for SECONDS COMMAND...: runs COMMAND every 0.2 s until it succeeds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

# The program runs from a copy beside a store of its own: a store beside the
# program is the one it uses.
bin=$scratch/bin
mkdir -p "$bin" "$scratch/config" "$scratch/data" "$scratch/cache" "$scratch/runtime" "$scratch/orca"
chmod 700 "$scratch/runtime"
cp "$program" "$bin/tessaron"
cp "$build"/*.hlp "$bin/" 2>/dev/null || true
template=$build/install-store/TESSARON.MDB
[[ -f $template ]] || template=$build/TESSARON.MDB
[[ -f $template ]] || fail "no empty store at $build/install-store/TESSARON.MDB or $build/TESSARON.MDB"
cp "$template" "$bin/TESSARON.MDB"
# A few saved names, so the favourites window has something to read: each
# name in the families given, with the address the program itself forms.
seed=(abc:rc casa:rp xyz-1:t)
for entry in "${seed[@]}"; do
    name=${entry%%:*}
    families=${entry#*:}
    timeout 20 "$bin/tessaron" --codes "$name" | while IFS=$'\t' read -r family _code address; do
        if [[ $families == *"$family"* ]]; then
            printf '%s\t%s\t%s\n' "$address" "$name" "$family"
        fi
    done
done >"$scratch/seed.tsv"
/usr/bin/python3 - "$bin/TESSARON.MDB" "$scratch/seed.tsv" <<'PY' || fail "cannot fill the scratch store"
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("DELETE FROM AdrecaFig")
with open(sys.argv[2], encoding="utf-8") as rows:
    db.executemany("INSERT INTO AdrecaFig (Adreca, nom, figura) VALUES (?, ?, ?)",
                   (line.rstrip("\n").split("\t") for line in rows))
db.commit()
PY

# The browser the program finds first: it only notes the address.
cat >"$scratch/browser" <<'SH'
#!/bin/sh
printf '%s\n' "$*" >>"${0%/*}/browser.log"
SH
chmod +x "$scratch/browser"
export BROWSER=$scratch/browser
opened=0

export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
export XDG_CACHE_HOME=$scratch/cache XDG_RUNTIME_DIR=$scratch/runtime
# No dconf writes, no speech server: Orca logs what it would say all the same.
export GSETTINGS_BACKEND=memory SPEECHD_ADDRESS=unix_socket:$scratch/speechd.sock
export NO_AT_BRIDGE=0 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY SESSION_MANAGER
timeout 20 "$bin/tessaron" --language "$language" >/dev/null || fail "tessaron --language $language failed"

# A display of its own: Xvfb picks a free number and writes it. Without
# -noreset the server starts afresh whenever its last client leaves, and a
# client that comes in just then (openbox after xdpyinfo) is turned away.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$scratch/display" >/dev/null 2>&1 &
pids+=($!)
wait_for 10 test -s "$scratch/display" || fail "Xvfb did not start"
DISPLAY=:$(<"$scratch/display")
export DISPLAY
wait_for 10 xdpyinfo || fail "Xvfb display $DISPLAY does not answer"

# A session bus of its own, and the AT-SPI bus on it.
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$scratch/bus" >/dev/null 2>&1 &
pids+=($!)
wait_for 10 test -s "$scratch/bus" || fail "dbus-daemon did not start"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$scratch/bus")
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
a11y_address() {
    timeout 5 gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.a11y.Bus.GetAddress 2>/dev/null | sed -n "s/^('\(.*\)',)$/\1/p"
}
wait_for 10 test -n "$(a11y_address)" || fail "the AT-SPI bus did not start"
a11y=$(a11y_address)

# A window manager gives the focus to each new window, as a desktop does;
# without one a window that replaces another does not get the keys.
openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
pids+=($!)
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    fail "openbox did not start: $(head -c 300 "$scratch/openbox.log")"

# Orca first, as a user has it running before starting a program; it has
# started when it says so. Orca writes its debug file through an 8 KiB buffer,
# so what it says after a key would reach the file only later, in bursts;
# written to a terminal it comes line by line, so it gets one (script(1)),
# whose log is the debug file.
debug=$scratch/orca.debug
: >"$debug"
script --quiet --flush --return --command \
    "exec orca --replace --user-prefs $(printf %q "$scratch/orca") --debug-file=/dev/stdout" \
    "$debug" </dev/null >"$scratch/orca.log" 2>&1 &
orca=$!
started=$SECONDS
wait_for 60 grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$debug" ||
    fail "Orca did not start within 60 s (see --keep)"
orca_start=$((SECONDS - started))
sleep 1

offset=$(stat -c %s "$debug")
"$bin/tessaron" >"$scratch/program.log" 2>&1 &
app=$!
pids+=("$app")
started=$SECONDS
wait_for 30 xdotool search --name 'Tessaron v' || fail "no window of the program within 30 s"

# The program's name on the AT-SPI bus, to ask it whether it still answers.
app_bus_name() {
    local name pid
    for name in $(timeout 5 gdbus call --address "$a11y" --dest org.freedesktop.DBus \
        --object-path /org/freedesktop/DBus --method org.freedesktop.DBus.ListNames 2>/dev/null |
        grep -o "':[0-9.]*'" | tr -d "'"); do
        pid=$(timeout 5 gdbus call --address "$a11y" --dest org.freedesktop.DBus \
            --object-path /org/freedesktop/DBus \
            --method org.freedesktop.DBus.GetConnectionUnixProcessID "$name" 2>/dev/null |
            sed -n 's/^(uint32 \([0-9]*\),)$/\1/p')
        if [[ $pid == "$app" ]]; then
            echo "$name"
            return 0
        fi
    done
    return 1
}
wait_for 15 app_bus_name || fail "the program did not join the AT-SPI bus"
app_name=$(app_bus_name)

answers() {
    timeout 5 gdbus call --address "$a11y" --dest "$app_name" --timeout 3 \
        --object-path /org/a11y/atspi/accessible/root \
        --method org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name \
        >/dev/null 2>&1
}

cpu_percent() { # over one second
    local a b
    a=$(awk '{print $14 + $15}' "/proc/$app/stat" 2>/dev/null) || return 0
    sleep 1
    b=$(awk '{print $14 + $15}' "/proc/$app/stat" 2>/dev/null) || return 0
    echo $(((b - a) * 100 / $(getconf CLK_TCK)))
}

# Prints the speech Orca logged past byte OFFSET of its debug file.
speech_since() {
    tail -c +$(($1 + 1)) "$debug" | tr -d '\r' | { grep -a "SPEECH OUTPUT: '" || true; } | if ((raw)); then
        sed -e "s/^.*\(SPEECH OUTPUT: \)/\1/"
    else
        # SPEECH OUTPUT: 'TEXT'[ voice=KIND][ ]{ACSS}: TEXT, with the voice when
        # it is not the default one (uppercase, hyperlink, system).
        sed -E -n -e "s/^.*SPEECH OUTPUT: '(.*)' voice=([a-z]+) ?\{.*$/\1  [voice \2]/p" \
            -e "t" -e "s/^.*SPEECH OUTPUT: '(.*)' ?\{.*$/\1/p" -e "t" \
            -e "s/^.*SPEECH OUTPUT: '(.*)'$/\1/p"
    fi
}

# Waits until Orca has been quiet for 2.5 s (it can be silent about 2 s while it
# switches to a window that has just come up), at most 10 s.
settle() {
    local start=$SECONDS size last quiet=0
    last=$(stat -c %s "$debug")
    sleep 0.5
    while ((SECONDS - start < 10)); do
        sleep 0.25
        size=$(stat -c %s "$debug")
        if [[ $size == "$last" ]]; then
            quiet=$((quiet + 1))
            ((quiet >= 10)) && return 0
        else
            quiet=0
            last=$size
        fi
    done
}

# Presses a key as a person does: the modifiers held down around it ("xdotool key
# ctrl+Left" may let Ctrl go before Left, and Orca then hears a plain Left).
press() {
    local key=$1 mods=()
    while [[ $key == *+?* ]]; do
        mods+=("${key%%+*}")
        key=${key#*+}
    done
    local down=() up=() m
    for m in "${mods[@]}"; do down+=(keydown "$m"); done
    for ((i = ${#mods[@]} - 1; i >= 0; i--)); do up+=(keyup "${mods[i]}"); done
    timeout 10 xdotool "${down[@]}" key --delay 80 "$key" "${up[@]}"
}

# Checks that the program is still there and answers; stops the run if not.
check_program() {
    if ! kill -0 "$app" 2>/dev/null; then
        local status=0
        wait "$app" || status=$?
        say "!! EXITED: the program ended (status $status)"
        exit 4
    fi
    if ! answers; then
        local cpu
        cpu=$(cpu_percent)
        if ! answers; then
            say "!! FROZEN: the program does not answer AT-SPI within 3 s (twice), CPU ${cpu:-?} %"
            local state
            state=$(awk '{print $3}' "/proc/$app/stat" 2>/dev/null || echo '?')
            say "!! process $app state $state; ended with SIGKILL on the way out"
            exit 3
        fi
    fi
}

say "# $title, language $lang (Orca $(timeout 10 orca --version 2>/dev/null | sed 's/^orca //'), started in ${orca_start} s)"
say "== start"
settle
speech_since "$offset"
offset=$(stat -c %s "$debug")
check_program

for step in "${steps[@]}"; do
    count=1 key=$step
    if [[ $step =~ ^(.+)\*([0-9]+)$ ]]; then
        key=${BASH_REMATCH[1]} count=${BASH_REMATCH[2]}
    fi
    for ((n = 1; n <= count; n++)); do
        case $key in
        type:*)
            say "== type ${key#type:}"
            timeout 20 xdotool type --delay 60 -- "${key#type:}" || say "!! xdotool type failed"
            ;;
        wait:*)
            say "== wait ${key#wait:} s"
            sleep "${key#wait:}"
            ;;
        window:*)
            # A key that did not arrive (it happens to a menu's Alt key now
            # and then) would otherwise leave the rest of the scenario in the
            # wrong window.
            if ! wait_for 5 xdotool search --onlyvisible --name "${key#window:}"; then
                say "!! LOST: no window whose title matches '${key#window:}' within 5 s"
                exit 6
            fi
            continue
            ;;
        *)
            if ((count > 1)); then say "== key $key ($n)"; else say "== key $key"; fi
            press "$key" || say "!! xdotool key failed"
            ;;
        esac
        settle
        speech_since "$offset" >"$scratch/said"
        if [[ -s $scratch/said ]]; then cat "$scratch/said"; else say "(nothing said)"; fi
        if [[ -f $scratch/browser.log ]]; then
            tail -n +$((opened + 1)) "$scratch/browser.log" | sed 's/^/(browser opened: /; s/$/)/'
            opened=$(wc -l <"$scratch/browser.log")
        fi
        offset=$(stat -c %s "$debug")
        check_program
    done
done
say "== end: the program answered after every step"
