#!/usr/bin/env bash
# Frame-time figures of the 3D view at the main window's base size: the default
# settings (the game playing its passes), and a full field with everything on.
# Usage: tools/render_bench.sh BUILD_FOLDER [FRAMES]
# Runs under SDL's offscreen driver unless DISPLAY is set (e.g. inside xvfb-run).
set -euo pipefail
build="$(cd "$1" && pwd)"
frames="${2:-600}"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
cp -r "$build/data" "$build/lang.txt" "$root/"
rm -f "$root"/data/Load_*.log "$root"/data/set/cfg.ini "$root"/data/zembrol.lock
[[ -n "${DISPLAY:-}" ]] || export SDL_VIDEODRIVER=offscreen
{
  echo "# All 465 cells, four next figures, ghost, 16 lights with markers, world, balls."
  echo "set gr_NumLights 16"
  echo "set gr_VisibleLights 1"
  echo "set iNumNexts 4"
  echo "set iFantom 2"
  echo "set m_WorldEnable true"
  echo "set iBeSnake 1"
  echo "set bFlyingBonus true"
  echo "set g_MiracleMeter 200"
  echo "# A dropped figure lands first, so its time bonus is in flight during the frames."
  echo "key Down"
  echo "tick 60"
  for r in $(seq 0 30); do echo "row $r 111111111111111"; done
} > "$root/full.txt"
# The same full field with every effect running at once: a figure taken back and
# rising, four rows leaving, the level flight with its title, the banner sliding in
# and a deforming backdrop. The rows leave within 50 frames, so 50 frames are timed.
{
  grep -v '^row \|^key\|^tick\|^# A dropped' "$root/full.txt"
  echo "set m_DelLinesInLevel 1"
  echo "set b_AnimateChangeLevel true"
  echo "set bWalkText true"
  echo "set gr_MoveBkg 3"
  for r in 27 28 29 30; do echo "row $r 111111111111110"; done
  echo "key Down"
  echo "tick 30"
  echo "key Enter"
  echo "tick 2"
  echo "figure 0 0000000000001111"
  echo "set g_FigX 15"
  echo "key Down"
  echo "tick 40"
  for r in $(seq 0 22); do echo "row $r 111111111111111"; done
} > "$root/effects.txt"
run() { "$build/zembrol" --root "$root" --seed 1 --dpi 96 --answer ok "$@"; }
echo "default settings:"
run --bench-frames "$frames"
echo "full field, everything on:"
run --script "$root/full.txt" --bench-frames "$frames"
echo "full field, every effect at once (50 frames):"
run --script "$root/effects.txt" --bench-frames 50
