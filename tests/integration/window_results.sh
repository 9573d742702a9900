# The result windows in a window run, driven by real X input: a game over shows the
# level statistics, the record entry and the full statistics in turn, each drawn over
# the game, and OK in each leads on until a new game starts; the level statistics'
# music fades in while its window is open. Once in English and once in Russian;
# screenshots of each window go to the build folder.
source "$(dirname "$0")/lib.sh" "$@"
[[ -n "${DISPLAY:-}" ]] || { echo "skipped: needs a display"; exit 77; }
SHOTS="$BUILD/screenshots"
mkdir -p "$SHOTS"

# Waits until the log has this enter or leave record of a window; fails saying WHAT.
wait_log() { wait_log_count "$PID" "$LOG" "$1" 1 "$2"; }  # text what

# A screenshot once the game has shown three more pictures: the window that just
# opened is on the screen, and what was typed into it is in its field.
shot() {  # name
  wait_frames "$WIN" 3
  import -window "$WIN" "$SHOTS/$1.png"
  echo "screenshot of $1: $SHOTS/$1.png"
}

# Down drops the figure at once (a figure already dropping ignores it); true once the
# field is full, the game over and its level statistics open.
drop_until_over() {
  grep -qF ">> frmLevelStats" "$LOG" && return 0
  xdotool key --window "$WIN" Down 2>/dev/null || true
  return 1
}

play() {  # language file, screenshot suffix, the name typed over the offered one, the name kept
  local root
  root="$(make_root "$2")"
  echo "$1" > "$root/lang.txt"
  sed -i 's/^\[MAIN\]$/[MAIN]\nname=Tester/' "$root/data/set/default.ini"
  LOG="$root/data/Load_$HOST.log"
  xdotool mousemove 1270 1015
  ALSOFT_CONF="$(wave_output "$WORK/$2.wav")" "$ZEMBROL" --root "$root" --seed 7 --set g_Speed=2 \
    > "$WORK/$2.out" 2>&1 &
  PID=$!
  WIN="$(main_window "$PID" "$LOG")"
  # Drop figures until the field is full and the game ends.
  wait_game "$PID" "the level statistics window after the game over" drop_until_over
  shot "level_stats_$2"
  # Its music starts 35 dB down and rises with every frame the window draws. The
  # recording runs behind the game: find where the music changed (its first quiet half
  # second), then compare that with the level five seconds on.
  local opened levels quiet_at quiet_db late_db
  opened="$(wav_seconds "$WORK/$2.wav")"
  sound_for "$PID" "$WORK/$2.wav" 12
  levels="$(sox "$WORK/$2.wav" -t dat - 2>/dev/null | awk -v win=0.5 -f "$(dirname "$0")/sound_windows.awk" |
    awk -v from="$opened" '$1 >= from { printf "%s %.1f\n", $1, 20 * log(($2 + $3) / 2 + 1e-9) / log(10) }')"
  read -r quiet_at quiet_db late_db < <(awk '!t && $2 < -30 { t = $1; q = $2 } t && $1 >= t + 5 && $1 < t + 5.5 { l = $2 }
    END { print t, q, l }' <<<"$levels")
  echo "level statistics music: $quiet_db dB when it starts at ${quiet_at:-?} s, $late_db dB five seconds later"
  [[ -n "$late_db" ]] || fail "the level statistics music did not start quietly: $(tr '\n' ' ' <<<"$levels")"
  awk -v a="$quiet_db" -v b="$late_db" 'BEGIN { exit !(b > a + 5) }' ||
    fail "the level statistics music did not fade in ($quiet_db dB, then $late_db dB)"
  # Space presses the window's OK button.
  xdotool key --window "$WIN" space
  wait_log ">> frmEnterName" "Space to close the level statistics"
  shot "record_entry_$2"
  # The field takes 11 letters (what the statistics record holds): the rest is cut.
  # The field reads keys held as a frame begins: Ctrl+A is held for two more pictures.
  # A is let go before Ctrl: a key repeat of A alone in between would type an "a".
  xdotool keydown --window "$WIN" ctrl+a
  wait_frames "$WIN" 2
  xdotool keyup --window "$WIN" a
  xdotool keyup --window "$WIN" ctrl
  xdotool type --window "$WIN" --delay 50 "$3"
  shot "record_entry_long_$2"
  xdotool key --window "$WIN" Return
  wait_log ">> frmFullStat" "Enter to confirm the record entry"
  shot "full_stat_$2"
  xdotool key --window "$WIN" Escape
  wait_log "<< frmFullStat" "Esc to close the full statistics"
  wait_log_count "$PID" "$LOG" ">> f_Init()" 2 "a new game after the result windows"
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
