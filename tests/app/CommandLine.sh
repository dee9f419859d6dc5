#!/usr/bin/env bash
# The command line of the real program, without a window: CommandLine.sh PROGRAM
# --help and --version, an unknown option, no display, and missing data folders.
set -u
program=$1
work=$(mktemp -d)
trap 'kill "$started" 2>/dev/null; rm -rf "$work"' EXIT
started=
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS=detect_leaks=0
passed=0
failed=0
check() { # check NAME CONDITION...
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok   $name"
  else
    failed=$((failed + 1))
    echo "FAIL $name"
  fi
}
run() { "$@" >"$work/out" 2>"$work/err"; }

run "$program" --help
check "--help exits 0" test $? = 0
check "--help prints the usage on stdout" grep -q '^usage: halvena' "$work/out"
check "--help prints nothing on stderr" test ! -s "$work/err"
run "$program" --version
check "--version exits 0 with the version on stdout" test $? = 0 -a "$(head -c 10 "$work/out")" = "halvena 2."
run "$program" --frobnicate
check "an unknown option exits 2" test $? = 2
check "an unknown option is named on stderr" grep -qF "halvena: unknown option '--frobnicate'" "$work/err"
check "an unknown option prints nothing on stdout" test ! -s "$work/out"

run env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program"
code=$?
check "without a display the program exits 1, not by Qt's abort" test "$code" = 1
check "without a display the program says so in one line" \
  test "$(cat "$work/err")" = "halvena: cannot open the display"

# A program folder without D/ and I/: two lines on stderr, and the window starts all the same.
mkdir "$work/bare"
cp "$program" "$work/bare/halvena"
QT_QPA_PLATFORM=offscreen "$work/bare/halvena" >"$work/out" 2>"$work/err" &
started=$!
for _ in $(seq 100); do [ "$(grep -c 'is missing' "$work/err")" = 2 ] && break; sleep 0.1; done
check "a missing D/ is named" grep -q '^halvena: the folder D/ with the dictionary is missing in ' "$work/err"
check "a missing I/ is named" grep -q '^halvena: the folder I/ with the pictures is missing in ' "$work/err"
sleep 1
check "the window starts without its data" kill -0 "$started"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
