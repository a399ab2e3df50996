#!/usr/bin/env bash
# Wall time and peak resident memory of glimtex-render: the bundled Default, then a
# macro that generates ten fragments (one create, nine dockings).
#
#   bench/render_bench.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR defaults to build (a Release build gives the meaningful figures).
set -euo pipefail

build_dir=${1:-build}
runs=${2:-20}
# shellcheck source=bench/render_setup.sh
. "$(dirname "$0")/render_setup.sh"

# The macro, written in code page 932 with CR LF line ends as the program expects.
{
  echo 'Object.NewDataCreate = 1'
  echo 'Select.MojiSize = 5'
  echo 'Select.SpGroup = 0'
  echo 'Set.ColorStyle = "グラデーション"'
  echo 'Set.ColorData = 0,255,0,0'
  echo 'Set.ColorData = 1,0,0,255'
  shapes=("標準" "右下がり" "左下がり" "レンズ" "スクラップ")
  for i in $(seq 0 9); do
    echo "Set.MainString = \"見出しの文字列その$i：Glimtex\""
    echo "Set.StringShape = \"${shapes[$((i % 5))]}\""
    if [ "$i" -eq 0 ]; then echo 'Object.CreateData'; else echo 'Object.PlusCreate'; fi
  done
} | sed 's/$/\r/' | iconv -f UTF-8 -t CP932 > "$work/ten.mac"

"$render" --program-dir "$work/program" "$work/ten.mac" > "$work/out.html"
fragments=$(grep -c . "$work/out.html" || true)
echo "fragments in the output: $fragments"

total_ms=0
max_ms=0
max_kb=0
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  /usr/bin/time -f '%M' -o "$work/time.txt" \
    "$render" --program-dir "$work/program" "$work/ten.mac" > /dev/null
  end=$(date +%s%N)
  read -r kb < "$work/time.txt"
  ms=$(((end - start) / 1000000))
  total_ms=$((total_ms + ms))
  [ "$ms" -gt "$max_ms" ] && max_ms=$ms
  [ "$kb" -gt "$max_kb" ] && max_kb=$kb
done
echo "runs: $runs"
echo "wall time: mean $((total_ms / runs)) ms, worst $max_ms ms"
echo "peak resident memory: $((max_kb / 1024)) MB ($max_kb kB)"
