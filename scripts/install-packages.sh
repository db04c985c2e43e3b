#!/usr/bin/env bash
# Installs the Debian packages Quorvex needs to build, test and run.
# Pass --ci for the tools of the continuous integration as well: clang with
# libFuzzer for the fuzz targets, MinGW-w64 for the Windows compile check, the
# validators of the desktop entry and the AppStream metainfo, and xdotool to
# play a game with the installed program.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libzip-dev zip unzip libexpat1-dev
  qt6-base-dev qt6-multimedia-dev libgl-dev libvulkan-dev
  xvfb xauth
  mame
)
if [ "${1:-}" = "--ci" ]; then
  packages+=(clang libclang-rt-14-dev g++-mingw-w64-x86-64-posix desktop-file-utils appstream xdotool)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
