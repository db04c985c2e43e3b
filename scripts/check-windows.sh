#!/usr/bin/env bash
# Compiles every source of the Qt-free core with MinGW-w64 (syntax only), so
# that the Windows branches of the platform layer keep compiling on a Linux
# machine. The libzip wrapper is left out when no Windows libzip headers are
# at hand.
set -euo pipefail
cd "$(dirname "$0")/.."

compiler=${MINGW_CXX:-x86_64-w64-mingw32-g++-posix}
if ! command -v "$compiler" >/dev/null; then
  echo "check-windows: $compiler is not installed" >&2
  exit 1
fi

flags=(-std=c++20 -fsyntax-only -Wall -Wextra -Werror -Isrc
       -DNOMINMAX -DWIN32_LEAN_AND_MEAN -D_CRT_SECURE_NO_WARNINGS)
have_libzip=no
if echo '#include <zip.h>' | "$compiler" -x c++ -fsyntax-only - 2>/dev/null; then
  have_libzip=yes
fi

mapfile -t sources < <(find src -name '*.cpp' -not -path 'src/ui/*' -not -path 'src/app/*' | sort)
checked=()
for source in "${sources[@]}"; do
  if [ "$have_libzip" = no ] && grep -q '#include <zip.h>' "$source"; then
    echo "check-windows: skipped $source (no Windows libzip headers)"
    continue
  fi
  checked+=("$source")
done

# One compiler per processor; each failure prints its errors and its name.
failures=$(printf '%s\n' "${checked[@]}" |
  xargs -P "$(nproc)" -I{} sh -c '"$0" "$@" {} || echo "check-windows: FAILED {}" >&2' \
    "$compiler" "${flags[@]}" 2>&1 | tee /dev/stderr | grep -c '^check-windows: FAILED' || true)
echo "check-windows: ${#checked[@]} sources compiled, $failures failed"
[ "$failures" -eq 0 ]
