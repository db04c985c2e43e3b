#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each for a bounded time, starting
# from its seeds in fuzz/corpus/<name>/. Fails on any crash, hang, leak or
# sanitizer report; the input that caused it is kept in build/fuzz/artifacts/.
#
# Usage: fuzz.sh [--seconds N] [--jobs N] [target ...]
#   --seconds  time per target (default $FUZZ_SECONDS or 30)
#   --jobs     targets run side by side (default the number of processors)
#   target     names without "fuzz_" (default every target)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-30}
jobs=$(nproc)
targets=()
while [ $# -gt 0 ]; do
  case $1 in
    --seconds) seconds=$2; shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done

build=build/fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVEX_BUILD_FUZZ=ON -DQUORVEX_BUILD_UI=OFF -DQUORVEX_BUILD_TESTS=OFF \
  -DQUORVEX_BUILD_BENCH=OFF -DQUORVEX_BUILD_TOOLS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"

if [ ${#targets[@]} -eq 0 ]; then
  for binary in "$build"/fuzz/fuzz_*; do
    targets+=("$(basename "$binary" | sed 's/^fuzz_//')")
  done
fi

logs=$build/logs
artifacts=$build/artifacts
mkdir -p "$logs" "$artifacts"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

run_target() {
  local name=$1
  local work=$build/corpus/$name
  local seeds=fuzz/corpus/$name
  mkdir -p "$work"
  [ -d "$seeds" ] || { echo "fuzz: no seeds in $seeds" >"$logs/$name.log"; return 1; }
  # New inputs go to the working corpus; the seeds in the repository stay as they are.
  "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 -artifact_prefix="$artifacts/$name-" \
    "$work" "$seeds" >"$logs/$name.log" 2>&1
}

failed=()
running=0
declare -A pids
for name in "${targets[@]}"; do
  if [ ! -x "$build/fuzz/fuzz_$name" ]; then
    echo "fuzz: no target named $name" >&2
    failed+=("$name")
    continue
  fi
  run_target "$name" &
  pids[$name]=$!
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n || true
    running=$((running - 1))
  fi
done

total=0
for name in "${!pids[@]}"; do
  if ! wait "${pids[$name]}"; then
    failed+=("$name")
  fi
done
for name in "${targets[@]}"; do
  log=$logs/$name.log
  [ -f "$log" ] || continue
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  runs=${runs:-0}
  total=$((total + runs))
  printf 'fuzz: %-14s %12s executions in %ss\n' "$name" "$runs" "$seconds"
done
echo "fuzz: ${#targets[@]} targets, $total executions"

if [ ${#failed[@]} -gt 0 ]; then
  for name in "${failed[@]}"; do
    echo "fuzz: $name FAILED; the end of its log ($logs/$name.log):" >&2
    [ -f "$logs/$name.log" ] && tail -n 40 "$logs/$name.log" >&2
  done
  exit 1
fi
