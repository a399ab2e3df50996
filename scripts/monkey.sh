#!/usr/bin/env bash
# Random input for glimtex: starts the real program under Xvfb (with openbox, so the
# windows are managed as on a desktop) and sends it random clicks, drags, wheel turns,
# keys and typed text, Japanese and ASCII, to whichever of its windows are showing,
# message boxes and menus included, and now and then the window manager's Alt+F4.
# Each seed gets a fresh display and a fresh program folder, and its run is
# repeatable: the same seed sends the same sequence of events (which windows they
# reach can differ where the program's timing does).
#
#   scripts/monkey.sh [SEEDS] [EVENTS]         (defaults: 10 seeds, 1500 events each)
#
# SEEDS is a count (seeds 1 to SEEDS) or a range FIRST..LAST, so that one seed can be
# run again on its own: scripts/monkey.sh 7..7 1500. GLIMTEX=path chooses the program;
# by default build-asan/bin/glimtex (address and undefined-behaviour sanitizers) when it
# has been built, else build/bin/glimtex. Default, Include/ and Macro/ are copied from
# the program's own folder.
#
# MONKEY_KEEP=1 keeps the files of every seed, not only of the failed ones.
#
# A seed fails when the program
#   - crashes: it ends by a signal, or its standard error shows a sanitizer report;
#   - ends with a status other than 0;
#   - hangs: none of its windows answers a ping within 5 s (see scripts/monkey_x11.py);
#   - keeps running without any window: 3 s after its last visible window went, it
#     must have ended.
# When the program ends normally (the random input closed its last window, with Esc,
# "キャンセル", "完了" or Alt+F4), that is how it is meant to work: it is started again
# for the rest of the seed's events, and the restart is counted. A seed also fails when
# openbox stops answering for 20 s or the seed runs over its time limit (2 minutes
# plus 0.4 s per event); then the run, not the program, is in doubt.
#
# Prints one line per seed and a summary; exits with 1 when any seed failed. The files
# of a failed seed (the program's standard error, the events sent with the windows
# showing at each, a diagnosis with the program's stacks for a hang or a program left
# without windows, the program folder) are kept in build-monkey/seed-N/. Ctrl+C stops
# the seed that runs and everything it started.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
self="$root/scripts/monkey.sh"

# How long the program may stay silent before it counts as hung, and how long it may
# keep running after its last window went.
hang_seconds=5
windowless_seconds=3
# A short pause after each event; with the ping after each event (below) the program
# has always handled one event before it gets the next, so nothing piles up.
pause=0.005

# The texts typed into the fields, a piece or a few at a time: Japanese in every form the
# program meets (kanji, kana, half-width katakana, full-width letters), the characters
# Linux input methods type with their JIS code points, characters code page 932 cannot
# hold (emoji, a joined emoji, a character outside the BMP, a decomposed kana, Arabic),
# and ASCII that looks like HTML, macro statements or format strings.
texts=(
  "日本語テキスト" "ｶﾀｶﾅ" "〜" "😀🎉" "こんにちは、世界" "全角ＡＢＣ１２３"
  "—−∥¢£¬" "𠮷野家" "が" "👨‍👩‍👧" "مرحبا" "①②③" "ｱｲｳｴｵ～" "漢字かなカナ"
  "Hello" "Glimtex sample" "12345" "-1" "0" "<b>&amp;</b>" "\"quoted\"" "'single'"
  "Set.MainString = \"x\"" "#DEFINE A 1" "#INCLUDE x" "%s%n%d" "\\" "a b  c"
  "#FF0000" "255,0,0" "https://example.com/?a=1&b=2"
  "長い行長い行長い行長い行長い行長い行長い行長い行長い行長い行長い行長い行長い行長い行"
  "Tab	in" "二行
目"
)
# The keys sent on their own. Down is there twice, as it opens and walks the menus.
keys=(
  Return Escape Tab shift+Tab Up Down Down Left Right space
  alt+f alt+t alt+r alt+s ctrl+c ctrl+v ctrl+a BackSpace Delete Home End
)

# ---------------------------------------------------------------------------------
# One seed, run by the loop at the bottom under `timeout`:
#   monkey.sh --seed SEED EVENTS DIR PROGRAM
# Works in DIR and writes the outcome into DIR/result as one line:
#   ok|fail <tab> events sent <tab> restarts <tab> what failed
# ---------------------------------------------------------------------------------
run_seed() {
  # dir, app, xvfb and wm stay global: stop_seed needs them after this returns.
  local seed=$1 events=$2 program=$4
  local bindir folder log
  dir=$3
  bindir=$(dirname "$program")
  folder="$dir/program"
  log="$dir/glimtex.log"
  sent=0 restarts=0 app="" xvfb="" wm=""
  mkdir -p "$folder" "$dir/config" "$dir/data/applications" "$dir/runtime"
  chmod 700 "$dir/runtime"
  : >"$dir/events.log"
  : >"$log"
  cp -r "$bindir/Default" "$bindir/Include" "$bindir/Macro" "$folder"/

  # "Notepadの起動" starts the desktop's text editor. Here that editor is `true`, which
  # ends at once, so the random input never leaves an editor of its own running.
  local editor=/usr/bin/true
  [ -x "$editor" ] || editor=/bin/true
  printf '[Default Applications]\ntext/plain=monkey-editor.desktop\n' \
    >"$dir/config/mimeapps.list"
  printf '[Desktop Entry]\nType=Application\nName=editor\nExec=%s %%f\n' "$editor" \
    >"$dir/data/applications/monkey-editor.desktop"

  trap 'stop_seed; exit 143' TERM INT
  trap 'stop_seed' EXIT

  # A display of its own: Xvfb picks a free number and writes it when it is ready.
  Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp -noreset 3>"$dir/display" \
    >"$dir/xvfb.log" 2>&1 &
  xvfb=$!
  echo "$xvfb Xvfb" >>"$dir/pids"
  local n
  for _ in $(seq 100); do
    n=$(head -n 1 "$dir/display" 2>/dev/null)
    [ -n "$n" ] && break
    sleep 0.1
  done
  if [ -z "$n" ]; then
    finish fail "Xvfb did not start (see xvfb.log)"
    return
  fi
  export DISPLAY=":$n"
  openbox --sm-disable >"$dir/openbox.log" 2>&1 &
  wm=$!
  echo "$wm openbox" >>"$dir/pids"
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done

  # The helper that prepares the keyboard map, lists the program's windows, pings them
  # and waits for openbox keeps one connection to the display for the whole seed.
  coproc X11 { exec python3 "$root/scripts/monkey_x11.py" 2>"$dir/x11.log"; }
  echo "$X11_PID monkey_x11.py" >>"$dir/pids"
  x11_in=${X11[1]}
  x11_out=${X11[0]}
  # Every character the texts hold gets a key of its own before the program starts.
  # Otherwise xdotool changes the keyboard map for each character it types and back,
  # and the window manager answers every change by grabbing its keys anew: a long
  # Japanese text kept openbox busy for seconds, and windows the program showed in
  # that time stayed unmapped, which looked like a program without windows.
  printf '%s\n' "${texts[@]}" >"$dir/texts"
  ask "bind $dir/texts" || return
  echo "== keyboard: $answer missing characters got keys of their own" >>"$dir/events.log"
  # The pause between events waits on a pipe nobody writes to: a wait without
  # starting a process.
  mkfifo "$dir/pause"
  exec {pause_fd}<>"$dir/pause"

  # The same seed gives the same events: every event draws the same count of numbers.
  RANDOM=$seed
  start_program || return
  while [ "$sent" -lt "$events" ]; do
    if ! running; then
      ended || return
      restarts=$((restarts + 1))
      start_program || return
      continue
    fi
    list_windows || return
    if [ ${#shown[@]} -eq 0 ]; then
      windowless || return
      continue
    fi
    send_event
    read -r -t "$pause" -u "$pause_fd" _
    check_answers || return
  done
  # The last events may have closed the last window: then the program must end as
  # always. Whatever still runs after that is stopped here.
  if running; then
    list_windows || return
    [ ${#shown[@]} -eq 0 ] && { windowless || return; }
  fi
  if [ -n "$app" ] && ! running; then
    ended || return
  fi
  if running; then
    kill -TERM "$app" 2>/dev/null
    wait "$app" 2>/dev/null
    app=""
  fi
  if sanitizer_report; then
    finish fail "sanitizer report (see glimtex.log)"
    return
  fi
  finish ok ""
}

# Records the outcome of the seed.
finish() {
  printf '%s\t%s\t%s\t%s\n' "$1" "$sent" "$restarts" "$2" >"$dir/result"
}

# Stops what this seed started, whatever state it is in.
stop_seed() {
  trap - EXIT TERM INT
  [ -n "${app:-}" ] && kill -KILL "$app" 2>/dev/null
  [ -n "${X11_PID:-}" ] && kill "$X11_PID" 2>/dev/null
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -f "$dir/pause"
}

# Starts glimtex on the seed's folder and dismisses its title window with Enter.
start_program() {
  echo "== started after $sent events" >>"$log"
  echo "== started after $sent events" >>"$dir/events.log"
  env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
    XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data" XDG_RUNTIME_DIR="$dir/runtime" \
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$program" --program-dir "$folder" >/dev/null 2>>"$log" {pause_fd}>&- &
  app=$!
  echo "$app $program" >>"$dir/pids"
  # The title window is the one whose title is a single space.
  local title="" i deadline=$((SECONDS + 30))
  while [ "$SECONDS" -le "$deadline" ]; do
    running || break
    wm_sync || return
    list_windows || return
    for i in "${!titles[@]}"; do
      [ "${titles[i]}" = " " ] && title=${shown[i * 3]}
    done
    [ -n "$title" ] && break
    sleep 0.1
  done
  if ! running; then
    ended || return 1
    finish fail "ended by itself before its title window showed (after $sent events)"
    return 1
  fi
  if [ -z "$title" ]; then
    finish fail "the title window did not show within 30 s (after $sent events)"
    return 1
  fi
  timeout 10 xdotool windowactivate --sync "$title" key Return >/dev/null 2>&1
  return 0
}

# Whether the program is still running (a process that has ended but not yet been
# waited for is a zombie, which counts as ended).
running() {
  local pid comm state rest
  [ -n "$app" ] || return 1
  read -r pid comm state rest 2>/dev/null <"/proc/$app/stat" || return 1
  [ "$state" != Z ]
}

# The program has ended: a normal end (status 0, no sanitizer report) is fine and
# returns 0; anything else records the failure and returns 1.
ended() {
  local status
  wait "$app" 2>/dev/null
  status=$?
  app=""
  if sanitizer_report; then
    finish fail "sanitizer report at event $sent (see glimtex.log)"
    return 1
  fi
  if [ "$status" -gt 128 ]; then
    finish fail "crashed with SIG$(kill -l $((status - 128)) 2>/dev/null || echo $((status - 128))) at event $sent"
    return 1
  fi
  if [ "$status" -ne 0 ]; then
    finish fail "exited with status $status at event $sent"
    return 1
  fi
  return 0
}

sanitizer_report() {
  grep -qE 'ERROR: AddressSanitizer|runtime error:' "$log"
}

# Asks the X helper one question and sets $answer; a helper that stopped answering
# fails the seed.
ask() {
  if ! echo "$1" >&"$x11_in" 2>/dev/null ||
     ! IFS= read -r -t $((hang_seconds + 10)) answer <&"$x11_out"; then
    finish fail "the X helper stopped (see x11.log)"
    return 1
  fi
}

# The program's windows that are showing, in $shown as window id, width and height
# of each, by window id, and their titles in $titles.
list_windows() {
  ask "windows $app" || return
  local sizes=${answer%%$'\t'*}
  read -r -a shown <<<"$sizes"
  titles=()
  [ "$sizes" = "$answer" ] || IFS=$'\t' read -r -a titles <<<"${answer#*$'\t'}"
}

# No window of the program is showing. Windows come and go in turns (the board gives
# way to the output window), so the program gets 3 s to show one again or to end.
windowless() {
  local deadline=$((SECONDS + windowless_seconds))
  while :; do
    running || return 0
    wm_sync || return
    list_windows || return
    [ ${#shown[@]} -gt 0 ] && return 0
    if [ "$SECONDS" -gt "$deadline" ]; then
      # SECONDS counts whole seconds; the loop above waited at least 3 s.
      diagnose
      # Whether the program is only slow or has lost its windows for good.
      local waited
      for waited in $(seq 10); do
        sleep 1
        running || { echo "== it ended $waited s later" >>"$dir/diagnosis.log"; break; }
        wm_sync || return
        list_windows || return
        if [ ${#shown[@]} -gt 0 ]; then
          echo "== a window showed again $waited s later: ${titles[*]}" >>"$dir/diagnosis.log"
          break
        fi
      done
      ask "windows $app all" || return
      echo "== its windows then: ${answer//$'\t'/ | }" >>"$dir/diagnosis.log"
      finish fail "still running ${windowless_seconds} s after its last window went, at event $sent"
      return 1
    fi
    sleep 0.1
  done
}

# After every event the program's windows are pinged. Only the program can answer a
# ping, from its main thread, after it has handled the events sent before it, so an
# answer shows both that it is not stuck and that it has caught up with the input.
# (This runs after every event rather than every hundred: it costs a millisecond and
# keeps the input from running ahead of the program.) "none" (the event closed every
# window) and "silent" from a program that has ended are dealt with by the next turn
# of the loop. Then the window manager is waited for too, so that the windows listed
# for the next event are those the program has asked for.
check_answers() {
  ask "probe $app $hang_seconds" || return
  case $answer in
    alive*|none) ;;
    *)
      running || return 0
      diagnose
      finish fail "hung: no window answered for ${hang_seconds} s after event $sent"
      return 1
      ;;
  esac
  wm_sync
}

# Waits until openbox has handled everything sent before (it maps the windows the
# program shows). When it does not within 20 s the run is no test of the program any
# more, and the seed fails saying so.
wm_sync() {
  ask "wmsync 20" || return
  [ "$answer" = synced ] && return 0
  finish fail "openbox did not answer for 20 s after event $sent"
  return 1
}

# Notes what the program was doing, for a hang or a program left without windows:
# its state, its CPU time over a second (a busy loop or a wait), and its threads'
# stacks when gdb is there.
diagnose() {
  running || return 0
  {
    echo "== program $app after event $sent"
    grep -E '^(State|Threads):' "/proc/$app/status"
    echo "wchan: $(cat "/proc/$app/wchan" 2>/dev/null)"
    local before after
    before=$(awk '{print $14 + $15}' "/proc/$app/stat")
    sleep 1
    after=$(awk '{print $14 + $15}' "/proc/$app/stat")
    echo "CPU ticks in 1 s: $((after - before))"
    echo "current desktop: $(xprop -root _NET_CURRENT_DESKTOP 2>/dev/null)"
    echo "windows of the program:"
    local w
    for w in $(xdotool search --pid "$app" 2>/dev/null); do
      echo "  $w '$(xdotool getwindowname "$w" 2>/dev/null)'" \
        "$(xwininfo -id "$w" 2>/dev/null | grep -E 'Map State|geometry' | tr -s ' \n' ' ')"
      xprop -id "$w" WM_STATE _NET_WM_STATE _NET_WM_DESKTOP WM_TRANSIENT_FOR 2>/dev/null |
        grep -v 'window state:' | sed 's/^/      /'
    done
    if command -v gdb >/dev/null; then
      timeout 120 gdb -p "$app" -batch -nx -ex 'thread apply all bt' 2>&1
    fi
  } >"$dir/diagnosis.log" 2>&1
}

# Sends one random event to one of the windows in $shown and logs it in events.log.
send_event() {
  # Seven numbers for every event, used or not, so the events stay in step.
  local pick=$RANDOM kind=$((RANDOM % 100)) a=$RANDOM b=$RANDOM c=$RANDOM d=$RANDOM e=$RANDOM
  local at=$((pick % (${#shown[@]} / 3) * 3))
  local w=${shown[at]} width=${shown[at + 1]} height=${shown[at + 2]}
  local title=${titles[at / 3]:-}
  # Each line of events.log: the event's number, the time, the window and its title,
  # what was sent, and the titles of all the windows showing.
  local showing
  printf -v showing '%s|' "${titles[@]}"
  local what i
  sent=$((sent + 1))
  if [ "$kind" -lt 45 ]; then
    # Mouse: a point inside the window's client area (never its frame, whose buttons
    # would shade or iconify it), as a fraction of its size.
    local x=$((a * width / 32768)) y=$((b * height / 32768))
    local x2=$((c * width / 32768)) y2=$((d * height / 32768))
    local move=(mousemove --window "$w" "$x" "$y")
    # xdotool waits 100 ms after each click unless told otherwise.
    if [ "$kind" -lt 28 ]; then
      what=(click --delay 1 1)
    elif [ "$kind" -lt 33 ]; then
      what=(click --repeat 2 --delay 40 1)
    elif [ "$kind" -lt 36 ]; then
      what=(click --delay 1 3)
    elif [ "$kind" -lt 37 ]; then
      what=(click --delay 1 2)
    elif [ "$kind" -lt 41 ]; then
      what=(click --repeat $((1 + e % 3)) --delay 10 $((4 + e % 2)))
    else
      what=(mousedown 1 mousemove --window "$w" "$x2" "$y2" mouseup 1)
    fi
    echo "$sent $EPOCHREALTIME $w ${width}x$height ${title@Q} ${move[*]:3} ${what[*]}  [${showing%|}]" \
      >>"$dir/events.log"
    xdotool "${move[@]}" "${what[@]}" >/dev/null 2>&1
    return
  fi
  # Keys and text go to the focused window, so the window is activated first, through
  # the window manager as a click on it would.
  if [ "$kind" -lt 78 ]; then
    what=(key --delay 5 "${keys[a % ${#keys[@]}]}")
  elif [ "$kind" -lt 99 ]; then
    local count=$((1 + b % 3)) text=""
    local pieces=("${texts[c % ${#texts[@]}]}" "${texts[d % ${#texts[@]}]}" "${texts[e % ${#texts[@]}]}")
    for ((i = 0; i < count; i++)); do text+=${pieces[i]}; done
    what=(type --delay 8 -- "$text")
  else
    # Now and then the window manager's close, as a user closes a window.
    what=(key alt+F4)
  fi
  echo "$sent $EPOCHREALTIME $w ${width}x$height ${title@Q} ${what[*]@Q}  [${showing%|}]" \
    >>"$dir/events.log"
  # A menu that has popped up cannot be activated (xdotool says so and goes on); the
  # keys then go where the focus is. xdotool reads the text in the locale's encoding.
  LC_ALL=C.UTF-8 xdotool windowactivate "$w" sleep 0.02 "${what[@]}" >/dev/null 2>&1
}

if [ "${1:-}" = "--seed" ]; then
  run_seed "$2" "$3" "$4" "$5"
  exit 0
fi

# ---------------------------------------------------------------------------------
# The seeds, one after another.
# ---------------------------------------------------------------------------------
seeds=${1:-10}
events=${2:-1500}
if [[ $seeds =~ ^([0-9]+)\.\.([0-9]+)$ ]]; then
  first=${BASH_REMATCH[1]} last=${BASH_REMATCH[2]}
elif [[ $seeds =~ ^[0-9]+$ ]]; then
  first=1 last=$seeds
else
  echo "usage: scripts/monkey.sh [SEEDS|FIRST..LAST] [EVENTS]" >&2
  exit 2
fi
if ! [[ $events =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/monkey.sh [SEEDS|FIRST..LAST] [EVENTS]" >&2
  exit 2
fi

# GLIMTEX may be given relative to where the script was started from.
if [ -n "${GLIMTEX:-}" ]; then
  program=$(realpath -- "$GLIMTEX" 2>/dev/null) || program=$GLIMTEX
elif [ -x "$root/build-asan/bin/glimtex" ]; then
  program="$root/build-asan/bin/glimtex"
else
  program="$root/build/bin/glimtex"
fi
if [ ! -x "$program" ]; then
  echo "monkey: no program at $program (build it, or give GLIMTEX=path)" >&2
  exit 2
fi
bindir=$(dirname "$program")
for f in Default Include Macro; do
  if [ ! -e "$bindir/$f" ]; then
    echo "monkey: $bindir has no $f to copy into the program folder" >&2
    exit 2
  fi
done

cd "$root"
./scripts/install-deps.sh xvfb xdotool openbox x11-utils >/dev/null || exit 2

work=$(mktemp -d "${TMPDIR:-/tmp}/glimtex-monkey.XXXXXX")
trap 'rm -rf "$work"' EXIT
kept="$root/build-monkey"
# The seeds run a copy of the program, so that a build during the run does not
# replace it under them.
mkdir "$work/bin"
cp -r "$program" "$bindir/Default" "$bindir/Include" "$bindir/Macro" "$work/bin/"
program="$work/bin/$(basename "$program")"
# A generous bound per seed: start-up plus 0.4 s per event, far above a normal run.
limit=$((120 + events * 2 / 5))

runner="" interrupted=""
# Ctrl+C or a TERM stops the seed that runs (timeout passes the signal on to it, and
# the seed stops its program, window manager and display) and then the whole run.
trap 'interrupted=1; [ -n "$runner" ] && kill -TERM "$runner" 2>/dev/null' INT TERM
# Anything a seed started that is somehow still there is ended by its recorded id,
# after checking that the id still runs the same command.
sweep() {
  local pid command
  [ -f "$1/pids" ] || return 0
  while read -r pid command; do
    if tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline" | grep -qF -- "$command"; then
      kill -KILL "$pid" 2>/dev/null
    fi
  done <"$1/pids"
}

echo "monkey: $bindir/$(basename "$program"), seeds $first..$last, $events events each"
total=0 failures=0 done_seeds=0
for ((seed = first; seed <= last; seed++)); do
  [ -n "$interrupted" ] && break
  dir="$work/seed-$seed"
  mkdir -p "$dir"
  timeout --kill-after=10 "$limit" "$self" --seed "$seed" "$events" "$dir" "$program" &
  runner=$!
  # wait returns early when a trapped signal comes in; the seed is waited for again.
  # (Its stderr would only say "Terminated" after Ctrl+C.)
  while :; do
    wait "$runner" 2>/dev/null
    status=$?
    kill -0 "$runner" 2>/dev/null || break
  done
  runner=""
  sweep "$dir"
  if [ -n "$interrupted" ]; then
    echo "seed $seed: interrupted"
    break
  fi
  if [ -f "$dir/result" ]; then
    IFS=$'\t' read -r outcome n r why <"$dir/result"
  else
    outcome=fail
    n=$(grep -c '^[0-9]' "$dir/events.log" 2>/dev/null)
    r=$(($(grep -c '^== started' "$dir/events.log" 2>/dev/null) - 1))
    [ "$r" -lt 0 ] && r=0
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
      why="the seed did not finish within $limit s"
    else
      why="the seed's run stopped with status $status"
    fi
  fi
  total=$((total + ${n:-0}))
  done_seeds=$((done_seeds + 1))
  if [ "$outcome" != ok ] || [ -n "${MONKEY_KEEP:-}" ]; then
    rm -rf "$kept/seed-$seed"
    mkdir -p "$kept"
    cp -r "$dir" "$kept/seed-$seed"
  fi
  if [ "$outcome" = ok ]; then
    echo "seed $seed: $n events, $r restarts, ok"
  else
    failures=$((failures + 1))
    echo "seed $seed: $n events, $r restarts, FAILED: $why; log: build-monkey/seed-$seed/glimtex.log"
  fi
  rm -rf "$dir"
done

echo "monkey: $done_seeds seeds, $total events, $failures failures"
if [ -n "$interrupted" ]; then
  exit 130
fi
[ "$failures" -eq 0 ]
