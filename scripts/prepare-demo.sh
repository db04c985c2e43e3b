#!/usr/bin/env bash
# Prepares a demo emulator directory with the emulator test double and a
# catalogue of a few dozen games, and a program directory that points at it.
# Usage: prepare-demo.sh <build directory> <demo directory>
set -euo pipefail

build=$1
demo=$2
emulator="$demo/mame/"
data="$demo/data/quorvex/"

mkdir -p "$emulator/roms" "$emulator/samples" "$data"
cp "$build/tools/fake-emulator/mame" "$emulator/mame"

# The hand-written families (clones, Neo Geo games, games with samples) and
# some generated ones.
source_dir=$(cd "$(dirname "$0")/.." && pwd)
{
  cat "$source_dir/tools/fake-emulator/catalogue.txt"
  "$emulator/mame" --generate-catalogue 36 2026 | grep -v -e '^#' -e '^@' -e '^neogeo	'
} > "$emulator/catalogue.txt"

# The companion texts with history and known issues of the hand-written games.
for companion in history.dat mameinfo.dat; do
  [ -f "$emulator/$companion" ] || cp "$source_dir/tools/fake-emulator/$companion" "$emulator/$companion"
done

# A few ROM and sample zips to scan, in a folder of their own.
zips="$demo/zips"
mkdir -p "$zips/roms" "$zips/samples"
if command -v zip >/dev/null; then
  work=$(mktemp -d)
  # Tabs in a row would fold together in "read", so awk picks the columns.
  grep -v -e '^#' -e '^@' "$emulator/catalogue.txt" |
    awk -F'\t' '(NR % 2 == 1 || $1 == "neogeo" || $9 != "") { print $1 "|" $8 "|" $9 }' |
    while IFS='|' read -r name roms samples; do
      rm -f "$work"/*
      IFS=',' read -ra files <<< "$roms"
      for file in "${files[@]}"; do [ -n "$file" ] && echo "$name $file" > "$work/$file"; done
      (cd "$work" && zip -q -j "$zips/roms/$name.zip" ./* 2>/dev/null) || true
      if [ -n "${samples:-}" ]; then
        rm -f "$work"/*
        IFS=',' read -ra files <<< "$samples"
        for file in "${files[@]}"; do [ -n "$file" ] && echo "$file" > "$work/$file"; done
        (cd "$work" && zip -q -j "$zips/samples/$name.zip" ./* 2>/dev/null) || true
      fi
    done
  rm -rf "$work"
fi

# Cheats for a few games, one per line, as the emulator's cheat file holds them.
if [ ! -f "$emulator/cheat.dat" ]; then
  printf '%s\r\n' \
    '; Cheats of the demo games: game:cpu:address:data:type:description' \
    'galaxyq:0:4E14:06:0:Infinite Lives' \
    'galaxyq:0:4E0E:F4:0:Always Stage 1' \
    'galaxyq:0:4C00:FF:1:Speed: Fast' \
    'starblst:0:9820:05:0:Infinite Ships' \
    'ghostrn:0:C0A2:09:0:Invincibility' \
    'ninjaz:1:E004:63:0:Infinite Shuriken' > "$emulator/cheat.dat"
fi

if [ ! -f "$data/quorvex.qvx" ]; then
  printf ' +:MAME_DIR:%s:+\xa7\r\n' "$emulator" > "$data/quorvex.qvx"
fi
echo "Demo emulator directory: $emulator"
echo "Demo ROM and sample zips to scan: $zips"
