#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# Pass --sanitize to build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/tests
options=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build/sanitize
  options+=(-DQUORVEX_SANITIZE=ON)
fi

bash scripts/install-packages.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
cmake --build "$build" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
