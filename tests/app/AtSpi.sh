#!/usr/bin/env bash
# Accessibility as a screen reader meets it: on a virtual screen (Xvfb) through the X11 platform,
# with a session bus and the AT-SPI bus that screen readers listen on.
#   AtSpi.sh PROGRAM TEST_EXECUTABLE...
# First each test executable runs its tests named Accessible* with Qt's accessibility active, so
# that the controls' announcements travel as they do to a screen reader; none may be skipped.
# Then the real program starts and its tree of accessible objects is read over the AT-SPI bus, as
# a screen reader reads it, and must hold the skinned buttons, lists, rows and figure by name.
# Exits 77 (skipped) when Xvfb, dbus-run-session, gdbus or the AT-SPI bus launcher is missing.
set -u
launcher=/usr/libexec/at-spi-bus-launcher

# Inside the session: the AT-SPI bus, then COMMAND with accessibility on.
if [ "${1:-}" = --in-session ]; then
  shift
  "$launcher" --launch-immediately >/dev/null 2>&1 &
  bus=$!
  sleep 1
  export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  if [ "$1" != --tree ]; then
    "$@"
    code=$?
    kill $bus
    exit $code
  fi
  "$2" >/dev/null 2>&1 &
  program=$!
  a11y=
  for _ in $(seq 50); do
    a11y=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
      --method org.a11y.Bus.GetAddress 2>/dev/null | sed "s/^('\(.*\)',)$/\1/")
    [ -n "$a11y" ] && break
    sleep 0.2
  done
  call() { gdbus call --address "$a11y" --dest "$app" --object-path "$@"; }
  # The program is the first application the registry knows; it registers once its window is up.
  app=
  for _ in $(seq 100); do
    app=$(dest=org.a11y.atspi.Registry &&
      gdbus call --address "$a11y" --dest $dest --object-path /org/a11y/atspi/accessible/root \
        --method org.a11y.atspi.Accessible.GetChildren 2>/dev/null | grep -o "':[0-9.]*'" |
      head -n1 | tr -d "'")
    [ -n "$app" ] && call /org/a11y/atspi/accessible/root \
      --method org.a11y.atspi.Accessible.GetChildren 2>/dev/null | grep -q accessible/ && break
    sleep 0.2
  done
  sleep 3  # the dictionary loads behind the window
  # Prints "ROLE: NAME" of the object at PATH and of everything under it, rows without their
  # children.
  walk() {
    local path=$1 role name kids
    role=$(call "$path" --method org.a11y.atspi.Accessible.GetRoleName | sed "s/^('\(.*\)',)$/\1/")
    name=$(call "$path" --method org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible \
      Name | sed "s/^(<'\(.*\)'>,)$/\1/")
    echo "$role: $name"
    [ "$role" = "list item" ] && return
    kids=$(call "$path" --method org.a11y.atspi.Accessible.GetChildren |
      grep -o "'/org/a11y/atspi/accessible/[^']*'" | tr -d "'")
    for kid in $kids; do walk "$kid"; done
  }
  walk /org/a11y/atspi/accessible/root
  kill $program $bus
  exit 0
fi

program=$1
shift
for tool in Xvfb dbus-run-session gdbus; do
  command -v $tool >/dev/null || { echo "$tool is needed"; exit 77; }
done
[ -x "$launcher" ] || { echo "$launcher is needed"; exit 77; }

work=$(mktemp -d)
chmod 700 "$work"
export XDG_RUNTIME_DIR=$work
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

status=0
for tests in "$@"; do
  dbus-run-session -- "$0" --in-session "$tests" --gtest_filter='Accessible*' >"$work/out" 2>&1
  code=$?
  grep -E '^\[ *(OK|FAILED|SKIPPED) *\]' "$work/out"
  if [ $code -ne 0 ]; then
    echo "FAIL $tests"
    tail -n 40 "$work/out"
    status=1
  elif grep -q '^\[  SKIPPED \]' "$work/out"; then
    echo "FAIL $tests: tests were skipped although accessibility is active"
    status=1
  fi
done

dbus-run-session -- "$0" --in-session --tree "$program" 2>/dev/null >"$work/tree"
echo "$(wc -l <"$work/tree") accessible objects read over the AT-SPI bus"
for want in "push button: H" "push button: Geeft het zoeken via anatomisch model weer" \
  "push button: Wisselen tussen man/vrouw" "list: Inhoud" "list item: Aambeien" "list: Tekst" \
  "graphic: Lichaamsfiguur"; do
  if grep -qxF "$want" "$work/tree"; then
    echo "ok   $want"
  else
    echo "FAIL $want"
    status=1
  fi
done
[ $status -eq 0 ] || head -n 80 "$work/tree"
exit $status
