#!/usr/bin/env bash
# Without a display the program says so in one line, names the display, shows xvfb-run, and exits with 1.
set -uo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# An X display number that no server holds, so that nothing answers there.
n=7000
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done

passed=0 failed=0
# expect NAME WORDS -- ENV...: one line on stderr holding WORDS, status 1.
expect() {
  local name=$1 words=$2
  shift 3
  # Started by a relative path, as scripts/run.sh starts it; the hint names it from anywhere.
  (cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
    XDG_RUNTIME_DIR="$work" "$@" timeout 20 "$(realpath --relative-to=. "$program")") >"$work/out" 2>"$work/err"
  local status=$? lines
  lines=$(wc -l <"$work/err")
  if [ "$status" -eq 1 ] && [ "$lines" -eq 1 ] && grep -qF -- "$words" "$work/err" &&
     grep -qF "xvfb-run -a $program" "$work/err" && ! grep -q "Reinstalling" "$work/err"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL $name: status $status, $lines lines:" >&2
    cat "$work/err" >&2
  fi
}

expect "no server"        "\":$n\""                    -- DISPLAY=":$n"
expect "DISPLAY empty"    "DISPLAY is empty"           -- DISPLAY=
expect "DISPLAY unset"    "DISPLAY is not set"         --
expect "only Wayland"     "DISPLAY is not set"         -- WAYLAND_DISPLAY=nothing-here
expect "Wayland session"  "\"nothing-here\" is not listening" -- \
  XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=nothing-here DISPLAY=":$n"
expect "no such platform" "\"no-such-platform\""       -- QT_QPA_PLATFORM=no-such-platform
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
