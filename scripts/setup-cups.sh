#!/usr/bin/env bash
# Brings up a local CUPS server with a PDF queue "PDF" as the server's default printer, so that
# the window's "Print" button has a real printer to talk to. Run as root; safe to run again.
# Usage: setup-cups.sh [OUTPUT_DIR]. The queue writes its PDFs into OUTPUT_DIR (default
# /var/spool/cups-pdf/moltherm), a folder of its own: cups-pdf names files by job number, and
# a fresh server numbers jobs from 1 again, so a shared folder would have new PDFs overwrite
# old ones of the same name. The tests never run this: they print to a queue of their own.
set -uo pipefail
source "$(dirname "$0")/cups-pdf-queue.sh"
out_dir=${1:-/var/spool/cups-pdf/moltherm}

[[ $(id -u) -eq 0 ]] || cups_fail "must run as root (starts cupsd and adds a queue)"
cups_installed ||
    cups_fail "CUPS or cups-pdf missing; install cups cups-client printer-driver-cups-pdf"
cups_start_server
cups_add_pdf_queue PDF moltherm "$out_dir"
lpadmin -d PDF || cups_fail "could not make PDF the default printer"
lpstat -d 2>/dev/null | grep -q 'destination: PDF' || cups_fail "PDF is not the default printer"
