#!/usr/bin/env bash
# Prints the machine's printer settings in a form to compare: the queues and where they print,
# the default printer, every cups-pdf instance's settings and the lpoptions files. The test
# command compares them before and after its run. The tests' own queues (moltherm-test-*), which
# a test run adds and removes again, are left out, so that another run at the same time does not
# count as a change.
set -uo pipefail
export PATH="$PATH:/usr/sbin"

if lpstat -r 2>/dev/null | grep -q 'is running'; then
    # Without PRINTER/LPDEST, as the machine's other programs see it.
    env -u PRINTER -u LPDEST lpstat -d 2>&1
    lpstat -v 2>&1 | grep -v '^device for moltherm-test' | sort
else
    echo "CUPS not running"
fi
for file in /etc/cups/cups-pdf-*.conf /etc/cups/lpoptions "$HOME/.cups/lpoptions"; do
    [[ -e $file && $file != /etc/cups/cups-pdf-moltherm-test* ]] || continue
    echo "$file: $(sha256sum <"$file" | cut -c1-16)"
done
