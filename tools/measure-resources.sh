#!/usr/bin/env bash
# Runs the built saver (/s, no music unless a settings file is given) for SECONDS (default 60) on
# a private Xvfb of 1920 x 1080 and prints, at 10 s and at the end, the processor time it has
# used, its resident memory, open descriptors and threads, so that growth between the two shows.
# Usage: tools/measure-resources.sh [build folder (default build)] [settings file]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${SECONDS_TO_RUN:-60}

work=$(mktemp -d)
saver='' server=''
finish() {
  [ -z "$saver" ] || { kill "$saver" && wait "$saver"; } 2>/dev/null || true
  [ -z "$server" ] || kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
cp "$build/Corvane.scr" "$build/Corvane.dll" "$work/"
if [ $# -ge 2 ]; then cp "$2" "$work/Corvane.ini"; else printf '[Section]\r\n' >"$work/Corvane.ini"; fi
mkdir -p "$work/config" "$work/run"
chmod 700 "$work/run"

exec {ready}<> <(:)
Xvfb -displayfd "$ready" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
read -r -u "$ready" number
XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" DISPLAY=":$number" \
  "$work/Corvane.scr" /s &
saver=$!

sample() {  # sample <label>
  local ticks cpu rss fds threads
  ticks=$(awk '{print $14 + $15}' "/proc/$saver/stat")
  cpu=$(awk -v t="$ticks" -v hz="$(getconf CLK_TCK)" 'BEGIN {printf "%.1f", t / hz}')
  rss=$(awk '/^VmRSS/ {print $2}' "/proc/$saver/status")
  threads=$(awk '/^Threads/ {print $2}' "/proc/$saver/status")
  fds=$(find "/proc/$saver/fd" -mindepth 1 | wc -l)
  echo "$1: cpu ${cpu}s rss ${rss} kB descriptors ${fds} threads ${threads}"
}

sleep 10
sample "at 10 s"
sleep $((seconds - 10))
sample "at ${seconds} s"
