# Functions for a local CUPS server with cups-pdf queues, sourced by scripts/setup-cups.sh (the
# user's "PDF" printer) and tests/support/test-printer.sh (the tests' own queue). Run as root.

cups_fail() {
    echo "${0##*/}: $*" >&2
    exit 1
}

# Whether the CUPS tools and the cups-pdf driver are installed.
cups_installed() {
    export PATH="$PATH:/usr/sbin"
    command -v cupsd >/dev/null && command -v lpstat >/dev/null && command -v lpadmin >/dev/null &&
        [[ -e /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ]]
}

cups_running() {
    lpstat -r 2>/dev/null | grep -q 'is running'
}

# The container refuses service starts, so cupsd is started directly; it daemonises itself.
cups_start_server() {
    cups_running && return 0
    mkdir -p /run/cups
    cupsd || cups_fail "cupsd did not start"
    for _ in $(seq 1 100); do
        cups_running && return 0
        sleep 0.1
    done
    cups_fail "cupsd started but does not answer"
}

# cups_add_pdf_queue QUEUE INSTANCE OUTPUT_DIR: a queue whose PDFs land in OUTPUT_DIR. The
# cups-pdf backend reads /etc/cups/cups-pdf-INSTANCE.conf for the device cups-pdf:/INSTANCE, so
# each instance writes to a folder of its own and no other queue's folder changes.
cups_add_pdf_queue() {
    local queue=$1 instance=$2 out_dir=$3 out
    [[ $out_dir == /* && $out_dir != *[[:space:]]* ]] ||
        cups_fail "the output folder must be an absolute path without blanks: $out_dir"
    # Sticky and open to all, like /tmp: each job is written by its own user, mode 0600.
    mkdir -p "$out_dir" && chmod 1777 "$out_dir" || cups_fail "could not create $out_dir"
    printf 'Out %s\nGrp lpadmin\n' "$out_dir" >"/etc/cups/cups-pdf-$instance.conf" ||
        cups_fail "could not write /etc/cups/cups-pdf-$instance.conf"
    if ! lpstat -v "$queue" >/dev/null 2>&1; then
        # lpadmin warns that printer drivers are deprecated; the warning is noise here.
        out=$(lpadmin -p "$queue" -v "cups-pdf:/$instance" -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
            -E 2>&1) || cups_fail "could not create the queue $queue: ${out//$'\n'/ }"
    fi
    # An existing queue from an earlier set-up may still point at another instance.
    lpadmin -p "$queue" -v "cups-pdf:/$instance" || cups_fail "could not point $queue at its folder"
    # pdftocairo keeps the text of the PDF as real text (pdftotext can read it back).
    lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo ||
        cups_fail "could not set the PDF renderer of $queue"
    cupsenable "$queue" 2>/dev/null || true
    cupsaccept "$queue" 2>/dev/null || true
}
