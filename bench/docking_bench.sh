#!/usr/bin/env bash
# Docking speed of glimtex-render, end to end (start-up, macro, output):
#   1. 2,000 and 8,000 dockings of a 20-character line: the time should grow in
#      proportion to the number of fragments (8,000 at most about 4.5 times 2,000)
#      and the 8,000 case stay under half a second;
#   2. one create and nine dockings of a 32,767-character line with a gradation and
#      the lens pattern, minus the same macro on a one-character line, per character
#      of the line and fragment (target: at most 100 ns; the generator alone takes
#      about 27 ns per character and fragment).
#
#   bench/docking_bench.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR defaults to build (a Release build gives the meaningful figures). Each
# case runs RUNS times (default 7) and the fastest run counts, which is the figure
# least disturbed by other work on the machine; its processor time and page faults
# are shown beside it. Needs GNU time (/usr/bin/time) and python3.
set -euo pipefail

build_dir=${1:-build}
runs=${2:-7}
# shellcheck source=bench/render_setup.sh
. "$(dirname "$0")/render_setup.sh"

# Macros are written in UTF-8 and read with --macro-encoding utf-8.
docking_macro() {  # count
  echo 'Set.MainString = "見出しの文字列その1：Glimtex!"'
  echo 'Object.CreateData'
  for _ in $(seq 2 "$1"); do echo 'Object.PlusCreate'; done
}

long_line_macro() {  # length
  echo 'Object.NewDataCreate = 1'
  echo 'Select.MojiSize = 7'
  echo 'Set.ColorStyle = "グラデーション"'
  echo 'Set.ColorData = 0,255,0,0'
  echo 'Set.ColorData = 1,0,0,255'
  echo 'Set.StringShape = "レンズ"'
  printf 'Set.MainString = "'
  # Mixed Japanese and ASCII text, no quote, no "//" and no "#".
  python3 -c "import sys; p = 'グラデーションText'; n = int(sys.argv[1]); \
sys.stdout.write((p * (n // len(p) + 1))[:n])" "$1"
  echo '"'
  echo 'Object.CreateData'
  for _ in $(seq 2 10); do echo 'Object.PlusCreate'; done
}

# Fastest of RUNS runs of a macro: "wall_us cpu_us minor_faults" of that run; checks
# the result first.
fastest() {  # macro-file expected-fragments
  local out="$work/out.html"
  "$render" --program-dir "$work/program" --macro-encoding utf-8 "$1" > "$out" 2> "$work/err.txt"
  local fragments
  fragments=$(tr -cd '\r' < "$out" | wc -c)
  fragments=$((fragments + 1))
  if [ "$fragments" -ne "$2" ] || [ -s "$work/err.txt" ]; then
    echo "unexpected result for $1: $fragments fragments, stderr:" >&2
    cat "$work/err.txt" >&2
    exit 1
  fi
  local best="" best_line=""
  for _ in $(seq "$runs"); do
    local start end us cpu faults
    start=$(date +%s%N)
    /usr/bin/time -f '%U %S %R' -o "$work/time.txt" \
      "$render" --program-dir "$work/program" --macro-encoding utf-8 "$1" > /dev/null
    end=$(date +%s%N)
    us=$(((end - start) / 1000))
    read -r cpu faults < <(awk '{ printf "%d %d\n", ($1 + $2) * 1000000, $3 }' "$work/time.txt")
    if [ -z "$best" ] || [ "$us" -lt "$best" ]; then
      best=$us
      best_line="$us $cpu $faults"
    fi
  done
  echo "$best_line"
}

ms() { printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)); }

docking_macro 2000 > "$work/dock2000.mac"
docking_macro 8000 > "$work/dock8000.mac"
long_line_macro 32767 > "$work/long.mac"
long_line_macro 1 > "$work/short.mac"

read -r t2000 c2000 f2000 < <(fastest "$work/dock2000.mac" 2000)
read -r t8000 c8000 f8000 < <(fastest "$work/dock8000.mac" 8000)
echo "2,000 dockings of a 20-character line: $(ms "$t2000") ms (cpu $(ms "$c2000") ms, $f2000 page faults)"
echo "8,000 dockings of a 20-character line: $(ms "$t8000") ms (cpu $(ms "$c8000") ms, $f8000 page faults)"
ratio=$(awk -v a="$t8000" -v b="$t2000" 'BEGIN { printf "%.2f", a / b }')
echo "8,000 / 2,000: $ratio (linear is 4; target at most about 4.5, and under 500 ms)"

read -r tlong clong flong < <(fastest "$work/long.mac" 10)
read -r tshort cshort fshort < <(fastest "$work/short.mac" 10)
echo "create + 9 dockings, 32,767 characters: $(ms "$tlong") ms (cpu $(ms "$clong") ms, $flong page faults)"
echo "create + 9 dockings, 1 character: $(ms "$tshort") ms (cpu $(ms "$cshort") ms, $fshort page faults)"
awk -v a="$tlong" -v b="$tshort" -v fa="$flong" -v fb="$fshort" 'BEGIN {
  per_char = (a - b) * 1000 / 32766
  printf "difference per character of the line: %.0f ns over the ten fragments, %.0f ns per fragment\n",
    per_char, per_char / 10
  printf "  (target: at most 100 ns per character and fragment; the generator alone takes\n"
  printf "   about 27, see glimtex_bench; %d more page faults, each paid on first touch)\n", fa - fb
}'
