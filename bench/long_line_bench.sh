#!/usr/bin/env bash
# End-to-end cost of glimtex-render on the longest line: a 32,767-character
# gradation with the lens shape, one create and nine dockings. Prints, for the best
# of RUNS runs, the wall time per generated character, the peak resident memory,
# the page faults and the output's size, and the memory budget that size allows
# (15 MB plus 1.5 times the output).
#
#   bench/long_line_bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail

build_dir=${1:-build}
runs=${2:-5}
# shellcheck source=bench/render_setup.sh
. "$(dirname "$0")/render_setup.sh"

chars=32767
line=$(head -c "$chars" /dev/zero | tr '\0' 'A')
{
  echo 'Object.NewDataCreate = 1'
  echo 'Select.MojiSize = 4'
  echo 'Set.ColorStyle = "グラデーション"'
  echo 'Set.ColorData = 0,255,0,0'
  echo 'Set.ColorData = 1,0,0,255'
  echo 'Set.StringShape = "レンズ"'
  echo "Set.MainString = \"$line\""
  echo 'Object.CreateData'
  for _ in $(seq 9); do echo 'Object.PlusCreate'; done
} | sed 's/$/\r/' | iconv -f UTF-8 -t CP932 > "$work/long.mac"

best_ns=0
best_kb=0
best_faults=0
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  /usr/bin/time -f '%M %R' -o "$work/time.txt" \
    "$render" --program-dir "$work/program" "$work/long.mac" > "$work/out.html"
  end=$(date +%s%N)
  read -r kb faults < "$work/time.txt"
  ns=$((end - start))
  if [ "$best_ns" -eq 0 ] || [ "$ns" -lt "$best_ns" ]; then best_ns=$ns; fi
  if [ "$best_kb" -eq 0 ] || [ "$kb" -lt "$best_kb" ]; then best_kb=$kb; fi
  if [ "$best_faults" -eq 0 ] || [ "$faults" -lt "$best_faults" ]; then best_faults=$faults; fi
done
bytes=$(stat -c %s "$work/out.html")
generated=$((chars * 10))
echo "characters generated: $generated (10 fragments), output: $((bytes / 1024)) kB"
echo "best of $runs: $((best_ns / 1000000)) ms, $((best_ns / generated)) ns per character"
echo "peak resident memory: $((best_kb / 1024)) MB ($best_kb kB); minor page faults: $best_faults"
echo "memory budget for this output: $(((15 * 1024 * 1024 + bytes * 3 / 2) / 1024 / 1024)) MB"
