#!/usr/bin/env bash
# Sets up, builds the calculator with its help and the installer, and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/prepare.sh
ovalto_prepare

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j"$(nproc)" --target Ovalto4 Ovalto4Setup

program=build/release/Ovalto4/Ovalto4
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display to show the calculator on."
  echo "Start it on a virtual one instead (apt-get install xvfb):"
  echo "  xvfb-run -a -s '-screen 0 1280x1024x24' $program"
  exit 1
fi
exec "$program"
