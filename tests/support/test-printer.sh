#!/usr/bin/env bash
# The printing tests' own CUPS PDF queue, so that a test run leaves the machine's printers, its
# default printer and their folders as they were. The tests find the queue through PRINTER.
#   test-printer.sh up QUEUE OUTPUT_DIR   starts cupsd if needed, adds QUEUE writing into
#                                          OUTPUT_DIR (not as the default printer)
#   test-printer.sh down QUEUE            removes QUEUE and its cups-pdf settings again
# QUEUE must start with "moltherm-test". Exits 77 (skipped) where it cannot work: not root, or
# CUPS not installed; the printing tests then say that no printer is there.
set -uo pipefail
source "$(dirname "$0")/../../scripts/cups-pdf-queue.sh"
action=${1:-} queue=${2:-}

[[ ($action == up && $# -eq 3) || ($action == down && $# -eq 2) ]] ||
    cups_fail "usage: $0 up QUEUE OUTPUT_DIR | down QUEUE"
[[ $queue =~ ^moltherm-test[-A-Za-z0-9_]*$ ]] || cups_fail "not a test queue: $queue"
if [[ $(id -u) -ne 0 ]] || ! cups_installed; then
    echo "test-printer: needs root and CUPS with cups-pdf (scripts/install-deps.sh test)"
    exit 77
fi

case $action in
  up)
    cups_start_server
    cups_add_pdf_queue "$queue" "$queue" "$3"
    ;;
  down)
    if cups_running && lpstat -v "$queue" >/dev/null 2>&1; then
        lpadmin -x "$queue" || cups_fail "could not remove the queue $queue"
    fi
    rm -f "/etc/cups/cups-pdf-$queue.conf" "/var/log/cups/cups-pdf-${queue}_log"
    ! lpstat -v "$queue" >/dev/null 2>&1 || cups_fail "the queue $queue is still there"
    ;;
esac
