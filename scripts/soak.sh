#!/usr/bin/env bash
# Soak: the computer plays GAMES whole games over every game type (the Trial series
# included) and every speed, in runs of 25 games, each run on a fresh application
# folder under a memory cap and a time limit. A run that crashes, is killed, exits
# with an error, prints fewer games than asked, grows past the cap, or leaves a last
# game whose replay does not match is a find: its command is printed and the script
# fails. The peak memory of the runs (least, most) shows whether memory stays flat.
#   scripts/soak.sh [GAMES] [BUILD]      (default: 1200 games, the build folder "build")
set -euo pipefail
cd "$(dirname "$0")/.."
games="${1:-1200}"
build="${2:-build}"
per_run=25
cap_kb=$((2 * 1024 * 1024))   # address space per run
exe="$PWD/$build/zembrol"
[[ -x "$exe" ]] || { echo "soak: no game at $exe (build it first)" >&2; exit 2; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# One run: type speed seed. Prints "ok PEAK_KB" or "find: REASON: COMMAND".
run_one() {
  local type="$1" speed="$2" seed="$3" root="$work/r-$1-$2-$3"
  mkdir -p "$root"
  cp -r "$build/data" "$build/lang.txt" "$root/"
  local cmd=("$exe" --root "$root" --headless --seed "$seed" --demo --games "$per_run"
             --set "gt_CurGameType=$type" --set "g_Speed=$speed")
  local code=0
  ( ulimit -v "$cap_kb"; exec /usr/bin/time -f %M -o "$root/peak" timeout 300 "${cmd[@]}" ) \
    > "$root/out.json" 2> "$root/err.txt" || code=$?
  local why=""
  if ((code != 0)); then why="exit code $code ($(tail -c 300 "$root/err.txt" | tr '\n' ' '))"
  elif [[ "$(grep -c '^{"game"' "$root/out.json")" != "$per_run" ]]; then why="not every game was played"
  elif ! "$exe" --root "$root" --headless --replay "$root/data/replays/last.zrp" > "$root/replay.txt" 2>&1; then
    why="the last game does not replay ($(tail -1 "$root/replay.txt"))"
  fi
  if [[ -n "$why" ]]; then echo "find: $why: ${cmd[*]}"
  else echo "ok $(tail -1 "$root/peak")"; rm -rf "$root"; fi
}
export -f run_one
export exe build work per_run cap_kb

runs=$(( (games + per_run - 1) / per_run ))
jobs=()
for ((k = 0; k < runs; ++k)); do
  jobs+=("$((k % 4 + 1)) $((k / 4 % 3)) $((1000 + k))")   # types 1..4 (4: Trial), speeds 0..2
done
printf '%s\n' "${jobs[@]}" | xargs -P "$(nproc)" -L 1 bash -c 'run_one "$@"' _ > "$work/results"

finds="$(grep -c '^find' "$work/results" || true)"
grep '^find' "$work/results" >&2 || true
peaks="$(awk '/^ok/ { print $2 }' "$work/results" | sort -n)"
echo "soak: $((runs * per_run)) games in $runs runs over game types 1-4 and speeds 0-2;" \
     "$finds finds; peak memory per run $(head -1 <<<"$peaks") to $(tail -1 <<<"$peaks") kB"
((finds == 0))
