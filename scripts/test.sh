#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# Pass --sanitize to build and test with AddressSanitizer and
# UndefinedBehaviorSanitizer instead (the benchmarks are left out there: they
# are not tests, and the sanitized build is the slow one).
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/tests
options=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build/sanitize
  options+=(-DQUORVEX_SANITIZE=ON -DQUORVEX_BUILD_BENCH=OFF)
  # Any report fails the test that caused it.
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
fi
command -v ccache >/dev/null && options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

bash scripts/install-packages.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
cmake --build "$build" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
