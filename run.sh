#!/usr/bin/env bash
# Installs what is missing, builds in release mode and starts Glimtex.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display to open Glimtex's windows on (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
  echo "Here is what glimtex-render makes of the bundled sample macro instead:" >&2
  exec build/bin/glimtex-render build/bin/Macro/Rainbow
fi
exec build/bin/glimtex "$@"
