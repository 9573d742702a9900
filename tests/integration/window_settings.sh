# The settings window in a window run, driven by real X input: Fast and Classic
# chosen on the game tab start a new Classic game at the 10 ms tick (the state dumped
# at exit); the sequence editor, opened from the Sequence type, builds a three-figure
# sequence that the next game plays. Once in English and once in Russian, with a
# screenshot of every tab in the build folder.
source "$(dirname "$0")/lib.sh" "$@"
[[ -n "${DISPLAY:-}" ]] || { echo "skipped: needs a display"; exit 77; }
SHOTS="$BUILD/screenshots"
mkdir -p "$SHOTS"

# Waits until the log has TEXT N times (once when not given); fails saying WHAT.
wait_log() { wait_log_count "$PID" "$LOG" "$1" "${3:-1}" "$2"; }  # text what [n]
count() { log_count "$LOG" "$1"; }
shot() {  # name: the last step's picture, two frames on
  wait_frames "$WIN" 2
  import -window "$WIN" "$SHOTS/$1.png"
  echo "screenshot of $1: $SHOTS/$1.png"
}
# A click at base-layout coordinates of the 800 x 600 window, through before the next step.
click_at() { click_through "$WIN" "$1" "$2"; }
# A window the game just logged as opened takes clicks once it has been shown.
shown() { wait_frames "$WIN" 2; }

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
  WIN="$(main_window "$PID" "$LOG")"
}

open_settings() {
  local before
  before="$(count "frmSettings load")"
  click_at "${SETTINGS[@]}"
  wait_log "frmSettings load" "the Settings button to open the settings window" $((before + 1))
  shown
}

close_settings() {
  local before
  before="$(count "frmSettings unload")"
  click_at "${OK[@]}"
  wait_log "frmSettings unload" "OK to close the settings window" $((before + 1))
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
  wait_log ">> frmOpen" "the music's button to open the file window"
  shown
  shot "file_open_$2"
  click_at 623 487
  wait_log "<< frmOpen" "Cancel to close the file window"
  shown
  close_settings
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
  wait_log ">> frmSeq" "cmdSeq to open the sequence editor"
  shown
  shot "sequence_editor_$2"
  for _ in 1 2 3 4 5 6 7; do click_at 148 "$DEST_Y"; done
  for f in 5 1 6; do click_at "$(base_x "$f")" "$BASE_Y"; done
  shot "sequence_built_$2"
  click_at "${SEQ_OK[@]}"
  wait_log "<< frmSeq" "OK to close the sequence editor"
  shown
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
