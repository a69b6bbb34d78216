#!/usr/bin/env bash
# Sets up everything, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}"
scripts/fonts.sh

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DPELVORO_BUILD_TESTS=OFF -DPELVORO_BUILD_BENCH=OFF
cmake --build build/release -j2

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: built build/release/program/pelvoro; start it from a desktop session (no DISPLAY is set)" >&2
  exit 1
fi
source scripts/sound-server.sh
exec build/release/program/pelvoro "$@"
