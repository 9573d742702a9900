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
  for _ in $(seq 150); do grep -q "DirectInput8 created" "$LOG" 2>/dev/null && break; sleep 0.1; done
  WIN="$(xdotool search --sync --pid "$PID" --name '^Zembrol$' | head -1)"
  [[ -n "$WIN" ]] || fail "no main window"
  sleep 0.5
}

# A top-level number or Boolean of the dump.
field() { grep -o "\"$1\":[^,}]*" "$DUMP" | head -1 | cut -d: -f2; }

# Window-relative click at base-layout coordinates (the window is 800 x 600 at 96 dpi).
click_at() {  # x y
  xdotool mousemove --window "$WIN" "$1" "$2" click 1
  sleep 0.3
  xdotool mousemove 1270 1015
}

SHOTS="$BUILD/screenshots"
mkdir -p "$SHOTS"

# Keys: three times Left, then Up; Shift+Left does nothing.
start_game keys
xdotool key --window "$WIN" Left Left Left
sleep 0.2
xdotool key --window "$WIN" shift+Left Up
sleep 0.3
import -window "$WIN" "$SHOTS/game.png"
echo "screenshot of a game under way: $SHOTS/game.png"
close_game_window "$PID" "$LOG"
[[ "$(field g_FigX)" == 6 ]] || fail "three Left presses: g_FigX $(field g_FigX), expected 6"
[[ "$(field g_MovesFig)" -ge 3 ]] || fail "moves not counted"
[[ "$(field g_Running)" == true ]] || fail "the game should run"
grep -q "^bCW=" "$(dirname "$LOG")/set/${HOST}1.ini" || fail "settings not saved at close"

# The mouse over the 3D view, pressed through X: the left button rotates twice (one
# command per click), the right button drops, and the figure lands.
start_game mouse
xdotool mousemove --window "$WIN" 190 300
sleep 0.3
for button in 1 1 3; do
  xdotool mousedown "$button"; sleep 0.15; xdotool mouseup "$button"; sleep 0.15
done
sleep 1.5
xdotool mousemove 1270 1015
close_game_window "$PID" "$LOG"
[[ "$(field g_FigCount)" == 1 ]] || fail "the right button did not drop the figure (g_FigCount $(field g_FigCount))"
[[ "$(field g_MovesTotal)" -ge 2 ]] || fail "the left button did not rotate twice (g_MovesTotal $(field g_MovesTotal))"

# Esc pauses (and minimises); the game state says so.
start_game pause
xdotool key --window "$WIN" Escape
sleep 0.5
close_game_window "$PID" "$LOG"
[[ "$(field g_Running)" == false ]] || fail "Esc did not pause"

# The New game button starts again: f_Init runs a second time and the figure is back at column 9.
start_game newgame
xdotool key --window "$WIN" Left Left
sleep 0.2
click_at 462 325
close_game_window "$PID" "$LOG"
[[ "$(grep -c '>> f_Init()' "$LOG")" == 2 ]] || fail "New game did not start a game"
[[ "$(field g_FigX)" == 9 ]] || fail "the new game's figure is not at its spawn column"

# The Pause button pauses without minimising.
start_game pausebutton
click_at 588 325
close_game_window "$PID" "$LOG"
[[ "$(field g_Running)" == false ]] || fail "the Pause button did not pause"

# Configuration button 2, then "Save 2": the settings go to this machine's file 2.
start_game config
root="$(dirname "$(dirname "$LOG")")"
click_at 564 389
click_at 395 309
close_game_window "$PID" "$LOG"
[[ -f "$root/data/set/${HOST}2.ini" ]] || fail "Save 2 wrote no configuration 2"
grep -qx "ini_config=2" "$root/data/set/cfg.ini" || fail "configuration 2 is not the active one"

# The language window: opening selects the first language file of the folder, Enter
# closes it, and lang.txt names that file.
start_game language
root="$(dirname "$(dirname "$LOG")")"
click_at 588 357
sleep 0.3
import -window "$WIN" "$SHOTS/language.png"
echo "screenshot of the language window: $SHOTS/language.png"
xdotool key --window "$WIN" Return
sleep 0.3
close_game_window "$PID" "$LOG"
first="$(ls -U "$root/data/lang" | grep -i "\.ini$" | head -1)"
[[ "$(head -1 "$root/lang.txt")" == "$first" ]] || fail "lang.txt holds $(cat "$root/lang.txt"), expected $first"

# A whole game to its end and through the result windows: window_results.sh.
exit 0
