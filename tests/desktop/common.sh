# Shared by the desktop tests: a temporary folder that goes when the test
# ends, checks that say what failed, and starting the program until it has
# made its data folder ready.
set -euo pipefail

tmp="$(mktemp -d)"
started=()
cleanup() {
  local pid
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf -- "$tmp"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
check() {  # check DESCRIPTION COMMAND...
  local what="$1"
  shift
  if ! "$@"; then fail "$what"; fi
}
finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}

# start_program PROGRAM FOLDER-TO-WATCH [ARGUMENT]...: starts PROGRAM on the
# offscreen platform with HOME and the settings folder in $tmp, and waits
# (up to 60 s) until FOLDER-TO-WATCH holds courses.qmd: the sample course
# list copied in and renamed by the first start. Sets $pid.
start_program() {
  local program="$1" watch="$2"
  shift 2
  mkdir -p "$tmp/home" "$tmp/config"
  HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" QT_QPA_PLATFORM=offscreen \
    "$program" "$@" >"$tmp/out" 2>"$tmp/err" &
  pid=$!
  started+=("$pid")
  local waited=0
  while [ ! -e "$watch/courses.qmd" ] && [ "$waited" -lt 600 ]; do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "the program ended early:" >&2
      cat "$tmp/err" >&2
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  [ -e "$watch/courses.qmd" ]
}

stop_program() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
