#!/usr/bin/env bash
# Installs what is missing, builds the editor (Release, build/release) and
# starts it on the shipped default data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDIZ_BUILD_BENCH=OFF
cmake --build build/release -j "$(nproc)" --target TarsisDizIzuzuri
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "The editor is built (build/release/bin/TarsisDizIzuzuri) but there is no display to show it on:"
  echo "neither DISPLAY nor WAYLAND_DISPLAY is set. Run it from a desktop session, or under"
  echo "'xvfb-run bash scripts/run.sh' for a virtual display."
  exit 1
fi
# The program folder is the executable's own; start it from there.
cd build/release/bin
exec ./TarsisDizIzuzuri
