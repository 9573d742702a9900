# The result windows in a window run, driven by real X input: a game over shows the
# level statistics, the record entry and the full statistics in turn, each drawn over
# the game, and OK in each leads on until a new game starts. Once in English and once
# in Russian; screenshots of each window go to the build folder.
source "$(dirname "$0")/lib.sh" "$@"
[[ -n "${DISPLAY:-}" ]] || { echo "skipped: needs a display"; exit 77; }
SHOTS="$BUILD/screenshots"
mkdir -p "$SHOTS"

# Waits until the log has this enter or leave record of a window; fails after ~30 s.
wait_log() {  # pattern what
  for _ in $(seq 300); do grep -qF -- "$1" "$LOG" && return 0; kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
  fail "$2 (log: $(tail -3 "$LOG" | tr '\n' '|'))"
}

shot() {  # name
  sleep 0.8   # the window's first frames and the bars' growth
  import -window "$WIN" "$SHOTS/$1.png"
  echo "screenshot of $1: $SHOTS/$1.png"
}

# Window-relative click at base-layout coordinates.
click_at() { xdotool mousemove --window "$WIN" "$1" "$2" click 1; sleep 0.3; xdotool mousemove 1270 1015; }

play() {  # language file, screenshot suffix, the name typed over the offered one, the name kept
  local root
  root="$(make_root "$2")"
  echo "$1" > "$root/lang.txt"
  sed -i 's/^\[MAIN\]$/[MAIN]\nname=Tester/' "$root/data/set/default.ini"
  LOG="$root/data/Load_$HOST.log"
  xdotool mousemove 1270 1015
  "$ZEMBROL" --root "$root" --seed 7 --set g_Speed=2 > "$WORK/$2.out" 2>&1 &
  PID=$!
  for _ in $(seq 150); do grep -q "DirectInput8 created" "$LOG" 2>/dev/null && break; sleep 0.1; done
  WIN="$(xdotool search --sync --pid "$PID" --name '^Zembrol$' | head -1)"
  [[ -n "$WIN" ]] || fail "no main window"
  sleep 0.5
  # Drop figures until the field is full and the game ends.
  for _ in $(seq 120); do
    grep -qF ">> frmLevelStats" "$LOG" && break
    xdotool key --window "$WIN" Down 2>/dev/null || true
    sleep 0.25
  done
  wait_log ">> frmLevelStats" "no level statistics window after the game over"
  shot "level_stats_$2"
  # Space presses the window's OK button.
  xdotool key --window "$WIN" space
  wait_log ">> frmEnterName" "Space did not close the level statistics"
  shot "record_entry_$2"
  # The field takes 11 letters (what the statistics record holds): the rest is cut.
  xdotool key --window "$WIN" ctrl+a
  sleep 0.3
  xdotool type --window "$WIN" --delay 50 "$3"
  shot "record_entry_long_$2"
  xdotool key --window "$WIN" Return
  wait_log ">> frmFullStat" "Enter did not confirm the record entry"
  shot "full_stat_$2"
  # OK at the window's bottom right: the window is centred in the 800 x 600 window.
  local ok
  ok="$(grep -c '<< frmFullStat' "$LOG" || true)"
  xdotool key --window "$WIN" Escape
  wait_log "<< frmFullStat" "Esc did not close the full statistics"
  for _ in $(seq 50); do [[ "$(grep -c '>> f_Init()' "$LOG")" -ge 2 ]] && break; sleep 0.1; done
  [[ "$(grep -c '>> f_Init()' "$LOG")" -ge 2 ]] || fail "no new game after the result windows"
  # The new game's record display: the list holds the record, the place labels its distance.
  shot "new_game_$2"
  close_game_window "$PID" "$LOG"
  tr -d '\r' < "$root/data/set/DF_fast_zemb.txt" | grep -qx "$4" || fail "the record table lacks the name $4"
  [[ -s "$root/data/set/DS_fastzemb.zmb" ]] || fail "no full statistics file"
}

play english.ini en Maximilianus Maximilianu
play russian.ini ru Konstantinovich Konstantino

# A screenshot run with a script: the windows take the script's lines, as headless.
root="$(make_root shot)"
echo english.ini > "$root/lang.txt"
"$ZEMBROL" --root "$root" --seed 1 --script "$(dirname "$0")/../loop/scripts/record_windows.txt" \
  --screenshot "$WORK/shot.png" > "$WORK/shot.json" || fail "scripted screenshot run: exit $?"
[[ "$(wc -l < "$WORK/shot.json")" == 5 ]] || fail "the scripted screenshot run printed $(wc -l < "$WORK/shot.json") dumps"
grep -q '"window":"frmFullStat"' "$WORK/shot.json" || fail "the scripted screenshot run did not reach the full statistics"
exit 0
