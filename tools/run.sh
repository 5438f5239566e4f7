#!/usr/bin/env bash
# `make run`: shows the saver.
#
# On a desktop (DISPLAY set) it runs `Corvane.scr /s` there: a key press or a click ends it.
# Without a display, or with --xvfb, it makes a screen of its own with Xvfb, puts a made-up desktop
# on it, runs the saver over it for about five seconds, then opens the settings dialog, keeps frames
# of both as PNG pictures in build/run/ and says what they show. Every process it starts is ended
# before it exits, whatever happens.
#
#   tools/run.sh [--xvfb]        (CORVANE_BUILD_DIR chooses the build folder, default build)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${CORVANE_BUILD_DIR:-build}
saver=$build/Corvane.scr
desktop=$build/tools/corvane_demo_desktop
snap=$build/tools/corvane_snap
out=$build/run
seconds=5

fail() {
  echo "make run: $*" >&2
  exit 1
}

headless=0
case "${1:-}" in
  --xvfb) headless=1 ;;
  "") [ -n "${DISPLAY:-}" ] || headless=1 ;;
  *) fail "unknown argument '$1' (the only one is --xvfb)" ;;
esac

[ -x "$saver" ] || fail "$saver is not built yet: run 'make build' first"
if [ "$headless" = 0 ]; then
  exec "$saver" /s
fi

{ [ -x "$desktop" ] && [ -x "$snap" ]; } || fail "$desktop and $snap are not built yet: run 'make build'"
command -v Xvfb >/dev/null || fail "Xvfb is not installed: run 'make deps'"

work=$(mktemp -d "${TMPDIR:-/tmp}/corvane-run.XXXXXX")
xvfb_pid=""
desktop_pid=""
saver_pid=""

# Ends one process we started: politely first, then for good.
stop() {
  local pid=$1
  [ -n "$pid" ] || return 0
  kill -TERM "$pid" 2>/dev/null || true
  for _ in $(seq 30); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

cleanup() {
  stop "$saver_pid"
  stop "$desktop_pid"
  stop "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The last lines a process wrote on stderr, to explain a failure.
tail_of() {
  [ -s "$1" ] && sed -e 's/^/    /' "$1" | tail -n 5 >&2
  return 0
}

# Waits up to $1 tenths of a second for a command to succeed; stops early when it fails with
# status 2, which means that waiting longer is pointless.
wait_for() {
  local tenths=$1 status
  shift
  for _ in $(seq "$tenths"); do
    status=0
    "$@" || status=$?
    [ "$status" = 0 ] || [ "$status" = 1 ] || return "$status"
    [ "$status" = 0 ] && return 0
    sleep 0.1
  done
  return 1
}

alive() { kill -0 "$1" 2>/dev/null; }
gone() { ! alive "$1"; }

# A screen of our own on a free display number: Xvfb writes the number it took once it accepts
# connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset \
  3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
# Succeeds once the line it waits for is in the file, and gives up at once if the process that
# should write it has gone.
written_by() {
  grep -q "$3" "$2" && return 0
  alive "$1" || return 2
  return 1
}
status=0
wait_for 100 written_by "$xvfb_pid" "$work/display" . || status=$?
if [ "$status" != 0 ]; then
  tail_of "$work/xvfb.log"
  fail "Xvfb did not start"
fi
display=":$(head -n 1 "$work/display")"
export DISPLAY=$display
# A machine without a display usually has no sound either; the saver plays into nothing then.
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

"$desktop" >"$work/desktop.out" 2>"$work/desktop.log" &
desktop_pid=$!
status=0
wait_for 300 written_by "$desktop_pid" "$work/desktop.out" '^ready' || status=$?
if [ "$status" != 0 ]; then
  tail_of "$work/desktop.log"
  fail "the demonstration desktop did not come up on $display"
fi

mkdir -p "$out"
rm -f "$out"/[0-9]-*.png

# Saves what the screen shows as $out/$1, or only the area given after the name (x y width height).
frame() {
  "$snap" "$out/$1" "${@:2}" >/dev/null 2>"$work/snap.log" || {
    tail_of "$work/snap.log"
    fail "could not save $out/$1"
  }
}

frame 1-desktop.png

"$saver" /s >"$work/saver.out" 2>"$work/saver.log" &
saver_pid=$!
started=$(date +%s%N)
elapsed_ms() { echo $((($(date +%s%N) - started) / 1000000)); }

# The saver ending by itself means it never showed anything: say so rather than keep pictures of
# an empty desktop as if they were the saver's.
ended_early() {
  local status=0
  wait "$saver_pid" || status=$?
  saver_pid=""
  tail_of "$work/saver.log"
  fail "Corvane.scr /s ended by itself after about $(elapsed_ms) ms (exit status $status) instead \
of running until it was ended; the desktop it should have covered is in $out/1-desktop.png"
}

for n in 1 2 3 4; do
  wait_for 10 gone "$saver_pid" && ended_early
  frame "$((n + 1))-saver-${n}s.png"
done
wait_for $(((seconds - 4) * 10)) gone "$saver_pid" && ended_early

# Idle hosts end a saver with SIGTERM; it must leave as it would after a key press.
kill -TERM "$saver_pid"
if ! wait_for 50 gone "$saver_pid"; then
  fail "Corvane.scr did not end within five seconds of SIGTERM"
fi
status=0
wait "$saver_pid" || status=$?
saver_pid=""
[ "$status" = 0 ] || {
  tail_of "$work/saver.log"
  fail "Corvane.scr ended with status $status after SIGTERM instead of 0"
}
# The desktop's windows draw themselves again once the saver's window is gone: wait until the
# screen is the desktop of the first frame again.
restored() {
  frame 6-after.png
  cmp -s "$out/1-desktop.png" "$out/6-after.png"
}
wait_for 10 restored || fail "the desktop did not come back after the saver ended (see $out/6-after.png)"

# The settings dialog, as `Corvane.scr /c` opens it from a desktop's saver settings: it grows out
# of the pointer and settles centred, a third of the way down. It is kept once two pictures in a row
# agree, and closed as the window manager would, without saving anything.
dialog_area=(415 235 450 319)
frame 7-dialog.png "${dialog_area[@]}"
cp "$out/7-dialog.png" "$work/under-dialog.png"
"$saver" /c >"$work/dialog.out" 2>"$work/dialog.log" &
saver_pid=$!
dialog_settled() {
  alive "$saver_pid" || return 2
  cp "$out/7-dialog.png" "$work/last.png"
  frame 7-dialog.png "${dialog_area[@]}"
  cmp -s "$out/7-dialog.png" "$work/last.png" && ! cmp -s "$out/7-dialog.png" "$work/under-dialog.png"
}
status=0
wait_for 100 dialog_settled || status=$?
if [ "$status" != 0 ]; then
  tail_of "$work/dialog.log"
  fail "Corvane.scr /c did not show its settings dialog (see $out/7-dialog.png)"
fi
stop "$saver_pid"
saver_pid=""

same=()
for n in 1 2 3 4; do
  cmp -s "$out/1-desktop.png" "$out/$((n + 1))-saver-${n}s.png" && same+=("$((n + 1))-saver-${n}s.png")
done
if [ "${#same[@]}" -gt 0 ]; then
  fail "the saver was running but these frames show the bare desktop: ${same[*]} (in $out/)"
fi

cat <<EOF
make run: Corvane.scr /s ran for about $seconds s over a made-up desktop on a 1280 x 1024 Xvfb
screen ($display) and ended on SIGTERM with status 0, as it would on a key press.
Frames in $out/:
  1-desktop.png    the desktop before the saver: wallpaper, icons, four windows, task bar
  2-saver-1s.png   the saver about 1 s in: the captured desktop with the polished-metal strip
  3-saver-2s.png   2 s in: the strip has moved on and the desktop behind it is whole again
  4-saver-3s.png   3 s in
  5-saver-4s.png   4 s in
  6-after.png      after the saver ended: the desktop's windows have drawn themselves back
  7-dialog.png     the settings dialog that 'Corvane.scr /c' opens, closed again without saving
EOF
