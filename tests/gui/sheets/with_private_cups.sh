#!/usr/bin/env bash
# Runs a command with a CUPS scheduler of its own: a cupsd on a private socket
# with one cups-pdf queue as its default, writing into an empty folder, and four
# queues that do not print: one stopped, one that rejects jobs, and two whose
# device fails (one stops itself then, as queues do by default; the other gives
# the job up). The command gets CUPS_SERVER, TESSARON_PRINT_OUT and
# TESSARON_QUEUE (the good queue; the others are named after it with the
# suffixes Stopped, Rejecting, Failing, Aborting); the scheduler goes with it.
# Exits 77 (a skip) with the reason when the scheduler cannot run here.
set -uo pipefail
skip() { echo "SKIP: $*"; exit 77; }
[[ $(id -u) -eq 0 ]] || skip "a private cupsd with the cups-pdf backend needs root"
for tool in /usr/sbin/cupsd lpadmin lpstat; do
    command -v "$tool" >/dev/null || skip "$tool is missing (packages cups, printer-driver-cups-pdf)"
done
[[ -x /usr/lib/cups/backend/cups-pdf ]] || skip "the cups-pdf backend is missing"
ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null) || skip "the cups-pdf PPD is missing"

dir=$(mktemp -d /tmp/tessaron-cups.XXXXXX)
queue="TessaronTest$$"
conf="/etc/cups/cups-pdf-$queue.conf"
cleanup() {
    [[ -n ${cupsd_pid:-} ]] && kill -TERM "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
    rm -f "$conf"
    rm -rf "$dir"
}
trap cleanup EXIT
mkdir -p "$dir"/{etc/ppd,spool/tmp,state,cache,log,out,bin/backend}
# The scheduler's programs are the system's, with one device more: a backend that
# takes the page and fails, as a printer out of paper or unplugged does.
for part in /usr/lib/cups/*; do
    [[ $(basename "$part") == backend ]] || ln -s "$part" "$dir/bin/"
done
for backend in /usr/lib/cups/backend/*; do ln -s "$backend" "$dir/bin/backend/"; done
cat >"$dir/bin/backend/failing" <<'BACKEND'
#!/bin/sh
if [ $# -eq 0 ]; then echo 'direct failing "Unknown" "A device that fails"'; exit 0; fi
cat >/dev/null
echo "ERROR: the device does not answer" >&2
exit 1
BACKEND
chmod 755 "$dir/bin/backend/failing"
chmod 1777 "$dir/out"
chmod -R a+rx "$dir"
cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
StateDir $dir/state
CacheDir $dir/cache
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
ServerBin $dir/bin
Sandboxing Relaxed
CONF
cat >"$dir/etc/cupsd.conf" <<CONF
Listen $dir/cups.sock
Browsing No
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
CONF
# cups-pdf reads a file of its own for each device cups-pdf:/NAME.
printf 'Out %s\nAnonDirName %s\nGrp root\n' "$dir/out" "$dir/out" >"$conf"

/usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER="$dir/cups.sock"
for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -qx 'scheduler is running' && break
    sleep 0.05
done
lpstat -r 2>/dev/null | grep -qx 'scheduler is running' || skip "the private cupsd did not start: $(tail -3 "$dir/log/error_log" 2>/dev/null)"
lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P "$ppd" || skip "lpadmin could not add the queue"
lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo
lpadmin -d "$queue"
lpadmin -p "${queue}Stopped" -E -v "cups-pdf:/$queue" -P "$ppd" && cupsdisable "${queue}Stopped" &&
    lpadmin -p "${queue}Rejecting" -E -v "cups-pdf:/$queue" -P "$ppd" && cupsreject "${queue}Rejecting" &&
    lpadmin -p "${queue}Failing" -E -v failing:/ -P "$ppd" -o printer-error-policy=stop-printer &&
    lpadmin -p "${queue}Aborting" -E -v failing:/ -P "$ppd" -o printer-error-policy=abort-job ||
    skip "lpadmin could not add the queues that do not print"
unset PRINTER LPDEST
export TESSARON_PRINT_OUT="$dir/out" TESSARON_QUEUE="$queue"
"$@"
