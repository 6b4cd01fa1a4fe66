#!/usr/bin/env bash
# Builds everything and runs every test: a normal build, then an AddressSanitizer/UBSan build.
# Installs the Debian packages it needs when they are missing, and brings up a local CUPS
# server with a PDF printer for the printing tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

bash scripts/install-deps.sh test
if [[ $(id -u) -eq 0 && -f scripts/setup-cups.sh ]]; then
    bash scripts/setup-cups.sh || echo "test.sh: no CUPS server; the printing tests will say why"
fi
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"

run_suite() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 300
}

echo "== normal build =="
run_suite build
echo "== sanitizer build (ASan + UBSan) =="
run_suite build-asan -DMOLTHERM_SANITIZE=ON -DMOLTHERM_BUILD_BENCH=OFF
