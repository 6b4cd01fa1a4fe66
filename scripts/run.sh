#!/usr/bin/env bash
# Builds moltherm and starts its window (installs the Debian packages it needs when missing).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh gui
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target moltherm moltherm-cli
exec build/gui/moltherm "$@"
