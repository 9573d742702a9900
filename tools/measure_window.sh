#!/usr/bin/env bash
# Measures the window run under X: time from start to the main loop, and the CPU
# the game takes over SECONDS seconds while a game runs and while it is paused.
# Usage: tools/measure_window.sh BUILD_FOLDER [SECONDS]   (needs DISPLAY, xdotool)
set -euo pipefail
build="$1"
seconds="${2:-20}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$build/data" "$build/lang.txt" "$work/"
log="$work/data/Load_$(hostname).log"
ticks="$(getconf CLK_TCK)"

cpu_of() { awk '{print $14 + $15}' "/proc/$1/stat"; }   # user + system clock ticks

start="$(date +%s%N)"
"$build/zembrol" --root "$work" --seed 1 > /dev/null 2>&1 &
pid=$!
until grep -q "DirectInput8 created" "$log" 2>/dev/null; do sleep 0.005; done
ready="$(date +%s%N)"
echo "start to the main loop: $(( (ready - start) / 1000000 )) ms"
win="$(xdotool search --sync --pid "$pid" --name '^Zembrol$' | head -1)"
sleep 1

measure() {  # label
  local a b
  a="$(cpu_of "$pid")"
  sleep "$seconds"
  b="$(cpu_of "$pid")"
  echo "$1: $(( (b - a) * 100 / ticks / seconds ))% of one core over ${seconds} s"
}
measure "running game"
xdotool mousemove --window "$win" 588 325 click 1   # the Pause button
sleep 0.5
measure "paused game"
xdotool key --window "$win" alt+F4 2>/dev/null || true
wait "$pid" || true
