#!/usr/bin/env bash
# What the running saver costs, as a user's machine pays it: Corvane.scr /s alone on an Xvfb
# screen of its own for a while, with the CPU time of the program and of the X server per tick of
# its 64 Hz animation timer, and the program's resident memory at the end.
#
#   bench/saver_cpu.sh [build folder] [seconds] [other build folder]   (defaults: build-bench, 10)
#
# Screens of 1920 x 1080 and 3840 x 2160. The figures are CPU time, not wall time; the tick count
# is the timer's nominal rate times the run. Given another build (an older commit's, say), each
# screen runs it right after this one, so that the two rows of a screen meet the same load from
# the rest of the machine.
set -euo pipefail
build=${1:-build-bench}
seconds=${2:-10}
builds=("$build")
[ $# -ge 3 ] && builds+=("$3")
for b in "${builds[@]}"; do
  [ -x "$b/Corvane.scr" ] || { echo "saver_cpu: $b/Corvane.scr is not built" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "saver_cpu: Xvfb is not installed: run 'make deps'" >&2; exit 1; }

hz=$(getconf CLK_TCK)
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# User plus system CPU time of a process so far, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_mb() { awk '/^VmRSS:/ {printf "%.0f", $2 / 1024}' "/proc/$1/status"; }

# One run of the saver in build folder $1 on a screen of size $2, printed as a row.
measure() {
  local xvfb saver_pid saver0 saver1 x0 x1 rss
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 "$2x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb=$!
  pids+=("$xvfb")
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "saver_cpu: Xvfb did not start" >&2; exit 1; }
  DISPLAY=":$(head -n 1 "$work/display")" SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME="$work" \
    "$1/Corvane.scr" /s 2>"$work/saver.log" &
  saver_pid=$!
  pids+=("$saver_pid")
  sleep 2  # start-up: the capture and the first frame are not the steady state measured
  kill -0 "$saver_pid" 2>/dev/null || { cat "$work/saver.log" >&2; exit 1; }
  saver0=$(cpu_ticks "$saver_pid")
  x0=$(cpu_ticks "$xvfb")
  sleep "$seconds"
  saver1=$(cpu_ticks "$saver_pid")
  x1=$(cpu_ticks "$xvfb")
  rss=$(rss_mb "$saver_pid")
  kill "$saver_pid" "$xvfb"
  wait "$saver_pid" "$xvfb" 2>/dev/null || true
  awk -v s=$((saver1 - saver0)) -v x=$((x1 - x0)) -v hz="$hz" -v n=$((64 * seconds)) \
    -v screen="$2" -v build="$1" -v rss="$rss" 'BEGIN {
      printf "%-11s %14.3f %14.3f %14.3f %10s  %s\n", screen, s * 1000 / hz / n, x * 1000 / hz / n,
             (s + x) * 1000 / hz / n, rss, build }'
}

printf '%-11s %14s %14s %14s %10s  %s\n' screen "saver ms/tick" "X ms/tick" "total ms/tick" "saver MB" build
for screen in 1920x1080 3840x2160; do
  for b in "${builds[@]}"; do measure "$b" "$screen"; done
done
