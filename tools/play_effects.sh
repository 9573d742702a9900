#!/usr/bin/env bash
# Plays a short game in the window with real key presses (xdotool) and photographs its
# effects: a take-back, four rows leaving the field at once, the level flight with its
# title, the return to the normal view and the level banner. The game is a Sequence
# game of upright bars (one per column), four rows to a level, so the same presses
# give the same game on any machine. Pictures and a contact sheet go to OUTDIR.
# Usage: tools/play_effects.sh BUILD_FOLDER OUTDIR [english|russian]
# Needs DISPLAY (e.g. a running Xvfb), xdotool and ImageMagick.
set -euo pipefail
build="$(cd "$1" && pwd)"
out="$2"
lang="${3:-english}"
: "${DISPLAY:?run under X (Xvfb)}"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
rm -rf "$out"
mkdir -p "$out"
cp -r "$build/data" "$root/"
echo "$lang.ini" > "$root/lang.txt"
# The player's configuration: bars only, four rows a level, no bonus that changes figures.
sed -e 's/^gt_CurGameType=.*/gt_CurGameType=3/' -e 's/^mSeq_Count=.*/mSeq_Count=1/' -e 's/^u1=.*/u1=2/' \
    -e 's/^m_DelLinesInLevel=.*/m_DelLinesInLevel=4/' -e 's/^bEnableMiracle=.*/bEnableMiracle=False/' \
    -e 's/^EnableSvet=.*/EnableSvet=False/' "$build/data/set/default.ini" > "$root/data/set/$(hostname)1.ini"

# A bar enters upright in column 10: each press moves it one column, Down drops it.
# Column 10's bar is taken back (Return) and dropped again.
plan=()
for c in $(seq 4 18); do
    keys=""
    if ((c < 10)); then keys="$(printf 'Left %.0s' $(seq 1 $((10 - c))))"; fi
    if ((c > 10)); then keys="$(printf 'Right %.0s' $(seq 1 $((c - 10))))"; fi
    plan+=("${keys}Down")
    if ((c == 10)); then plan+=("Return" "Down"); fi
done

"$build/zembrol" --root "$root" --seed 1 --dump-at-exit "$out/state.json" > "$out/game.log" 2>&1 &
pid=$!
win="$(xdotool search --sync --pid "$pid" --name '^Zembrol$' | head -1)"
sleep 1.5
xdotool windowfocus "$win" 2>/dev/null || true
shot() { import -window root "$out/$1.png"; }
last=$((${#plan[@]} - 1))
for k in "${!plan[@]}"; do
    # shellcheck disable=SC2086  # the presses are separate words
    xdotool key --window "$win" --delay 30 ${plan[$k]}
    if [[ "${plan[$k]}" == Return ]]; then
        for t in 1 2 3; do sleep 0.15; shot "takeback_$t"; done
    elif ((k == last)); then
        # The bar falls for about 0.7 s; then the rows shrink (50 passes) while the
        # view flies (165 passes) and the banner slides in.
        sleep 0.55
        for t in $(seq -w 1 22); do shot "rows_and_flight_$t"; sleep 0.12; done
        sleep 2
        shot "after_flight"
    fi
    # Time for the bar to land and the next one to enter, with room for a slow machine.
    sleep 1.6
done
xdotool key --window "$win" alt+F4 2>/dev/null || true
wait "$pid" || true
montage "$out"/takeback_2.png "$out"/rows_and_flight_0{2,4,8}.png "$out"/rows_and_flight_{12,16,20}.png \
    "$out"/after_flight.png -tile 4x2 -geometry 480x360+2+2 "$out/contact_sheet.png"
echo "pictures in $out; the game at exit: $(cat "$out/state.json" | head -c 300)"
