#!/usr/bin/env bash
# A cups-pdf virtual printer for the printing test.
#
#   cups_pdf_queue.sh setup QUEUE
#       starts cupsd when no scheduler runs (machines without systemd), adds
#       the queue QUEUE printing into PDF files, and prints
#       "outdir=<folder the PDF files appear in>" and, when it started one,
#       "cupsd_pid=<pid>". Exits 2 with "reason=<why>" where CUPS cannot run.
#   cups_pdf_queue.sh teardown QUEUE [CUPSD_PID]
#       removes the queue and stops the cupsd that setup started, unless
#       another test's queue still uses it.
#
# Every command is bounded by a timeout, so that a stuck scheduler fails the
# setup instead of hanging the test.
set -u

action=${1:-}
queue=${2:-}
skip() {
    echo "reason=$*"
    exit 2
}

scheduler_running() {
    timeout 5 lpstat -r 2>/dev/null | grep -q "is running"
}

case "$action" in
setup)
    [ -n "$queue" ] || skip "no queue name given"
    for tool in cupsd lpadmin lpstat; do
        command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (packages cups, cups-bsd)"
    done
    [ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed (printer-driver-cups-pdf)"
    ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
    [ -f "$ppd" ] || skip "the cups-pdf driver $ppd is missing"

    if ! scheduler_running; then
        [ "$(id -u)" -eq 0 ] || skip "no CUPS scheduler runs and only root may start one"
        setsid cupsd -f </dev/null >/dev/null 2>&1 &
        pid=$!
        for _ in $(seq 50); do
            scheduler_running && break
            sleep 0.2
        done
        scheduler_running || {
            kill "$pid" 2>/dev/null
            skip "cupsd did not start"
        }
        echo "cupsd_pid=$pid"
    fi
    timeout 20 lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" >/dev/null 2>&1 ||
        skip "lpadmin could not add the queue $queue (printer administration needs root or lpadmin rights)"

    # cups-pdf writes into the folder of its "Out" setting, ${HOME}/PDF unless set.
    out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
    out=${out:-'${HOME}/PDF'}
    out=${out//\$\{HOME\}/$HOME}
    out=${out//\$\{USER\}/$(id -un)}
    echo "outdir=$out"
    ;;
teardown)
    [ -n "$queue" ] && timeout 20 lpadmin -x "$queue" >/dev/null 2>&1
    pid=${3:-}
    if [ -n "$pid" ] && ! timeout 5 lpstat -p 2>/dev/null | grep -q "TracolTest"; then
        kill "$pid" 2>/dev/null
    fi
    exit 0
    ;;
*)
    echo "usage: $0 setup QUEUE | teardown QUEUE [CUPSD_PID]" >&2
    exit 1
    ;;
esac
