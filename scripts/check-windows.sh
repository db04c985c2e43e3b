#!/usr/bin/env bash
# Compiles every source of the Qt-free core with MinGW-w64 (syntax only), so
# that the Windows branches of the platform layer keep compiling on a Linux
# machine. The wrappers of outside libraries (libzip, expat) are left out when
# no Windows headers of that library are at hand.
set -euo pipefail
cd "$(dirname "$0")/.."

compiler=${MINGW_CXX:-x86_64-w64-mingw32-g++-posix}
if ! command -v "$compiler" >/dev/null; then
  echo "check-windows: $compiler is not installed" >&2
  exit 1
fi

flags=(-std=c++20 -fsyntax-only -Wall -Wextra -Werror -Isrc
       -DNOMINMAX -DWIN32_LEAN_AND_MEAN -D_CRT_SECURE_NO_WARNINGS)
# Outside libraries whose Windows headers may be missing here.
missing_headers=()
for header in zip.h expat.h; do
  if ! echo "#include <$header>" | "$compiler" -x c++ -fsyntax-only - 2>/dev/null; then
    missing_headers+=("$header")
  fi
done

mapfile -t sources < <(find src -name '*.cpp' -not -path 'src/ui/*' -not -path 'src/app/*' | sort)
checked=()
for source in "${sources[@]}"; do
  skip=no
  for header in "${missing_headers[@]}"; do
    if grep -q "#include <$header>" "$source"; then
      echo "check-windows: skipped $source (no Windows headers for <$header>)"
      skip=yes
    fi
  done
  [ "$skip" = yes ] || checked+=("$source")
done

# One compiler per processor; each failure prints its errors and its name.
# (The output is kept and printed afterwards: reopening /dev/stderr would
# truncate a log file it is redirected to.)
output=$(printf '%s\n' "${checked[@]}" |
  xargs -P "$(nproc)" -I{} sh -c '"$0" "$@" {} || echo "check-windows: FAILED {}"' \
    "$compiler" "${flags[@]}" 2>&1 || true)
[ -n "$output" ] && printf '%s\n' "$output" >&2
failures=$(printf '%s\n' "$output" | grep -c '^check-windows: FAILED' || true)
echo "check-windows: ${#checked[@]} sources compiled, $failures failed"
[ "$failures" -eq 0 ]
