#!/usr/bin/env bash
# The accessibility tests with Qt's accessibility active: on a virtual screen (Xvfb) through the
# X11 platform, with a session bus and the AT-SPI bus that screen readers listen on, so that the
# controls' announcements travel as they do to a screen reader.
#   AtSpi.sh TEST_EXECUTABLE...
# Each executable runs its tests named Accessible*; none may be skipped. Exits 77 (skipped) when
# Xvfb, dbus-run-session or the AT-SPI bus launcher is missing.
set -u
launcher=/usr/libexec/at-spi-bus-launcher
command -v Xvfb >/dev/null && command -v dbus-run-session >/dev/null && [ -x "$launcher" ] || {
  echo "Xvfb, dbus-run-session and $launcher are needed"
  exit 77
}

work=$(mktemp -d)
chmod 700 "$work"
export XDG_RUNTIME_DIR=$work
display=
for n in $(seq 140 190); do
  [ -e "/tmp/.X$n-lock" ] || { display=$n; break; }
done
[ -n "$display" ] || { echo "no free display number"; exit 1; }
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

status=0
for tests in "$@"; do
  DISPLAY=:$display QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    dbus-run-session -- bash -c \
    '"$1" --launch-immediately & sleep 1; "$2" --gtest_filter="Accessible*"' _ "$launcher" "$tests" \
    >"$work/out" 2>&1
  code=$?
  grep -E '^\[ *(OK|FAILED|SKIPPED) *\]' "$work/out"
  if [ $code -ne 0 ]; then
    echo "FAIL $tests"
    tail -n 40 "$work/out"
    status=1
  elif grep -q '^\[  SKIPPED \]' "$work/out"; then
    echo "FAIL $tests: tests were skipped although accessibility should be active"
    status=1
  fi
done
exit $status
