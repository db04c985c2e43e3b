#!/usr/bin/env bash
# Plays a game with an installed Quorvex as a user would, on an X display
# (run it under xvfb-run), and checks that the snapshot the emulator test
# double took was filed as a PCX picture: the installed picture converter
# has to be found with nothing added to PATH.
# Usage: play-installed.sh <install prefix> <demo directory from prepare-demo.sh>
set -euo pipefail
# The data files are not UTF-8: byte-wise matching.
export LC_ALL=C

prefix=$1
demo=$2
data="$demo/data/quorvex"
emulator="$demo/mame"
program="$prefix/bin/quorvex"

start_program() {
  env -i DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" HOME="$prefix" PATH=/usr/bin:/bin XDG_DATA_HOME="$demo/data" \
    "$program" >>"$demo/program.log" 2>&1 &
  pid=$!
}

stop_program() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

fail() {
  echo "$1" >&2
  stop_program
  exit 1
}

# The first start asks its questions and imports the catalogue; Enter
# answers each of them until the game database holds the games.
start_program
for _ in $(seq 60); do
  sleep 1
  grep -aq '+:GAMES_COUNT:[1-9]' "$data/mamegame.qvx" 2>/dev/null && break
  kill -0 "$pid" 2>/dev/null || fail "the installed program ended during its first start"
  xdotool key Return
done
grep -aq '+:GAMES_COUNT:[1-9]' "$data/mamegame.qvx" || fail "the first start imported no game"
stop_program

# One game with its ROM zip in the emulator's roms directory, linked as a
# scan would link it, and the game the window opens on.
game=
while IFS= read -r line; do
  raw=$(sed 's/^+:A:\([^:]*\):.*/\1/' <<<"$line")
  if [ "$raw" != neogeo ] && [ -f "$demo/zips/roms/$raw.zip" ] && ! grep -q '+:F:' <<<"$line"; then
    game=$line
    break
  fi
done < <(grep -a '^+:A:' "$data/mamegame.qvx")
[ -n "$game" ] || fail "the demo has no original game with a ROM zip"
description=$(sed 's/.*+:B:\([^:]*\):+.*/\1/' <<<"$game")
cp "$demo/zips/roms/$raw.zip" "$emulator/roms/"
sed -i "s|^+:A:$raw:+ +:B:$description:+|& +:C:$emulator/roms/$raw.zip:+|" "$data/mamegame.qvx"
sed -i "s|+:LAST_GAME_SELECTION:[^:]*:+||; s|\xA7\r\$| +:LAST_GAME_SELECTION:$description:+\xA7\r|" \
  "$data/quorvex.qvx"

# Enter plays the game that is current when the window opens; pressed again
# when a slow machine had not shown the window yet.
start_program
snapshot=
for second in $(seq 60); do
  sleep 1
  kill -0 "$pid" 2>/dev/null || fail "the installed program ended at its second start"
  # Filed snapshots go to "snapshot", numbered; "snap" only holds the
  # emulator's own pictures while they are converted.
  snapshot=$(find "$emulator/snapshot" -name "$raw[0-9][0-9][0-9].pcx" -print -quit)
  [ -n "$snapshot" ] && break
  if [ $((second % 10)) -eq 3 ] && xdotool getwindowfocus getwindowname | grep -q Quorvex; then
    xdotool key Return
  fi
done
stop_program
[ -n "$snapshot" ] || fail "no snapshot of $raw was filed as PCX"
[ "$(head -c 1 "$snapshot" | od -An -tx1 | tr -d ' ')" = 0a ] || fail "$snapshot is no PCX picture"
echo "the installed program played $description and filed $snapshot"
