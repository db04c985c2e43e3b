#!/usr/bin/env bash
# Installs what is missing, builds Quorvex and starts it. When no emulator is
# configured yet, Quorvex starts on a demo emulator directory (the emulator
# test double with a few dozen games), in a program directory of its own.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/app
bash scripts/install-packages.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEX_BUILD_TESTS=OFF \
      -DQUORVEX_BUILD_BENCH=OFF
cmake --build "$build" -j"$(nproc)"

program=$build/src/app/quorvex
data_home=${XDG_DATA_HOME:-$HOME/.local/share}
state="$data_home/quorvex/quorvex.qvx"
[ -f quorvex.qvx ] && state=quorvex.qvx

configured=no
if [ -f "$state" ]; then
  dir=$(grep -a -o '+:MAME_DIR:[^:]*' "$state" | head -n 1 | sed 's/^+:MAME_DIR://')
  [ -n "$dir" ] && [ -e "${dir}mame" ] && configured=yes
fi

if [ "$configured" = yes ]; then
  exec "$program"
fi

demo=$(pwd)/build/demo
bash scripts/prepare-demo.sh "$build" "$demo"
export XDG_DATA_HOME="$demo/data"
exec "$program"
