#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers) in build-fuzz/ and runs them one after another.
#   scripts/fuzz.sh [SECONDS]   fuzz each target for SECONDS (default 60), starting
#                               from its seeds in tests/fuzz/corpus/<name>; what it
#                               learns is kept in build-fuzz/corpus/<name>, crashes
#                               in build-fuzz/artifacts/, the output in build-fuzz/logs/
#   scripts/fuzz.sh 0           only run every target once over its seeds (a check)
# FUZZ_TARGETS="Cp932 Preprocess" limits the run to the targets named.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DGLIMTEX_FUZZ=ON -DGLIMTEX_TESTS=OFF -DGLIMTEX_BENCHMARKS=OFF >/dev/null

targets=${FUZZ_TARGETS:-$(ls tests/fuzz/Fuzz*.cpp | sed 's|.*/Fuzz||; s|\.cpp$||')}
build_targets=()
for t in $targets; do build_targets+=("fuzz_$t"); done
cmake --build "$build" -j 2 --target "${build_targets[@]}"

# The targets write their scratch program folders for every input: in memory if we can.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build/artifacts" "$build/logs"
for t in $targets; do
  exe="$build/bin/fuzz_$t"
  seeds="tests/fuzz/corpus/$t"
  if [ "$seconds" = 0 ]; then
    echo "== fuzz_$t over its seeds =="
    "$exe" -runs=0 "$seeds" 2>&1 | tail -n 3
    continue
  fi
  echo "== fuzz_$t for ${seconds}s =="
  mkdir -p "$build/corpus/$t"
  "$exe" -max_total_time="$seconds" -max_len=4096 -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/artifacts/${t}-" \
    "$build/corpus/$t" "$seeds" 2>&1 | tee "$build/logs/$t.log" | grep -E "^#[0-9]+ +(DONE|INITED)|^stat::|ERROR|SUMMARY" || true
  if grep -qE "^==[0-9]+==ERROR|fuzz check failed|SUMMARY: (Address|Undefined)|deadly signal|Timeout" "$build/logs/$t.log"; then
    echo "fuzz_$t found a problem; see $build/logs/$t.log and $build/artifacts/" >&2
    exit 1
  fi
done
