# The settings window in a window run, driven by real X input: Fast and Classic
# chosen on the game tab start a new Classic game at the 10 ms tick (the state dumped
# at exit); the sequence editor, opened from the Sequence type, builds a three-figure
# sequence that the next game plays. Once in English and once in Russian, with a
# screenshot of every tab in the build folder.
source "$(dirname "$0")/lib.sh" "$@"
[[ -n "${DISPLAY:-}" ]] || { echo "skipped: needs a display"; exit 77; }
SHOTS="$BUILD/screenshots"
mkdir -p "$SHOTS"

wait_log() {  # text what
  for _ in $(seq 300); do grep -qF -- "$1" "$LOG" && return 0; kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
  fail "$2 (log: $(tail -3 "$LOG" | tr '\n' '|'))"
}
count() { grep -cF -- "$1" "$LOG" || true; }
shot() {  # name
  sleep 0.6
  import -window "$WIN" "$SHOTS/$1.png"
  echo "screenshot of $1: $SHOTS/$1.png"
}
# A click at base-layout coordinates of the 800 x 600 window; the pointer then leaves.
click_at() { xdotool mousemove --window "$WIN" "$1" "$2" click 1; sleep 0.35; xdotool mousemove 1270 1015; sleep 0.1; }

# Where the controls are: the main window's Settings button; frmSettings centred
# (tabs, options of the game tab, OK); frmSeq centred (figure and sequence buttons).
SETTINGS=(462 357)
TAB_X=(152 251 350 449 547 646); TAB_Y=59
OK=(643 547)
CLASSIC=(220 119); CMDSEQ=(196 144)
# The options' places follow the captions' lengths.
declare -A SEQUENCE_X=([en]=303 [ru]=326) FAST_X=([en]=275 [ru]=329)
BASE_Y=260; DEST_Y=311; SEQ_OK=(623 370)
base_x() { echo $((148 + 52 * $1)); }

start() {  # language file, suffix
  ROOT="$(make_root "$2")"
  echo "$1" > "$ROOT/lang.txt"
  LOG="$ROOT/data/Load_$HOST.log"
  xdotool mousemove 1270 1015
  "$ZEMBROL" --root "$ROOT" --seed 7 --dump-at-exit "$WORK/$2.json" > "$WORK/$2.out" 2>&1 &
  PID=$!
  for _ in $(seq 150); do grep -q "DirectInput8 created" "$LOG" 2>/dev/null && break; sleep 0.1; done
  WIN="$(xdotool search --sync --pid "$PID" --name '^Zembrol$' | head -1)"
  [[ -n "$WIN" ]] || fail "no main window"
  sleep 0.5
}

open_settings() {
  local before
  before="$(count "frmSettings load")"
  click_at "${SETTINGS[@]}"
  for _ in $(seq 100); do [[ "$(count "frmSettings load")" -gt "$before" ]] && return 0; sleep 0.1; done
  fail "the Settings button did not open the settings window"
}

close_settings() {
  local before
  before="$(count "frmSettings unload")"
  click_at "${OK[@]}"
  for _ in $(seq 100); do [[ "$(count "frmSettings unload")" -gt "$before" ]] && return 0; sleep 0.1; done
  fail "OK did not close the settings window"
}

run() {  # language file, suffix
  start "$1" "$2"
  local games
  games="$(count ">> f_Init()")"
  open_settings
  for t in 0 1 2 3 4 5; do
    click_at "${TAB_X[$t]}" "$TAB_Y"
    shot "settings_tab$((t + 1))_$2"
  done
  click_at "${TAB_X[4]}" "$TAB_Y"   # back to the game tab
  click_at "${FAST_X[$2]}" 196
  click_at "${CLASSIC[@]}"
  shot "settings_fast_classic_$2"
  close_settings
  [[ "$(count ">> f_Init()")" -gt "$games" ]] || fail "closing after a new speed and type started no game"
  # Opening and closing without a change starts none, nor does a file choice cancelled.
  games="$(count ">> f_Init()")"
  open_settings
  click_at "${TAB_X[1]}" "$TAB_Y"
  click_at 167 144
  wait_log ">> frmOpen" "the music's button did not open the file window"
  shot "file_open_$2"
  click_at 623 487
  wait_log "<< frmOpen" "Cancel did not close the file window"
  close_settings
  sleep 0.3
  [[ "$(count ">> f_Init()")" == "$games" ]] || fail "closing without a change started a new game"
  close_game_window "$PID" "$LOG"
  grep -qF '"gt_CurGameType":2,"g_Speed":2,"g_TickMs":10' "$WORK/$2.json" ||
    fail "the game at exit is not Classic at the fast tick: $(grep -o '"gt_CurGameType[^}]*g_TickMs":[0-9]*' "$WORK/$2.json")"
  grep -qF "\"PathToBkgMusic\":\"$ROOT/data/music/BkgMusic.wav\"" "$WORK/$2.json" || fail "the cancelled choice changed the music"

  # The sequence editor from the Sequence type: the Classic game left all seven
  # figures in the list; remove them and build figures 5, 1, 6.
  start "$1" "$2_seq"
  open_settings
  click_at "${TAB_X[4]}" "$TAB_Y"
  click_at "${SEQUENCE_X[$2]}" 119
  click_at "${CMDSEQ[@]}"
  wait_log ">> frmSeq" "cmdSeq did not open the sequence editor"
  shot "sequence_editor_$2"
  for _ in 1 2 3 4 5 6 7; do click_at 148 "$DEST_Y"; done
  for f in 5 1 6; do click_at "$(base_x "$f")" "$BASE_Y"; done
  shot "sequence_built_$2"
  click_at "${SEQ_OK[@]}"
  wait_log "<< frmSeq" "OK did not close the sequence editor"
  sleep 0.3
  close_settings
  close_game_window "$PID" "$LOG"
  local set="$ROOT/data/set/${HOST}1.ini"
  tr -d '\r' < "$set" | grep -qx "mSeq_Count=3" || fail "the sequence saved is not three figures long"
  tr -d '\r' < "$set" | grep -x "u[123]=.*" | tr '\n' ' ' | grep -qx "u1=5 u2=1 u3=6 " ||
    fail "the sequence saved is $(tr -d '\r' < "$set" | grep -x "u[0-9]*=.*" | tr '\n' ' ')"
  grep -qF '"gt_CurGameType":3' "$WORK/$2_seq.json" || fail "the game at exit is not of the Sequence type"
}

run english.ini en
run russian.ini ru
exit 0
