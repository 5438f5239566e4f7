#!/bin/sh
# Makes a picture of the combo box's test form with the box's list open, on a screen of its own:
#
#   cmake --build build --target combo_probe corvane_snap
#   tools/combo-snapshot.sh [output .png]      (default build/combo_open.png)
#
# It starts a 320 x 240 Xvfb on a free display, runs the test form (tests/combo_probe --open,
# which drops the list down at start), saves the screen with corvane_snap and ends both.
set -eu
build=${CORVANE_BUILD_DIR:-build}
output=${1:-$build/combo_open.png}
fail() { echo "combo-snapshot: $*" >&2; exit 1; }
command -v Xvfb >/dev/null || fail "Xvfb is not installed: run 'make deps'"
[ -x "$build/tests/combo_probe" ] || fail "build the combo_probe target first"
[ -x "$build/tools/corvane_snap" ] || fail "build the corvane_snap target first"

work=$(mktemp -d)
xvfb_pid=
probe_pid=
cleanup() {
  if [ -n "$probe_pid" ]; then
    kill "$probe_pid" 2>/dev/null || true
    wait "$probe_pid" 2>/dev/null || true
  fi
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb writes the display number it took once it accepts connections.
Xvfb -displayfd 3 -screen 0 320x240x24 -dpi 96 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
tries=0
until [ -s "$work/display" ]; do
  tries=$((tries + 1))
  [ "$tries" -le 100 ] || fail "Xvfb did not start"
  sleep 0.1
done
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY

: >"$work/probe.out"
"$build/tests/combo_probe" --open >"$work/probe.out" &
probe_pid=$!
tries=0
until grep -q "open=1" "$work/probe.out"; do
  tries=$((tries + 1))
  [ "$tries" -le 100 ] || fail "the test form did not open its list"
  sleep 0.1
done
# The list is drawn as it opens; give the server a moment to show it.
sleep 0.3
"$build/tools/corvane_snap" "$output"
echo "$output"
