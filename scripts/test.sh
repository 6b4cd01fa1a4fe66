#!/usr/bin/env bash
# Builds everything and runs every test: a normal build, then an AddressSanitizer/UBSan build,
# then a Release (-O3) build of everything, which only has to build; warnings are errors in all
# three. Then the lint checks (scripts/lint.sh): clang-format's findings fail the run,
# clang-tidy's are printed (advisory until the tree is clean of them). Installs the Debian packages it needs when they
# are missing. The printing tests print to a CUPS PDF queue of their own, which they add and
# remove again; the machine's printer settings are checked to be the same afterwards.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

bash scripts/install-deps.sh test
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"

# The print server runs before the first look at the settings, so that both looks ask it.
source scripts/cups-pdf-queue.sh
if [[ $(id -u) -eq 0 ]] && cups_installed; then
    (cups_start_server) || echo "test.sh: no CUPS server; the printing tests will say why"
fi
printers_before=$(bash scripts/printer-settings.sh)
check_printer_settings() {
    local status=$? printers_after
    printers_after=$(bash scripts/printer-settings.sh)
    if [[ $printers_after != "$printers_before" ]]; then
        echo "test.sh: the test run changed the machine's printer settings:" >&2
        diff <(echo "$printers_before") <(echo "$printers_after") >&2 || true
        status=1
    fi
    exit $status
}
trap check_printer_settings EXIT

configure() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DMOLTHERM_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}
run_suite() {
    configure "$@"
    ctest --test-dir "$1" --output-on-failure -j "$jobs" --timeout 300
}

echo "== normal build =="
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOLTHERM_BUILD_BENCH=OFF
echo "== sanitizer build (ASan + UBSan) =="
run_suite build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOLTHERM_SANITIZE=ON \
    -DMOLTHERM_BUILD_BENCH=OFF
# What packagers build, and what the benchmarks are measured on; its tests are those above.
echo "== Release build, with the benchmarks =="
configure build-release -DCMAKE_BUILD_TYPE=Release
echo "== lint =="
if command -v clang-format >/dev/null && command -v clang-tidy >/dev/null; then
    bash scripts/lint.sh --tidy-advisory build
else
    echo "test.sh: clang-format or clang-tidy not installed; lint skipped"
fi
