#!/usr/bin/env bash
# End-to-end tests of the real program on virtual screens (Xvfb), driven with xdotool:
#   EndToEnd.sh PROGRAM BUILD_FOLDER
# Window size and position at several screen sizes, a too-small screen, a second start, two
# starts at the same instant, "UNINSTALL" against an installation into a temporary prefix, and
# the output buttons.
# Exits 77 (skipped) when Xvfb or xdotool is missing.
set -u
program=$1
build=$2
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || {
  echo "Xvfb and xdotool are needed"
  exit 77
}

work=$(mktemp -d)
chmod 700 "$work"
# A runtime folder of its own keeps the single-instance channel away from a copy that a person
# runs on this machine.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
export ASAN_OPTIONS=detect_leaks=0
passed=0
failed=0
xvfb=
pids=()

cleanup() {
  stop_screen
  rm -rf "$work"
}
trap cleanup EXIT

check() {  # check NAME CONDITION...
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

# Starts a virtual screen of WxH and exports DISPLAY.
start_screen() {
  stop_screen
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=:$(cat "$work/display")
}

stop_screen() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  pids=()
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    xvfb=
  fi
  rm -f "$XDG_RUNTIME_DIR"/Halvena-*
}

# The ids of the visible main windows.
main_windows() {
  xdotool search --onlyvisible --name '^Halvena 2\.0 release 3$' 2>/dev/null
}

# Waits up to 20 seconds until exactly N main windows are visible.
wait_windows() {
  for _ in $(seq 200); do
    [ "$(main_windows | wc -l)" -eq "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# Waits up to 20 seconds for process PID to end; its exit code lands in $status.
wait_exit() {
  for _ in $(seq 200); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"
      status=$?
      return 0
    fi
    sleep 0.1
  done
  return 1
}

geometry_is() {  # geometry_is X Y W H
  local id
  id=$(main_windows | head -n1)
  [ -n "$id" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo "     window at $X,$Y size ${WIDTH}x$HEIGHT"
  [ "$X $Y $WIDTH $HEIGHT" = "$1 $2 $3 $4" ]
}

# Window size and position for each screen-size class.
while read -r screen x y w h; do
  start_screen "$screen"
  "$program" >/dev/null 2>&1 &
  pids+=($!)
  check "window on a $screen screen appears" wait_windows 1
  check "window on a $screen screen is ${w}x$h at $x,$y" geometry_is "$x" "$y" "$w" "$h"
done <<'SIZES'
800x600 80 60 640 480
1024x768 112 84 800 600
1280x1024 128 128 1024 768
1600x900 288 66 1024 768
SIZES
check "the window's X11 class is Halvena" test -n "$(xdotool search --onlyvisible --class '^Halvena$')"

start_screen 600x800
"$program" >/dev/null 2>&1 &
pid=$!
status=
check "a 600x800 screen ends the program" wait_exit "$pid"
check "a 600x800 screen gives exit code 1" test "$status" = 1

# A second start hands over and ends; one window stays.
start_screen 1024x768
"$program" >/dev/null 2>&1 &
pids+=($!)
wait_windows 1
"$program" >/dev/null 2>&1 &
pid=$!
status=
check "a second start ends" wait_exit "$pid"
check "a second start ends with code 0" test "$status" = 0
sleep 0.5
check "a second start leaves one window" wait_windows 1

# Two copies started at the same instant: one runs, the other hands over.
start_screen 1024x768
"$program" >/dev/null 2>&1 &
first=$!
"$program" >/dev/null 2>&1 &
second=$!
pids+=("$first" "$second")
check "two copies started together show one window" wait_windows 1
sleep 1
alive=0
for pid in "$first" "$second"; do kill -0 "$pid" 2>/dev/null && alive=$((alive + 1)); done
check "two copies started together leave one running" test "$alive" = 1

# Install into a temporary prefix, run the installed program, then "UNINSTALL".
start_screen 1024x768
prefix=$work/prefix
mkdir "$prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1
check "installation writes the launcher" test -x "$prefix/bin/halvena"
check "installation writes the desktop entry" test -f "$prefix/share/applications/nl.halvena.halvena.desktop"
check "installation writes the uninstall record" test -f "$prefix/lib/halvena/installation.ini"
"$prefix/bin/halvena" >/dev/null 2>&1 &
installed=$!
pids+=("$installed")
check "the installed program shows its window" wait_windows 1
"$prefix/bin/halvena" UNINSTALL >/dev/null 2>&1
check "UNINSTALL ends with code 0" test $? = 0
check "UNINSTALL closes the running copy" wait_exit "$installed"
removed() {
  for _ in $(seq 100); do
    [ -z "$(find "$prefix" -mindepth 1)" ] && return 0
    sleep 0.1
  done
  find "$prefix" -mindepth 1 | head -n 5
  return 1
}
check "UNINSTALL removes the installation" removed
stop_screen

# Output: "Klembord" copies the entry on screen, "?" starts the desktop's browser opener with the
# help address, the info button shows one about window however often it is pressed, and
# quitting shows the about window as a farewell before the program ends. Clicks land on the
# buttons' places in the 800 x 600 window of a 1024 x 768 screen.
output_checks() {
  if ! command -v xclip >/dev/null; then
    echo "skip output checks: xclip is needed"
    return
  fi
  local bin=$work/bin log=$work/xdg-open.log id pid
  mkdir -p "$bin"
  printf '#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s"\n' "$log" >"$bin/xdg-open"
  chmod +x "$bin/xdg-open"

  click_at() {  # click_at X Y, in the main window
    xdotool mousemove --window "$id" "$1" "$2" click 1
    sleep 0.5
  }
  about_windows() {
    xdotool search --onlyvisible --name '^Halvena$' 2>/dev/null | wc -l
  }
  wait_about() {  # wait_about N: up to 10 seconds until N about windows are visible
    for _ in $(seq 100); do
      [ "$(about_windows)" -eq "$1" ] && return 0
      sleep 0.1
    done
    return 1
  }

  start_screen 1024x768
  PATH=$bin:$PATH "$program" >/dev/null 2>&1 &
  pid=$!
  pids+=("$pid")
  check "output: the window appears" wait_windows 1
  id=$(main_windows | head -n1)
  sleep 1

  click_at 720 498
  local title clip
  title=$("$build/halvena-dict" contents "$build/D/IDbRecs.dat" A | head -n1 | cut -d'|' -f2)
  clip=$(xclip -selection clipboard -o -target UTF8_STRING 2>/dev/null | tr -d '\r')
  check "Klembord copies the shown entry ($title)" test "$(printf '%s\n' "$clip" | head -n1)" = "$title"
  check "Klembord ends with the publisher's notice" \
    test "$(printf '%s\n' "$clip" | tail -n1)" = "Bron: Halvena, medisch woordenboek van uitgeverij Zenta."
  check "Klembord leaves out the braces" test -z "$(printf '%s' "$clip" | tr -cd '{}')"

  click_at 19 16
  click_at 19 16
  click_at 19 16
  check "the info button shows one about window" wait_about 1
  sleep 0.5
  check "pressing it three times still shows one" test "$(about_windows)" -eq 1

  click_at 782 15
  check "quitting shows the farewell" wait_about 1
  check "the main window is gone during the farewell" wait_windows 0
  status=
  check "the program ends after the farewell" wait_exit "$pid"
  check "the program ends with code 0" test "$status" = 0

  start_screen 1024x768
  PATH=$bin:$PATH "$program" >/dev/null 2>&1 &
  pids+=($!)
  wait_windows 1
  id=$(main_windows | head -n1)
  sleep 1
  click_at 732 15
  started() {
    for _ in $(seq 50); do
      [ -s "$log" ] && break
      sleep 0.1
    done
    grep -qx 'https://help\.tarnix\.example/index\.dll?lngid=31&customerno=zenta&programlabel=tervolin&programversionnumber=2032&show=onlinehelp' "$log"
  }
  check "? starts xdg-open with the help address" started
  stop_screen
}
output_checks

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
