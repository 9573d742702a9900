# The window on a desktop with a window manager: Alt+Enter goes fullscreen and back,
# a resized window keeps its layout's shape, another window taking the focus pauses
# the game, and the mode and size are kept in the configuration.
source "$(dirname "$0")/lib.sh" "$@"
[[ -n "${DISPLAY:-}" ]] || { echo "skipped: needs a display"; exit 77; }
command -v openbox > /dev/null || { echo "skipped: needs openbox"; exit 77; }
openbox > /dev/null 2>&1 &
WM=$!
trap 'kill $WM 2>/dev/null || true; rm -rf "$WORK"' EXIT
sleep 0.5
SHOTS="$BUILD/screenshots"
mkdir -p "$SHOTS"
root="$(make_root)"
LOG="$root/data/Load_$HOST.log"
xdotool mousemove 1270 1015
ALSOFT_DRIVERS=null "$ZEMBROL" --root "$root" --seed 3 --answer ok --dump-at-exit "$WORK/dump.json" > "$WORK/out.txt" 2>&1 &
PID=$!
for _ in $(seq 150); do grep -q "DirectInput8 created" "$LOG" 2>/dev/null && break; sleep 0.1; done
WIN="$(xdotool search --sync --pid "$PID" --name '^Zembrol$' | head -1)"
[[ -n "$WIN" ]] || fail "no main window"
sleep 0.5
size() { xdotool getwindowgeometry "$WIN" | sed -n 's/.*Geometry: //p'; }
[[ "$(size)" == 800x600 ]] || fail "the window opened at $(size)"
timeout 10 xdotool windowactivate --sync "$WIN"
xdotool key --window "$WIN" alt+Return
sleep 1
[[ "$(size)" == 1280x1024 ]] || fail "Alt+Enter gave $(size), not fullscreen"
import -window root "$SHOTS/fullscreen.png"
echo "screenshot of fullscreen: $SHOTS/fullscreen.png"
xdotool key --window "$WIN" alt+Return
sleep 1
[[ "$(size)" == 800x600 ]] || fail "Alt+Enter again gave $(size)"
timeout 10 xdotool windowsize "$WIN" 1100 600
sleep 1
import -window "$WIN" "$SHOTS/resized.png"
echo "screenshot of a wide window: $SHOTS/resized.png"
# Another window takes the focus: the game pauses and stays paused.
xmessage -center "another window" > /dev/null 2>&1 &
XM=$!
XMW="$(timeout 10 xdotool search --sync --class Xmessage | head -1)"
timeout 10 xdotool windowactivate --sync "$XMW" || true
sleep 0.5
kill "$XM"
timeout 10 xdotool windowactivate --sync "$WIN" || true
sleep 0.3
close_game_window "$PID" "$LOG"
grep -q '"g_Running":false' "$WORK/dump.json" || fail "the focus went elsewhere and the game did not pause"
ini="$root/data/set/${HOST}1.ini"
grep -qx "iWindowWidth=1100" "$ini" && grep -qx "iWindowHeight=600" "$ini" || fail "the window's size was not kept: $(grep -A4 DESKTOP "$ini")"
grep -qix "bFullScreen=False" "$ini" || fail "the window mode was not kept"
