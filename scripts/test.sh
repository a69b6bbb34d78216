#!/usr/bin/env bash
# Sets up everything, builds the sanitized test build and runs every test.
# The window tests run on Qt's offscreen platform: no display, no sound server.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
scripts/fonts.sh

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DPELVORO_SANITIZE=ON -DPELVORO_WERROR=ON
cmake --build build/test -j2
ctest --test-dir build/test --output-on-failure -j2
