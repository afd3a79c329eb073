#!/usr/bin/env bash
# The real program under a real X server and window manager, driven by key
# presses only: a golfer added through the roster maintenance window, a
# round entered from the golfer list, and the index history opened from the
# golfer list and from the golfer scores window; a second program on the
# same data folder refuses to start, and the lock of a killed program is
# taken over. The hand-over of the round depends on the window system giving
# the activation back to the golfer list, which the offscreen platform only
# imitates.
#
#   quillmor_smoke.sh PATH/TO/quillmor PATH/TO/sample.qmd
#
# Needs Xvfb, openbox and xdotool. Starts its own display (the first free
# one) and stops only the processes it started.
set -euo pipefail

program=$(realpath "$1")
sample=$(realpath "$2")
quillmor=
for tool in Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "smoke: $tool is missing" >&2; exit 1; }
done

root=$(mktemp -d "${TMPDIR:-/tmp}/quillmor-smoke.XXXXXX")
pids=()
stop() {
  local pid
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$root"
}
trap stop EXIT

fail() {
  echo "smoke: $*" >&2
  echo "--- program output" >&2
  cat "$root/program.log" >&2 2>/dev/null || true
  exit 1
}

# True while process $1 runs (an ended child stays a zombie until waited for).
alive() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
  [[ -n $state && $state != Z* ]]
}

# Polls `$@` until it succeeds; fails with what was awaited after `limit`
# seconds.
wait_for() {
  local what=$1 limit=$2
  shift 2
  local deadline=$((SECONDS + limit))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || fail "gave up waiting for $what"
    if [ -n "$quillmor" ] && ! alive "$quillmor"; then
      fail "the program ended while waiting for $what"
    fi
    sleep 0.2
  done
}

active_is() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ]; }
file_has() { grep -q -- "$2" "$1" 2>/dev/null; }
# Waits until the window named $1 is the active one.
wait_active() { wait_for "the window \"$1\"" 30 active_is "$1"; }
# Presses keys one after the other, as a user does, with time to react.
keys() {
  local key
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 0.3
  done
}
type_text() { xdotool type --delay 40 "$1"; sleep 0.2; }

# A display of its own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$root/display" \
  >"$root/xvfb.log" 2>&1 &
pids+=($!)
display_written() { [ -s "$root/display" ] && grep -q '^[0-9]' "$root/display"; }
wait_for "the X server" 30 display_written
export DISPLAY=":$(head -n1 "$root/display")"

openbox --sm-disable >"$root/openbox.log" 2>&1 &
pids+=($!)
# The window manager is up when it has published its desktops.
wait_for "the window manager" 30 xdotool get_desktop

mkdir -p "$root/work" "$root/config"
cp "$sample" "$root/work/sample.qmd"
# Starts the program on the data folder in the background, its output in
# the log named $1; $! is its process.
start() {
  (
    cd "$root/work"
    export XDG_CONFIG_HOME="$root/config" QT_QPA_PLATFORM=xcb
    # The X keyboard library gives strndup a length past its buffer (the copy
    # stops at the NUL inside), which the strict string checks report as an
    # overflow; and the X libraries' leaks at exit are no concern here.
    export ASAN_OPTIONS="${ASAN_OPTIONS:-}:strict_string_checks=0:detect_leaks=0"
    exec "$program" "$root/work" >"$root/$1" 2>&1
  ) &
}
start program.log
quillmor=$!
pids+=("$quillmor")
work=$root/work

wait_active "Quillmor for Windows"
# A new golfer: Edit Golfers has the focus; Edit > Add Golfer; the names;
# Enter confirms; File > Save; File > Exit.
keys Return
wait_active "Golfer Maintenance"
keys alt+e a
wait_active "Golfer Name"
type_text "Ann Lee"
keys Tab
type_text "LEE"
keys Return
wait_active "Golfer Maintenance"
keys alt+f s
wait_for "the roster" 30 file_has "$work/golfers.qmd" "^Ann Lee~LEE~0~"
keys alt+f e
wait_active "Quillmor for Windows"

# Edit > Enter Scores; Activities > Add a Score; the first course of the
# list, the total only (hole 1 "0" moves on to the total), OK.
keys alt+e s
wait_active "Golfer List"
keys alt+a a
wait_active "Enter Score - Ann Lee"
keys Down Tab Tab Tab
type_text "0"
keys Tab
type_text "88"
keys Tab Return
wait_active "Golfer List"
today=$(date +%Y%m%d)
wait_for "the round in LEE.qmg" 30 file_has "$work/LEE.qmg" "^$today~ALDER CREEK GOLF CLUB~88~"
lines=$(wc -l <"$work/LEE.qmg")
[ "$lines" -eq 1 ] || fail "LEE.qmg holds $lines lines, not 1"

# A second program on the same folder: one message naming the folder and
# the process that holds it, then status 1, and nothing in the folder made
# or changed.
listing() { (cd "$work" && find . -maxdepth 1 -printf '%p %s %T@\n' | sort); }
before=$(listing)
start second.log
second=$!
pids+=("$second")
shows_box() { xdotool search --onlyvisible --pid "$second"; }
wait_for "the second program's message" 30 shows_box
xdotool windowactivate --sync "$(shows_box | head -n1)"
keys Return
alive_second() { ! alive "$second"; }
wait_for "the end of the second program" 30 alive_second
status=0
wait "$second" || status=$?
[ "$status" -eq 1 ] || fail "the second program ended with status $status, not 1"
grep -q "is in use by another Quillmor (process $quillmor" "$root/second.log" ||
  fail "the second program did not name the folder's holder: $(cat "$root/second.log")"
[ "$(listing)" = "$before" ] || fail "the second program changed the data folder: $(diff <(echo "$before") <(listing))"
wait_active "Golfer List"

# Activities > Index History... opens the golfer's index history; its File >
# Exit closes it. From the golfer scores window, Calculate > Index History...
# opens it again.
keys alt+a t
wait_active "Index History - Ann Lee"
keys alt+f x
wait_active "Golfer List"
keys alt+a e
wait_active "Golfer - Ann Lee"
keys alt+c t
wait_active "Index History - Ann Lee"
keys alt+f x
wait_active "Golfer - Ann Lee"
keys alt+f x
wait_active "Golfer List"

# The golfer list's Exit writes the rule's setting; the main window's Exit
# ends the program.
keys alt+f e
wait_active "Quillmor for Windows"
file_has "$root/config/quillmor.ini" "^UseMaxIndex=1" || fail "UseMaxIndex was not written"
keys alt+f x
ending=$quillmor
quillmor=
gone() { ! alive "$ending"; }
wait_for "the end of the program" 30 gone
status=0
wait "$ending" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ "$(wc -l <"$work/LEE.qmg")" -eq 1 ] || fail "LEE.qmg changed at the end"
[ ! -e "$work/quillmor.lock" ] || fail "the lock was left behind"

# A program that is killed leaves its lock; the next start takes it over.
start killed.log
quillmor=$!
pids+=("$quillmor")
wait_active "Quillmor for Windows"
kill -KILL "$quillmor"
wait "$quillmor" 2>/dev/null || true
[ -e "$work/quillmor.lock" ] || fail "the killed program left no lock to take over"
start restarted.log
quillmor=$!
pids+=("$quillmor")
wait_active "Quillmor for Windows"
keys alt+f x
ending=$quillmor
quillmor=
wait_for "the end of the restarted program" 30 gone
echo "smoke: a golfer added, a round entered, the index history opened and the data folder's lock checked under $DISPLAY"
