# Real X input to the game window: keys move, rotate and pause the figure, the
# on-screen buttons start a new game and pause, Alt+F4 closes with the settings
# saved. The game's state at exit comes from --dump-at-exit.
source "$(dirname "$0")/lib.sh" "$@"
[[ -n "${DISPLAY:-}" ]] || { echo "skipped: needs a display"; exit 77; }

# Starts the game, waits for its window; sets PID, WIN, LOG, DUMP.
start_game() {  # name extra-args...
  local name="$1"; shift
  local root
  root="$(make_root "$name")"
  LOG="$root/data/Load_$HOST.log"
  DUMP="$WORK/$name.json"
  xdotool mousemove 1270 1015   # the pointer away from the game: mouse moves would steer the figure
  "$ZEMBROL" --root "$root" --seed 7 --answer ok --dump-at-exit "$DUMP" "$@" > "$WORK/$name.out" 2>&1 &
  PID=$!
  WIN="$(main_window "$PID" "$LOG")"
}

# A top-level number or Boolean of the dump.
field() { grep -o "\"$1\":[^,}]*" "$DUMP" | head -1 | cut -d: -f2; }

# Window-relative click at base-layout coordinates (the window is 800 x 600 at 96 dpi);
# the step then waits for what the click does.
click_at() {  # x y
  xdotool mousemove --window "$WIN" "$1" "$2" click 1
}
# The score label shows nothing until the first figure lands.
SCORE=180x50+400+50
score_changed() { [[ "$(picture_sum "$WIN" "$SCORE")" != "$1" ]]; }  # score-sum-before
# A save replaces its file: a new file, or a new time.
rewritten() { [[ "$(stat -c '%i %y' "$1" 2>/dev/null)" != "$2" ]]; }  # file stat-before

SHOTS="$BUILD/screenshots"
mkdir -p "$SHOTS"

# Keys: three times Left, then Up; Shift+Left does nothing. The game takes the keys in
# the order sent, Alt+F4 after them.
start_game keys
xdotool key --window "$WIN" Left Left Left
xdotool key --window "$WIN" shift+Left Up
wait_frames "$WIN" 3
import -window "$WIN" "$SHOTS/game.png"
echo "screenshot of a game under way: $SHOTS/game.png"
close_game_window "$PID" "$LOG"
[[ "$(field g_FigX)" == 6 ]] || fail "three Left presses: g_FigX $(field g_FigX), expected 6"
[[ "$(field g_MovesFig)" -ge 3 ]] || fail "moves not counted"
[[ "$(field g_Running)" == true ]] || fail "the game should run"
grep -q "^bCW=" "$(dirname "$LOG")/set/${HOST}1.ini" || fail "settings not saved at close"

# The mouse over the 3D view, pressed through X: the left button rotates twice (one
# command per click), the right button drops, and the figure lands. The game reads
# the buttons once a pass: each press and each release is held until two more
# pictures show that a pass has read it.
start_game mouse
score="$(picture_sum "$WIN" "$SCORE")"
xdotool mousemove --window "$WIN" 190 300
for button in 1 1 3; do
  xdotool mousedown "$button"; wait_frames "$WIN" 2
  xdotool mouseup "$button"; wait_frames "$WIN" 2
done
xdotool mousemove 1270 1015
wait_game "$PID" "the dropped figure to land (the score shown)" score_changed "$score"
close_game_window "$PID" "$LOG"
[[ "$(field g_FigCount)" == 1 ]] || fail "the right button did not drop the figure (g_FigCount $(field g_FigCount))"
[[ "$(field g_MovesTotal)" -ge 2 ]] || fail "the left button did not rotate twice (g_MovesTotal $(field g_MovesTotal))"

# Esc pauses (and minimises); the game state says so.
start_game pause
xdotool key --window "$WIN" Escape
close_game_window "$PID" "$LOG"
[[ "$(field g_Running)" == false ]] || fail "Esc did not pause"

# The New game button starts again: f_Init runs a second time and the figure is back at column 9.
start_game newgame
xdotool key --window "$WIN" Left Left
click_at 462 325
wait_log_count "$PID" "$LOG" ">> f_Init()" 2 "the New game button to start a game"
close_game_window "$PID" "$LOG"
[[ "$(grep -c '>> f_Init()' "$LOG")" == 2 ]] || fail "New game did not start a game"
[[ "$(field g_FigX)" == 9 ]] || fail "the new game's figure is not at its spawn column"

# The Pause button pauses without minimising.
start_game pausebutton
click_at 588 325
wait_game "$PID" "the Pause button to show pressed" pause_pressed "$WIN"
close_game_window "$PID" "$LOG"
[[ "$(field g_Running)" == false ]] || fail "the Pause button did not pause"

# Configuration button 2, then "Save 2": the settings go to this machine's file 2.
# The configuration window writes no log line: five more pictures show it drawn
# (the click's press and release, then the window's first two frames).
start_game config
root="$(dirname "$(dirname "$LOG")")"
click_at 564 389
wait_frames "$WIN" 5
click_at 395 309
wait_game "$PID" "Save 2 to write configuration 2" test -f "$root/data/set/${HOST}2.ini"
close_game_window "$PID" "$LOG"
[[ -f "$root/data/set/${HOST}2.ini" ]] || fail "Save 2 wrote no configuration 2"
grep -qx "ini_config=2" "$root/data/set/cfg.ini" || fail "configuration 2 is not the active one"

# The language window: opening selects the first language file of the folder, Enter
# closes it, and lang.txt names that file.
start_game language
root="$(dirname "$(dirname "$LOG")")"
before="$(stat -c '%i %y' "$root/lang.txt")"
click_at 588 357
wait_frames "$WIN" 5
import -window "$WIN" "$SHOTS/language.png"
echo "screenshot of the language window: $SHOTS/language.png"
xdotool key --window "$WIN" Return
wait_game "$PID" "Enter to close the language window (lang.txt written)" rewritten "$root/lang.txt" "$before"
close_game_window "$PID" "$LOG"
first="$(ls -U "$root/data/lang" | grep -i "\.ini$" | head -1)"
[[ "$(head -1 "$root/lang.txt")" == "$first" ]] || fail "lang.txt holds $(cat "$root/lang.txt"), expected $first"

# A whole game to its end and through the result windows: window_results.sh.
exit 0
