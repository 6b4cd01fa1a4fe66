#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing,
# so that repeated runs cost nothing. Usage: install-deps.sh [build|gui|test]
set -euo pipefail
what=${1:-test}

# Qt Charts does not configure without the OpenGL development files.
packages=(cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
          libcli11-dev libeigen3-dev qt6-base-dev qt6-charts-dev libqt6opengl6-dev
          qt6-svg-dev)
display=(xvfb xauth fonts-dejavu-core fonts-urw-base35)
case "$what" in
  build) ;;
  gui) packages+=("${display[@]}") ;;
  # The window under a real window manager (openbox), driven and inspected from outside
  # (xdotool, xprop from x11-utils, imagemagick for screenshots); printing to a CUPS PDF queue
  # read back with poppler-utils; the lint tools.
  test) packages+=("${display[@]}" x11-utils xdotool openbox imagemagick
                   cups cups-client printer-driver-cups-pdf poppler-utils clang-tidy clang-format) ;;
  *) echo "usage: $0 [build|gui|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
