#!/usr/bin/env bash
# Start-up of the windowed program under Xvfb: from process start to the title
# window on screen, from "開始" to the main window on screen, and the peak resident
# memory, over several runs with the bundled Default.
#
#   bench/startup_bench.sh [RUNS]        (default 10; needs a Release build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
./scripts/install-deps.sh xvfb xdotool x11-utils >/dev/null
exe=build/bin/glimtex
[ -x "$exe" ] || { echo "build first: cmake --build build" >&2; exit 2; }

folder=$(mktemp -d)
cp -r build/bin/Default build/bin/Include build/bin/Macro "$folder"/
display=:$((80 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$folder"' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

now_ms() { date +%s%3N; }
# Waits until a visible window with exactly this name exists; prints its id.
wait_for() {
  local id=""
  while [ -z "$id" ]; do id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true); done
  echo "$id"
}

title_ms=(); main_ms=(); peak_kb=()
for _ in $(seq "$runs"); do
  t0=$(now_ms)
  "$exe" --program-dir "$folder" >/dev/null 2>&1 &
  pid=$!
  title=$(wait_for " ")
  t1=$(now_ms)
  # "開始" is at 4200, 3120 twips, 1695 x 375: its middle.
  xdotool mousemove --window "$title" 336 220 click 1
  wait_for Glimtex >/dev/null
  t2=$(now_ms)
  sleep 0.2
  peak_kb+=("$(awk '/VmHWM/ {print $2}' /proc/$pid/status)")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  title_ms+=($((t1 - t0))); main_ms+=($((t2 - t1)))
done

stats() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1; s+=$1} END {printf "mean %d, median %d, worst %d", s/NR, a[int((NR+1)/2)], a[NR]}'; }
echo "process start -> title window shown (ms): $(stats "${title_ms[@]}")"
echo "\"開始\" -> main window shown (ms):        $(stats "${main_ms[@]}")"
mb=(); for kb in "${peak_kb[@]}"; do mb+=($((kb / 1024))); done
echo "peak resident memory (MB):             $(stats "${mb[@]}")"
