#!/usr/bin/env bash
# Brings up a local CUPS server with a PDF queue "PDF" as the server's default printer, so that
# the window's "Print" button has a real printer to talk to. Run as root; safe to run again.
# Usage: setup-cups.sh [OUTPUT_DIR]. The queue writes its PDFs into OUTPUT_DIR (default
# /var/spool/cups-pdf/moltherm), a folder of its own: cups-pdf names files by job number, and
# a fresh server numbers jobs from 1 again, so a shared folder would have new PDFs overwrite
# old ones of the same name.
set -uo pipefail
out_dir=${1:-/var/spool/cups-pdf/moltherm}

fail() {
    echo "setup-cups: $*" >&2
    exit 1
}

[[ $(id -u) -eq 0 ]] || fail "must run as root (starts cupsd and adds a queue)"
for tool in cupsd lpstat lpadmin; do
    command -v "$tool" >/dev/null 2>&1 || [[ -x /usr/sbin/$tool ]] ||
        fail "$tool not found; install cups and cups-client (scripts/install-deps.sh test)"
done
export PATH="$PATH:/usr/sbin"
ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
[[ -e /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ]] ||
    fail "cups-pdf driver missing; install printer-driver-cups-pdf"

[[ $out_dir == /* && $out_dir != *[[:space:]]* ]] ||
    fail "the output folder must be an absolute path without blanks: $out_dir"
# Sticky and open to all, like /tmp: each job is written by its own user, mode 0600.
mkdir -p "$out_dir" && chmod 1777 "$out_dir" || fail "could not create $out_dir"
# The backend reads cups-pdf-<instance>.conf for the queue cups-pdf:/<instance>.
cat >/etc/cups/cups-pdf-moltherm.conf <<CONF || fail "could not write the cups-pdf settings"
Out $out_dir
Grp lpadmin
CONF

# The container refuses service starts, so cupsd is started directly; it daemonises itself.
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    mkdir -p /run/cups
    cupsd || fail "cupsd did not start"
    for _ in $(seq 1 100); do
        lpstat -r 2>/dev/null | grep -q 'is running' && break
        sleep 0.1
    done
    lpstat -r 2>/dev/null | grep -q 'is running' || fail "cupsd started but does not answer"
fi

if ! lpstat -v PDF >/dev/null 2>&1; then
    # lpadmin warns that printer drivers are deprecated; the warning is noise here.
    out=$(lpadmin -p PDF -v cups-pdf:/moltherm -m "$ppd" -E 2>&1) ||
        fail "could not create the PDF queue: ${out//$'\n'/ }"
fi
# An existing queue from an earlier set-up may still point at cups-pdf's shared folder.
lpadmin -p PDF -v cups-pdf:/moltherm || fail "could not point the PDF queue at its folder"
# pdftocairo keeps the text of the PDF as real text (pdftotext can read it back).
lpadmin -p PDF -o pdftops-renderer-default=pdftocairo || fail "could not set the PDF renderer"
cupsenable PDF 2>/dev/null || /usr/sbin/cupsenable PDF 2>/dev/null || true
cupsaccept PDF 2>/dev/null || /usr/sbin/cupsaccept PDF 2>/dev/null || true
lpadmin -d PDF || fail "could not make PDF the default printer"

lpstat -d 2>/dev/null | grep -q 'destination: PDF' || fail "PDF is not the default printer"
