#!/usr/bin/env bash
# Installs a built tree into a temporary prefix, validates the desktop entry
# and the AppStream metainfo, starts the installed program once on the demo
# data, and plays a game with it on a virtual display, with nothing added to
# PATH.
# Usage: check-install.sh <build directory>
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/tests}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/quorvex libexec/quorvex/nconvert \
            share/applications/org.quorvex.Quorvex.desktop \
            share/metainfo/org.quorvex.Quorvex.metainfo.xml \
            share/icons/hicolor/48x48/apps/org.quorvex.Quorvex.png \
            share/icons/hicolor/256x256/apps/org.quorvex.Quorvex.png; do
  [ -e "$prefix/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done
desktop-file-validate "$prefix/share/applications/org.quorvex.Quorvex.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.quorvex.Quorvex.metainfo.xml"

# A first start on the demo data: the program has to write its data files and
# be alive, waiting for its user at the first message, when the time is up.
demo="$prefix/demo"
bash scripts/prepare-demo.sh "$build" "$demo" >/dev/null
status=0
env -i HOME="$prefix" PATH=/usr/bin:/bin XDG_DATA_HOME="$demo/data" QT_QPA_PLATFORM=offscreen \
  timeout 20 "$prefix/bin/quorvex" >/dev/null 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
  echo "the installed program ended early (exit status $status)" >&2
  exit 1
fi
grep -aq '+:GAMES_COUNT:' "$demo/data/quorvex/mamegame.qvx" || {
  echo "the installed program wrote no game database" >&2
  exit 1
}
# A play from the installed program, driven by its keyboard.
played="$prefix/played"
bash scripts/prepare-demo.sh "$build" "$played" >/dev/null
xvfb-run -a -s "-screen 0 1600x1000x24" bash scripts/play-installed.sh "$prefix" "$played"
echo "install check passed"
