#!/usr/bin/env bash
# Runs a command with a CUPS scheduler of its own: a cupsd on a private socket
# with one cups-pdf queue as its default, writing into an empty folder. The
# command gets CUPS_SERVER and TESSARON_PRINT_OUT; the scheduler goes with it.
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
mkdir -p "$dir"/{etc/ppd,spool/tmp,state,cache,log,out}
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
unset PRINTER LPDEST
export TESSARON_PRINT_OUT="$dir/out"
"$@"
