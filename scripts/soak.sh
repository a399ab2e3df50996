#!/usr/bin/env bash
# Soak and fault-injection run of glimtex-render on one shared program folder.
#   scripts/soak.sh [RUNS] [KILLS]   (defaults 1000 and 100)
#
# Makes a fresh program folder (copies of build/bin/Default, Include/ and Macro/) in a
# temporary directory and starts RUNS glimtex-render processes on it, a few at a time,
# each with a macro picked at random from the fuzz seeds in tests/fuzz/corpus/Preprocess
# and tests/fuzz/corpus/Interpreter or from the bundled Macro/ files. KILLS of them,
# picked at random, get SIGKILL 0-40 ms after they start. After every batch the working
# files must still be whole; after every batch with a kill, and at the end, a plain run
# must still work and leave no temporary files behind; at the end nothing outside the
# program folder may have changed.
#
# Prints one summary line and exits 0 when nothing failed, 1 when something did,
# 2 on a usage error. Settings from the environment:
#   SOAK_SEED=N          seed of the random choices (default 1), so a run can be repeated
#   SOAK_JOBS=N          runs started together in one batch (default 4)
#   SOAK_KILL_MS=N       longest wait before a kill, in milliseconds (default 40)
#   SOAK_KEEP=1          keep the temporary directory and say where it is
#   SOAK_VERBOSE=1       print a second line with how the runs ended
#   GLIMTEX_RENDER=PATH  the renderer to test (default build/bin/glimtex-render), e.g.
#                        build-asan/bin/glimtex-render for the sanitizer build
set -euo pipefail
shopt -s inherit_errexit
start_dir=$PWD
cd "$(dirname "$0")/.."
repo=$PWD

usage() {
  echo "usage: scripts/soak.sh [RUNS] [KILLS]   (KILLS <= RUNS; defaults 1000 100)" >&2
  exit 2
}
is_count() { [[ $1 =~ ^[0-9]+$ ]] && [ "${#1}" -le 9 ]; }

[ $# -le 2 ] || usage
runs=${1:-1000}
kills=${2:-100}
seed=${SOAK_SEED:-1}
jobs=${SOAK_JOBS:-4}
kill_ms=${SOAK_KILL_MS:-40}
for n in "$runs" "$kills" "$seed" "$jobs" "$kill_ms"; do is_count "$n" || usage; done
runs=$((10#$runs)) kills=$((10#$kills)) jobs=$((10#$jobs)) kill_ms=$((10#$kill_ms))
if [ "$kills" -gt "$runs" ] || [ "$jobs" -lt 1 ]; then usage; fi

# The renderer: a relative GLIMTEX_RENDER is taken from where the script was started
# when it names a file there, else from the top of the repository.
render=${GLIMTEX_RENDER:-build/bin/glimtex-render}
if [[ $render != /* ]]; then
  if [ -e "$start_dir/$render" ]; then render=$start_dir/$render; else render=$repo/$render; fi
fi
if [ ! -x "$render" ]; then
  echo "soak: no renderer at $render (cmake --build build --target glimtex-render)" >&2
  exit 2
fi
bundled=$repo/build/bin
for d in Default Include Macro; do
  if [ ! -e "$bundled/$d" ]; then
    echo "soak: $bundled/$d is missing; build the project first" >&2
    exit 2
  fi
done

# The macros to pick from: the fuzz seeds (raw bytes, code page 932) and, now and
# then, one of the bundled macros.
shopt -s nullglob
seeds=("$repo"/tests/fuzz/corpus/Preprocess/* "$repo"/tests/fuzz/corpus/Interpreter/*)
macros=("$bundled"/Macro/*)
if [ ${#seeds[@]} -eq 0 ] && [ ${#macros[@]} -eq 0 ]; then
  echo "soak: no macros to run" >&2
  exit 2
fi

# A sanitizer build stops at its first report, so the run counts as a crash.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# Everything lives in one temporary directory:
#   program/  the program folder all runs share
#   runs/N/   the macro file of run N (removed after its batch is checked)
#   logs/     exit status, output and errors of each run of the current batch
#   home/ tmp/ the runs' home and temporary directory, so that whatever a run writes
#             outside the program folder shows up in the before/after comparison
#   kept/     copies of torn files, with SOAK_KEEP=1
work=$(mktemp -d "${TMPDIR:-/tmp}/glimtex-soak.XXXXXX")
cleanup() {
  local status=$? pid
  # The runs of an interrupted batch are in process groups of their own: end them.
  if [ -f "$work/logs/pids" ]; then
    while read -r pid; do kill -KILL -- "-$pid" 2>/dev/null || true; done <"$work/logs/pids"
  fi
  if [ "${SOAK_KEEP:-0}" = 1 ]; then
    echo "soak: kept $work" >&2
  else
    rm -rf "$work"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

program=$work/program
mkdir -p "$program" "$work/runs" "$work/logs" "$work/home" "$work/tmp"
cp -R "$bundled/Default" "$bundled/Include" "$bundled/Macro" "$program/"
export HOME=$work/home TMPDIR=$work/tmp
export XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache

# The plain run at the end: UTF-8 from standard input, CR LF like the other macros.
health_macro=$work/health-macro
printf 'Set.MainString = "ok"\r\nObject.CreateData\r\n' >"$health_macro"
health_expected='<Font Color=#000000>ok</Font>'

working_files=(Buf.df Define.df MacroList.df Include.df)
max_bytes=$((2 * 1024 * 1024 + 2))

# Buf.df and Include.df can also be byte copies of a macro or an included file,
# whatever line ends those have: the checksums of every file a run could copy.
declare -A copies=()
while read -r sum _; do copies[$sum]=1; done < <(
  sha256sum "${seeds[@]}" "${macros[@]}" "$health_macro" "$program/Default" "$program"/Include/*
)

checks=0 torn=0 failures=0 shown=0 killed_sent=0 killed_hit=0 leftovers_seen=0
declare -A exits=()

# Counts a failure and prints it, up to 20 of them, so a bad run stays readable.
fail() {
  failures=$((failures + 1))
  if [ "$shown" -lt 20 ]; then
    printf 'soak: %s\n' "$@" >&2
  elif [ "$shown" -eq 20 ]; then
    echo "soak: more failures follow; not shown" >&2
  fi
  shown=$((shown + 1))
}

# A listing with checksums of the file or tree NAME in the directory BASE, with
# types and permissions; what the find expressions after them match is left out.
snapshot() {
  local base=$1 name=$2
  shift 2
  (
    cd "$base" || exit 1
    find "$name" \( "$@" \) -prune -o -printf '%y %m %p %l\n' | LC_ALL=C sort
    find "$name" \( "$@" \) -prune -o -type f -print0 | LC_ALL=C sort -z | xargs -0r sha256sum
  )
}
outside_snapshot() {
  snapshot "$work" . -path ./program -o -path ./kept
  local d
  for d in Default Include Macro; do snapshot "$bundled" "$d" -false; done
}
folder_snapshot() {
  local d
  for d in Default Include Macro; do snapshot "$program" "$d" -false; done
}

# Every random choice comes from bash's generator with a fixed seed, made here in
# order before any run starts, so the same seed gives the same runs, macros and kills.
RANDOM=$seed

# Which runs get killed, and when: a partial shuffle picks exactly KILLS of them.
declare -a order=() kill_at=()
for ((i = 0; i < runs; i++)); do order[i]=$i; done
for ((i = 0; i < kills; i++)); do
  j=$((i + (((RANDOM << 15) | RANDOM) % (runs - i))))
  t=${order[i]} order[i]=${order[j]} order[j]=$t
  kill_at[order[i]]=$((RANDOM % (kill_ms + 1)))
done
unset order

# The macro of each run.
declare -a source=()
for ((i = 0; i < runs; i++)); do
  if [ ${#macros[@]} -gt 0 ] && { [ ${#seeds[@]} -eq 0 ] || [ $((RANDOM % 4)) -eq 0 ]; }; then
    source[i]=${macros[RANDOM % ${#macros[@]}]}
  else
    source[i]=${seeds[RANDOM % ${#seeds[@]}]}
  fi
done

describe_run() {
  local i=$1 what="run $1 (${source[$1]#"$repo"/}"
  if [ -n "${kill_at[i]:-}" ]; then what+=", killed after ${kill_at[i]} ms"; fi
  echo "$what)"
}

# True when a run's standard error holds a sanitizer report.
sanitizer_report() { grep -aqE 'ERROR: [A-Za-z]*Sanitizer|runtime error:' "$1"; }

# Starts the runs of one batch together and waits for them; the runs to kill get
# SIGKILL after their delay. Each run and its timeout are one process group (job
# control), so the kill reaches the renderer, not only the timeout around it.
# Writes each exit status to logs/N.rc. Runs in a subshell of its own, whose
# standard error takes the shell's notes about killed jobs.
run_batch() {
  set -m
  local i pid ms
  local -a pids=() killers=()
  for i in "$@"; do
    timeout -k 5 60 "$render" --program-dir "$program" "$work/runs/$i/${source[i]##*/}" \
      </dev/null >"$work/logs/$i.out" 2>"$work/logs/$i.err" &
    pid=$!
    pids+=("$pid")
    echo "$pid" >>"$work/logs/pids"
    if [ -n "${kill_at[i]:-}" ]; then
      ms=${kill_at[i]}
      (
        sleep "$((ms / 1000)).$(printf '%03d' $((ms % 1000)))"
        kill -KILL -- "-$pid" 2>/dev/null || true
      ) &
      killers+=("$!")
    fi
  done
  for pid in "${killers[@]}"; do wait "$pid" || true; done
  local n=0 rc
  for i in "$@"; do
    rc=0
    wait "${pids[n]}" || rc=$?
    echo "$rc" >"$work/logs/$i.rc"
    n=$((n + 1))
  done
}

# True when the file is a byte copy of one a run could have copied.
is_copy() {
  local sum
  sum=$(sha256sum <"$1")
  [ -n "${copies[${sum%% *}]:-}" ]
}

# Checks that each working file is absent or whole: a plain file with one name, at
# most 2 MiB (+ 2 bytes), and made of CR LF lines only. Every writer ends each line
# with CR LF and replaces a file by renaming a complete temporary copy over it, so a
# lone LF, a line cut short or a missing last line end means the file is torn,
# unless it is Buf.df or Include.df holding an exact copy of a file a run read.
# All four files are read by the same few commands, to keep each batch quick.
check_working_files() {
  local context=$1 name path line count links size
  local -a present=()
  local -A bad=() cr=() lf=()
  for name in "${working_files[@]}"; do
    path=$program/$name
    checks=$((checks + 1))
    if [ -L "$path" ]; then
      fail "$name is a symbolic link $context"
    elif [ -e "$path" ] && [ ! -f "$path" ]; then
      fail "$name is not a plain file $context"
    elif [ -e "$path" ]; then
      present+=("$path")
    fi
  done
  [ ${#present[@]} -gt 0 ] || return 0
  # Per file: lines that do not end with CR, lines that do, and LF bytes. A whole
  # file has no line of the first kind, and as many of the second as LF bytes (else
  # its last line has no LF).
  while IFS= read -r line; do
    count=${line##*:} bad[${line%:*}]=$count
  done < <(LC_ALL=C grep -a -c -H -v $'\r$' "${present[@]}" || true)
  while IFS= read -r line; do
    count=${line##*:} cr[${line%:*}]=$count
  done < <(LC_ALL=C grep -a -c -H $'\r$' "${present[@]}" || true)
  while read -r count path; do
    lf[$path]=$count
  done < <(wc -l "${present[@]}")
  while read -r links size path; do
    name=${path##*/}
    if [ "$links" -ne 1 ]; then fail "$name has $links names $context"; fi
    if [ "$size" -gt "$max_bytes" ]; then fail "$name has $size bytes, more than $max_bytes $context"; fi
    if { [ "${bad[$path]:-x}" != 0 ] || [ "${cr[$path]:-x}" != "${lf[$path]:-y}" ]; } &&
      ! { { [ "$name" = Buf.df ] || [ "$name" = Include.df ]; } && is_copy "$path"; }; then
      torn=$((torn + 1))
      fail "$name is torn ($size bytes, ends with:$(tail -c 16 "$path" | od -An -c | tr -s ' \n' ' ')) $context"
      if [ "${SOAK_KEEP:-0}" = 1 ]; then
        mkdir -p "$work/kept"
        cp "$path" "$work/kept/$name.$checks"
      fi
    fi
  done < <(stat -c '%h %s %n' "${present[@]}")
}

# The checks after each batch: how each run ended, that it left its macro file
# alone, and that the working files are whole.
check_batch() {
  local i rc err context dir
  local -a entries
  context="after runs $1-${!#}"
  for i in "$@"; do
    checks=$((checks + 1))
    rc=missing
    if [ -f "$work/logs/$i.rc" ]; then read -r rc <"$work/logs/$i.rc"; fi
    err=$work/logs/$i.err
    exits[$rc]=$((${exits[$rc]:-0} + 1))
    case $rc in
      0 | 1 | 2) ;;
      137)
        if [ -z "${kill_at[i]:-}" ]; then fail "$(describe_run "$i") was killed (exit 137)"; fi
        ;;
      124) fail "$(describe_run "$i") did not finish within 60 s" ;;
      *)
        fail "$(describe_run "$i") ended with exit status $rc"
        if [ "$shown" -le 20 ]; then head -n 5 "$err" | sed 's/^/soak:   /' >&2; fi
        ;;
    esac
    if [ "$rc" = 137 ] && [ -n "${kill_at[i]:-}" ]; then killed_hit=$((killed_hit + 1)); fi
    checks=$((checks + 1))
    if [ -s "$err" ] && sanitizer_report "$err"; then
      fail "$(describe_run "$i") has a sanitizer report:"
      grep -aE -m 3 'ERROR: [A-Za-z]*Sanitizer|runtime error:' "$err" | sed 's/^/soak:   /' >&2
    fi
    # The run's scratch folder holds its macro, unchanged, and nothing else.
    checks=$((checks + 1))
    dir=$work/runs/$i
    entries=("$dir"/* "$dir"/.[!.]* "$dir"/..?*)
    if [ ${#entries[@]} -ne 1 ] || ! cmp -s "${source[i]}" "$dir/${source[i]##*/}"; then
      fail "$(describe_run "$i") changed its scratch folder: ${entries[*]##*/}"
    fi
  done
  check_working_files "$context"
  if [ -n "$(find "$program" -maxdepth 1 -name '*.tmp*' -print -quit)" ]; then
    leftovers_seen=$((leftovers_seen + 1))
  fi
}

# A plain run on the folder: it must work, print the line it was given, and (owning
# the folder) remove the temporary files that killed runs left behind.
healthy_run() {
  local context=$1 rc=0 out=$work/logs/health.out err=$work/logs/health.err
  timeout -k 5 60 "$render" --program-dir "$program" --macro-encoding utf-8 - \
    <"$health_macro" >"$out" 2>"$err" || rc=$?
  checks=$((checks + 1))
  if [ "$rc" -ne 0 ] || [ "$(cat "$out")" != "$health_expected" ]; then
    fail "the plain run $context ended with exit status $rc and printed:" \
      "  $(head -c 200 "$out" | tr '\n' ' ')" "  errors: $(head -c 300 "$err" | tr '\n' ' ')"
  fi
  checks=$((checks + 1))
  if sanitizer_report "$err"; then fail "the plain run $context has a sanitizer report"; fi
  checks=$((checks + 1))
  local left
  left=$(find "$program" -maxdepth 1 -name '*.tmp*' -printf '%f ')
  if [ -n "$left" ]; then fail "temporary files left $context: $left"; fi
  check_working_files "$context"
}

outside_before=$(outside_snapshot)
folder_before=$(folder_snapshot)

for ((first = 0; first < runs; first += jobs)); do
  batch=()
  killing=0
  for ((i = first; i < first + jobs && i < runs; i++)); do
    batch+=("$i")
    mkdir "$work/runs/$i"
    cp "${source[i]}" "$work/runs/$i/"
    if [ -n "${kill_at[i]:-}" ]; then killing=1 killed_sent=$((killed_sent + 1)); fi
  done
  : >"$work/logs/pids"
  if ! (run_batch "${batch[@]}") 2>"$work/logs/batch.err"; then
    fail "the batch of runs ${batch[0]}-${batch[-1]} could not be run:"
    sed 's/^/soak:   /' "$work/logs/batch.err" >&2
  fi
  check_batch "${batch[@]}"
  # After a kill, check straight away that the folder still works.
  if [ "$killing" = 1 ]; then healthy_run "after the kill in runs ${batch[0]}-${batch[-1]}"; fi
  for i in "${batch[@]}"; do rm -rf "$work/runs/$i"; done
  rm -f "$work/logs/"*
done

# The final checks: a plain run works and cleans up; only the expected names are in
# the folder; its copies of the bundled files and everything outside it are unchanged.
healthy_run "after all runs"
checks=$((checks + 1))
unexpected=$(find "$program" -mindepth 1 -maxdepth 1 ! -name Default ! -name Include ! -name Macro \
  ! -name Buf.df ! -name Define.df ! -name MacroList.df ! -name Include.df ! -name Run.lock \
  -printf '%f ')
if [ -n "$unexpected" ]; then fail "unexpected files in the program folder: $unexpected"; fi
checks=$((checks + 1))
if [ "$(folder_snapshot)" != "$folder_before" ]; then
  fail "the program folder's Default, Include or Macro changed:"
  diff <(echo "$folder_before") <(folder_snapshot) | head -n 10 | sed 's/^/soak:   /' >&2 || true
fi
checks=$((checks + 1))
rm -f "$work/logs/"*
outside_after=$(outside_snapshot)
if [ "$outside_after" != "$outside_before" ]; then
  fail "something outside the program folder changed:"
  diff <(echo "$outside_before") <(echo "$outside_after") | head -n 10 | sed 's/^/soak:   /' >&2 || true
fi

if [ "${SOAK_VERBOSE:-0}" = 1 ]; then
  endings=""
  for rc in $(printf '%s\n' "${!exits[@]}" | sort -n); do endings+=" exit $rc: ${exits[$rc]},"; done
  echo "soak: seed $seed, $jobs at a time; kills that landed: $killed_hit of $killed_sent;" \
    "batches that left temporary files: $leftovers_seen;${endings%,}"
fi
echo "soak: $runs runs, $killed_sent killed, $checks checks, $torn torn, $failures failures"
[ "$failures" -eq 0 ]
