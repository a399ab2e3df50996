#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test,
# then does the same again with AddressSanitizer and UndefinedBehaviorSanitizer, and
# runs every fuzz target once over its seed corpus.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
# The browser stage loads the generated fragments into headless Chromium. Only the
# tests need it, so ./run.sh never installs it; without it the stage says so and skips.
if ! ./scripts/install-deps.sh chromium; then
  echo "Chromium could not be installed: the browser stage will be skipped."
fi
# The checker stages: the Nu HTML checker runs on Java; it, the BBCode renderer and the
# color library culori are the npm packages of tests/tools. A stage whose tool cannot be
# installed says so and skips.
if ! ./scripts/install-deps.sh default-jre-headless; then
  echo "Java could not be installed: the Nu checker stage will be skipped."
fi
if ! command -v npm >/dev/null 2>&1 && ! ./scripts/install-deps.sh nodejs npm; then
  echo "Node.js could not be installed: the Nu checker, BBCode and OKLab stages will be skipped."
fi
./scripts/install-test-tools.sh ||
  echo "The npm packages of tests/tools could not be installed: the Nu checker, BBCode and" \
    "OKLab stages will be skipped."

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

if command -v clang-format >/dev/null 2>&1 && git rev-parse --git-dir >/dev/null 2>&1; then
  echo "== Formatting (clang-format) =="
  git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
fi

echo "== Release build, warnings as errors =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLIMTEX_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Sanitizer build (address + undefined) =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGLIMTEX_WERROR=ON \
  -DGLIMTEX_SANITIZE=ON -DGLIMTEX_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== Fuzz targets over their seeds (clang, address + undefined) =="
./scripts/fuzz.sh 0

echo "== Soak: glimtex-render runs on one folder, some of them killed (sanitizer build) =="
GLIMTEX_RENDER=build-asan/bin/glimtex-render ./scripts/soak.sh 40 4

echo "== Random input to the windows (sanitizer build, under Xvfb) =="
./scripts/monkey.sh 1 300
