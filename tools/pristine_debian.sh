#!/usr/bin/env bash
# Tries the README's two commands as a newcomer would: on a pristine Debian 12 root made
# with debootstrap, as an ordinary user with sudo, the folder cloned into the home with
# git installed through sudo first. A machine that already has the packages hides a
# missing install step; this does not. Prints each stage's time and result, and what
# the tests left in /tmp. Takes about half an hour on two cores; not part of CI.
#
#     sudo bash tools/pristine_debian.sh [ROOT]       (default: /var/tmp/tessaron-pristine)
#
# Needs root (debootstrap, chroot, mounts) and the machine's Debian archive. The root is
# made anew each time and removed at the end, unless TESSARON_KEEP_ROOT=1.
set -euo pipefail
checkout=$(cd "$(dirname "$0")/.." && pwd)
target=${1:-/var/tmp/tessaron-pristine}
user=newcomer
logs=$(mktemp -d /tmp/tessaron-pristine-logs.XXXXXX)

say() { printf 'pristine: %s\n' "$*"; }
if [[ $(id -u) -ne 0 ]]; then
    say "run this as root: it makes a Debian root with debootstrap and mounts into it" >&2
    exit 2
fi

# Signals the processes that run inside the root, those named NAME, or all of them.
signal_inside() { # signal_inside SIGNAL [NAME]
    local proc pid
    for proc in /proc/[0-9]*; do
        pid=${proc#/proc/}
        [[ $(readlink "$proc/root" 2>/dev/null) == "$target" ]] || continue
        [[ -z ${2:-} || $(cat "$proc/comm" 2>/dev/null) == "$2" ]] || continue
        kill "-$1" "$pid" 2>/dev/null || true
    done
}

mounted=()
xvfb=
cleanup() {
    [[ -z $xvfb ]] || kill "$xvfb" 2>/dev/null || true
    # A program or a test left running in the root would keep its mounts busy.
    signal_inside KILL
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -l "${mounted[i]}" 2>/dev/null || true
    done
    if [[ ${TESSARON_KEEP_ROOT:-0} != 1 ]]; then
        rm -rf --one-file-system "$target"
    fi
}
trap cleanup EXIT
mount_in() { # mount_in ARGS... DIR
    mount "$@"
    mounted+=("${!#}")
}

step() { # step NAME COMMAND...: runs, times and reports one step, its output in a log
    local name=$1 started=$SECONDS status=0
    shift
    last_log="$logs/${name//[^A-Za-z0-9]/-}.log"
    say "$name ..."
    "$@" >"$last_log" 2>&1 || status=$?
    printf 'pristine: %-40s %s in %d min %02d s\n' "$name" \
        "$([[ $status -eq 0 ]] && echo passed || echo "FAILED (status $status)")" \
        $(((SECONDS - started) / 60)) $(((SECONDS - started) % 60))
    return "$status"
}

command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap >/dev/null
command -v import >/dev/null || apt-get install -y -qq imagemagick >/dev/null # the screenshot
mirror=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n1)
mirror=${mirror:-http://deb.debian.org/debian}
rm -rf --one-file-system "$target"

step "debootstrap bookworm (minbase)" debootstrap --variant=minbase bookworm "$target" "$mirror"
if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
    cp /etc/apt/sources.list.d/debian.sources "$target/etc/apt/sources.list.d/"
    rm -f "$target/etc/apt/sources.list"
fi
cp /etc/resolv.conf "$target/etc/"
echo "127.0.1.1 $(hostname)" >>"$target/etc/hosts"
mount_in -t proc proc "$target/proc"
mount_in --bind /sys "$target/sys"
mount_in --bind /dev "$target/dev"
mount_in --bind /dev/pts "$target/dev/pts"
mount_in -t tmpfs -o mode=1777 shm "$target/dev/shm"

# The newcomer: an account with sudo, as on a desktop. The checkout is offered as a
# repository to clone, as a published one would be.
step "a user with sudo" chroot "$target" sh -c "apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq sudo >/dev/null &&
    useradd -m -s /bin/bash $user && echo '$user ALL=(ALL) NOPASSWD:ALL' >/etc/sudoers.d/$user"
git clone -q --bare "$checkout" "$target/srv/tessaron.git"
chroot "$target" chown -R "$user:" /srv/tessaron.git # git refuses a repository of another owner
as_user() { chroot "$target" su - "$user" -c "$1"; }
step "sudo apt install git && git clone" as_user \
    "sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -q git && git clone /srv/tessaron.git tessaron"

# The run command: a display as a desktop gives one (X's abstract socket reaches into
# the root); the program is up once its start-up window is mapped.
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
run_and_see() {
    as_user "cd tessaron && DISPLAY=$display bash scripts/run.sh" &
    local runner=$! deadline=$((SECONDS + 3600))
    until DISPLAY=$display xdotool search --onlyvisible --name 'Tessaron' >/dev/null 2>&1; do
        if ! kill -0 "$runner" 2>/dev/null; then
            wait "$runner"
            return 1
        fi
        ((SECONDS < deadline)) || return 1
        sleep 2
    done
    sleep 3
    DISPLAY=$display import -window root "$logs/run.png" 2>/dev/null || true
    signal_inside TERM tessaron
    wait "$runner" || true
}
step "bash scripts/run.sh (until a window shows)" run_and_see || true
grep '^tessaron: ' "$last_log" | sed 's/^/    /' || true

before=$(ls -A "$target/tmp")
step "bash scripts/test.sh" as_user "cd tessaron && bash scripts/test.sh" || true
grep -E '^tessaron: |tests passed|tests failed|\*\*\*Failed|Failed  ' "$last_log" |
    sed 's/^/    /' || true
# X servers keep their sockets' folders in /tmp, as on any desktop.
left=$(comm -13 <(sort <<<"$before") <(ls -A "$target/tmp" | sort) | grep -vx -e .X11-unix -e .ICE-unix || true)
if [[ -n $left ]]; then
    say "left in /tmp by the tests:"
    sed 's/^/    /' <<<"$left"
else
    say "nothing left in /tmp by the tests"
fi
say "logs, and a screenshot of the run command's window, in $logs"
