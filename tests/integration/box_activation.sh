# The game's own message box on a desktop with a window manager, many times over:
# Help, with no desktop handler on the path, opens a box; the window manager
# activates it (a click on its title bar); Enter answers it and the box closes at
# once. The game lives through every box without an X error, and Alt+F4 then closes
# it with its log ended and its configuration saved.
source "$(dirname "$0")/lib.sh" "$@"
for tool in Xvfb openbox xdotool; do
  command -v "$tool" > /dev/null || { echo "skipped: needs $tool"; exit 77; }
done
CYCLES="${BOX_CYCLES:-50}"

# A display of its own: the window manager must not take over other tests' windows.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$WORK/display" 2> "$WORK/xvfb.txt" &
XVFB=$!
WM=""
PID=""
# Whatever ended the test, nothing it started is left running.
clean_up() {
  local status=$?
  # A game that died says why on its standard error (an X error, say).
  (( status == 0 )) || grep -v "^ALSA lib\|^AL lib" "$WORK/out.txt" 2>/dev/null | tail -8 >&2 || true
  for p in $PID $WM $XVFB; do kill "$p" 2>/dev/null || true; done
  rm -rf "$WORK"
}
trap clean_up EXIT
wait_for "Xvfb to start" test -s "$WORK/display"
export DISPLAY=":$(head -1 "$WORK/display")"
# A window mapped while the window manager starts up may never be shown: wait until it runs.
openbox --startup "touch $WORK/wm-ready" > "$WORK/openbox.txt" 2>&1 &
WM=$!
wait_for "the window manager" test -e "$WORK/wm-ready"

root="$(make_root)"
LOG="$root/data/Load_$HOST.log"
mkdir "$WORK/bin"  # the game's whole path: no xdg-open on it
xdotool mousemove 1270 1015
PATH="$WORK/bin" ALSOFT_DRIVERS=null "$ZEMBROL" --root "$root" > "$WORK/out.txt" 2>&1 &
PID=$!

# The game's visible windows, one a line.
game_windows() { xdotool search --onlyvisible --pid "$PID" --name '^Zembrol$' 2>/dev/null || true; }
started() { grep -q "DirectInput8 created" "$LOG" 2>/dev/null; }
# The loading window may still be on the screen when start-up is logged as done.
only_main() { WIN="$(game_windows)"; [[ -n "$WIN" && "$WIN" != *$'\n'* ]]; }
box_open() { BOX="$(game_windows | grep -vx "$WIN" | head -1)"; [[ -n "$BOX" ]]; }
box_active() { [[ "$(xdotool getactivewindow 2>/dev/null)" == "$BOX" ]]; }
box_closed() { ! game_windows | grep -qx "$BOX"; }

wait_game "$PID" "the game to start" started
wait_game "$PID" "the main window alone" only_main
for ((n = 1; n <= CYCLES; n++)); do
  # Help: the button's middle in the layout of an 800 x 600 window.
  xdotool mousemove --window "$WIN" 714 357 click 1
  wait_game "$PID" "box $n" box_open
  # The window manager activates the box: a click on its title bar, above its client area.
  eval "$(xdotool getwindowgeometry --shell "$BOX")"
  xdotool mousemove "$((X + WIDTH / 2))" "$((Y - 8))" click 1
  wait_game "$PID" "box $n to be active" box_active
  xdotool key Return
  wait_game "$PID" "box $n to close" box_closed
done
kill -0 "$PID" 2>/dev/null || fail "the game ended after $CYCLES boxes"
close_game_window "$PID" "$LOG"
PID=""

expect_in_order "$LOG" "__Initialization is complete!" "...>> g_Exit()" "<< g_Exit()" "f_CloseLog()"
tail -1 "$LOG" | grep -q "End$" || fail "the log has no end line"
grep -q "^gr_LightsSpeed=" "$root/data/set/${HOST}1.ini" || fail "configuration not saved"
# The boxes' windows were closed without a failed X request.
if grep -q "X error" "$LOG" "$WORK/out.txt"; then
  grep -h "X error" "$LOG" "$WORK/out.txt" >&2
  fail "X errors while the boxes opened and closed"
fi
echo "$CYCLES boxes opened, activated and answered"
