#!/usr/bin/env bash
# Brings up a local CUPS server with a PDF queue "PDF" as the server's default printer, so that
# the window's "Print" button has a real printer to talk to. Run as root; safe to run again.
# PDFs land in $HOME/PDF of the job's user (/root/PDF for root).
set -uo pipefail

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
    out=$(lpadmin -p PDF -v cups-pdf:/ -m "$ppd" -E 2>&1) ||
        fail "could not create the PDF queue: ${out//$'\n'/ }"
fi
# pdftocairo keeps the text of the PDF as real text (pdftotext can read it back).
lpadmin -p PDF -o pdftops-renderer-default=pdftocairo || fail "could not set the PDF renderer"
cupsenable PDF 2>/dev/null || /usr/sbin/cupsenable PDF 2>/dev/null || true
cupsaccept PDF 2>/dev/null || /usr/sbin/cupsaccept PDF 2>/dev/null || true
lpadmin -d PDF || fail "could not make PDF the default printer"

lpstat -d 2>/dev/null | grep -q 'destination: PDF' || fail "PDF is not the default printer"
