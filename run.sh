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
# Until the windows exist, show what the start-up macro and the generator make.
exec build/bin/glimtex-render "$@"
