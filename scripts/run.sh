#!/usr/bin/env bash
# Sets up everything, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j2
exec build/release/tests/pelvoro_core_tests --gtest_brief=1 "$@"
