#!/usr/bin/env bash
# Installs what is missing, builds in release mode and starts Glimtex.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"

if [ -x build/bin/glimtex ]; then
  exec build/bin/glimtex "$@"
fi
# Until the windows exist, the headless renderer shows what the generator makes:
# with no arguments it applies the bundled sample macro.
if [ $# -eq 0 ]; then
  echo "glimtex-render build/bin/Macro/Rainbow:" >&2
  set -- build/bin/Macro/Rainbow
fi
exec build/bin/glimtex-render "$@"
