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
run() { "$build/zembrol" --root "$root" --seed 1 --dpi 96 --answer ok "$@"; }
echo "default settings:"
run --bench-frames "$frames"
echo "full field, everything on:"
run --script "$root/full.txt" --bench-frames "$frames"
