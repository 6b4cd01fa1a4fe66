#!/usr/bin/env bash
# Checks the layout of every C++ file against .clang-format and runs clang-tidy (.clang-tidy) on
# every source file of the project. Usage: lint.sh [BUILD_DIR] (default build); clang-tidy needs
# the build folder's compile_commands.json and, for the Qt code, its generated files, so build
# first. Exits non-zero on any finding; with --tidy-advisory, clang-tidy's findings are printed
# but only clang-format's fail the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
advisory=false
if [[ ${1:-} == --tidy-advisory ]]; then
    advisory=true
    shift
fi
build=${1:-build}
jobs=$(nproc)

[[ -f $build/compile_commands.json ]] || {
    echo "lint.sh: no $build/compile_commands.json; configure and build first" >&2
    exit 2
}
# The project's own folders, never the generated files in the build folder.
folders='engine|chem|qcio|calc|report|cli|app|gui|tests|bench'
mapfile -t sources < <(find . -regextype egrep -regex "\./($folders)/.*\.(cpp|h)" | sort)

echo "== clang-format =="
clang-format --dry-run -Werror "${sources[@]}"

echo "== clang-tidy =="
# Only the files the build compiles (a header is checked through the files that include it).
printf '%s\n' "${sources[@]}" | grep '\.cpp$' | sed "s|^\./|$root/|" |
    grep -F -x -f <(grep -o '"file": "[^"]*"' "$build/compile_commands.json" | cut -d'"' -f4) |
    xargs -r -P "$jobs" -n 2 clang-tidy -p "$build" --quiet --header-filter="^$root/($folders)/" \
        2>&1 | { grep -v 'warnings\? generated\.$' || true; } || $advisory
