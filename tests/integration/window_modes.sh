# The window on a desktop with a window manager: Alt+Enter goes fullscreen and back,
# a resized window keeps its layout's shape, another window taking the focus pauses
# the game, and the mode and size are kept in the configuration.
source "$(dirname "$0")/lib.sh" "$@"
[[ -n "${DISPLAY:-}" ]] || { echo "skipped: needs a display"; exit 77; }
command -v openbox > /dev/null || { echo "skipped: needs openbox"; exit 77; }
openbox > /dev/null 2>&1 &
WM=$!
trap 'kill $WM 2>/dev/null || true; rm -rf "$WORK"' EXIT
# A window manager names its check window on the root window once it runs.
wm_runs() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
wait_for "openbox to manage the display" wm_runs
SHOTS="$BUILD/screenshots"
mkdir -p "$SHOTS"
root="$(make_root)"
LOG="$root/data/Load_$HOST.log"
xdotool mousemove 1270 1015
ALSOFT_DRIVERS=null "$ZEMBROL" --root "$root" --seed 3 --answer ok --dump-at-exit "$WORK/dump.json" > "$WORK/out.txt" 2>&1 &
PID=$!
WIN="$(main_window "$PID" "$LOG")"
size() { xdotool getwindowgeometry "$WIN" | sed -n 's/.*Geometry: //p'; }
sized() { [[ "$(size)" == "$1" ]]; }  # WxH
[[ "$(size)" == 800x600 ]] || fail "the window opened at $(size)"
timeout "$WAIT_LIMIT" xdotool windowactivate --sync "$WIN"
xdotool key --window "$WIN" alt+Return
wait_game "$PID" "Alt+Enter to make the window fullscreen, 1280 x 1024" sized 1280x1024
wait_frames "$WIN" 2
import -window root "$SHOTS/fullscreen.png"
echo "screenshot of fullscreen: $SHOTS/fullscreen.png"
xdotool key --window "$WIN" alt+Return
# Back in a window once the window manager has taken the fullscreen state off and the
# game has drawn at the window's size again (it has seen every change of its window).
windowed() { sized 800x600 && ! xprop -id "$WIN" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
wait_game "$PID" "Alt+Enter again to give back the 800 x 600 window" windowed
wait_frames "$WIN" 3
timeout "$WAIT_LIMIT" xdotool windowsize "$WIN" 1100 600
wait_game "$PID" "the window manager to make the window 1100 x 600" sized 1100x600
wait_frames "$WIN" 3
import -window "$WIN" "$SHOTS/resized.png"
echo "screenshot of a wide window: $SHOTS/resized.png"
# Another window takes the focus: the game pauses and stays paused. The desktop tells
# the game of the lost focus only after a moment; the other window keeps the focus
# until the game shows itself paused.
xmessage -center "another window" > /dev/null 2>&1 &
XM=$!
XMW="$(timeout "$WAIT_LIMIT" xdotool search --sync --class Xmessage | head -1)"
timeout "$WAIT_LIMIT" xdotool windowactivate --sync "$XMW" || true
wait_game "$PID" "the game to pause when another window took the focus" pause_pressed "$WIN"
kill "$XM"
timeout "$WAIT_LIMIT" xdotool windowactivate --sync "$WIN" || true
close_game_window "$PID" "$LOG"
grep -q '"g_Running":false' "$WORK/dump.json" || fail "the focus went elsewhere and the game did not pause"
ini="$root/data/set/${HOST}1.ini"
grep -qx "iWindowWidth=1100" "$ini" && grep -qx "iWindowHeight=600" "$ini" || fail "the window's size was not kept: $(grep -A4 DESKTOP "$ini")"
grep -qix "bFullScreen=False" "$ini" || fail "the window mode was not kept"
