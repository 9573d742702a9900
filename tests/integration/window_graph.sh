# The graphics and material windows in a window run, driven by real X input, with the
# scene held still (no lights, no world, a still backdrop, the game paused): choosing
# flat squares changes the figures at once, a scrolling backdrop starts moving at
# once, and F9's material window tints the figures on the next frame (Esc closes it
# alone). Screenshots of every step stay in the build folder; the settings at exit
# hold the choices. Then the Russian windows once, for a person to look at.
source "$(dirname "$0")/lib.sh" "$@"
[[ -n "${DISPLAY:-}" ]] || { echo "skipped: needs a display"; exit 77; }
SHOTS="$BUILD/screenshots"
mkdir -p "$SHOTS"
PID=""
# A failed check leaves no game behind on the display.
trap 'if [[ -n "$PID" ]]; then kill "$PID" 2>/dev/null || true; fi; rm -rf "$WORK"' EXIT

# Waits until the log has TEXT N times (once when not given); fails saying WHAT.
wait_log() { wait_log_count "$PID" "$LOG" "$1" "${3:-1}" "$2"; }  # text what [n]
# The steps wait for new pictures of the window: in the still scene the paused game's
# caption changes colour and the frame rate is shown as the frames go by.
frames() { wait_frames "$WIN" "$1"; }  # n
shot() {  # name: the last step's picture, two frames on
  frames 2
  import -window "$WIN" "$SHOTS/$1.png"
  echo "screenshot of $1: $SHOTS/$1.png"
}
# A click at base-layout coordinates, through before the next step (5 more frames for
# one that opens a list: the list is on the screen).
click_at() { click_through "$WIN" "$1" "$2" "${3:-3}"; }  # x y [frames]
# Pixels that differ between two screenshots inside a rectangle WxH+X+Y.
differ() {  # a b geometry
  convert "$SHOTS/$1.png" -crop "$3" +repage "$WORK/a.png"
  convert "$SHOTS/$2.png" -crop "$3" +repage "$WORK/b.png"
  compare -metric AE -fuzz 10% "$WORK/a.png" "$WORK/b.png" null: 2>&1 | cut -d' ' -f1 || true
}
mean() {  # shot geometry channel
  convert "$SHOTS/$1.png" -crop "$2" +repage -format "%[fx:int(mean.$3*1000)]" info:
}

# Base-layout places: the main window's Pause and Settings buttons; frmSettings'
# Look tab and its Graphics button, and OK; frmGraph beside the view (tabs, the flat
# cells option, the deformation list and its "Endless vertical scroll", OK); frmPaint
# at the top right (the component list, "Ambient", the bottom of the green bar).
PAUSE=(587 324); SETTINGS=(462 357); LOOK_TAB=(350 59); GRAPHICS=(158 472); SETTINGS_OK=(643 547)
CELLS_TAB=(530 69); FLAT=(398 148); BACKDROP_TAB=(428 90); DEFORM_LIST=(516 200); ENDLESS_SCROLL=(470 321)
GRAPH_OK=(735 547)
PARTS=(645 79); AMBIENT=(610 123); GREEN_LOW=(662 231); PAINT_CLOSE=(779 50)
# The next-figure panels (cells only: the backdrop is still) and the field's lower half.
PANELS=60x230+28+90
FIELD=200x190+95+325

start() {  # language file, suffix
  ROOT="$(make_root "$2")"
  echo "$1" > "$ROOT/lang.txt"
  LOG="$ROOT/data/Load_$HOST.log"
  xdotool mousemove 1270 1015
  "$ZEMBROL" --root "$ROOT" --seed 7 --dump-at-exit "$WORK/$2.json" \
    --set gr_NumLights=0 --set m_WorldEnable=False --set gr_MoveBkg=0 --set dq_ValueDelay=0 --set iBeSnake=0 --set bWalkText=False \
    --set iFantom=0 > "$WORK/$2.out" 2>&1 &
  PID=$!
  WIN="$(main_window "$PID" "$LOG")"
  xdotool mousemove --window "$WIN" "${PAUSE[@]}" click 1
  wait_game "$PID" "the Pause button to show pressed" pause_pressed "$WIN"
  xdotool mousemove 1270 1015
}

# A window the game just logged as opened takes clicks once it has been shown.
open_graph() {
  click_at "${SETTINGS[@]}"
  wait_log "frmSettings load" "the Settings button to open the settings window"
  frames 2
  click_at "${LOOK_TAB[@]}"
  click_at "${GRAPHICS[@]}"
  wait_log "frmGraph load" "the Graphics button to open the graphics window"
  frames 2
}

start english.ini en
shot graph_still_a
frames 8
shot graph_still_b
[[ "$(differ graph_still_a graph_still_b $PANELS)" == 0 && "$(differ graph_still_a graph_still_b $FIELD)" == 0 ]] ||
  fail "the paused scene is not still: the comparisons below would mean nothing"
open_graph
shot graph_window_en
click_at "${CELLS_TAB[@]}"
click_at "${FLAT[@]}"
shot graph_flat_squares
n="$(differ graph_still_a graph_flat_squares $PANELS)"
[[ "$n" -gt 100 ]] || fail "flat squares did not change the next figures ($n pixels)"
click_at "${BACKDROP_TAB[@]}"
click_at "${DEFORM_LIST[@]}" 5
click_at "${ENDLESS_SCROLL[@]}"
shot graph_scroll_1
# The backdrop moves a little each frame: the field's lower half differs from the
# first picture once it has moved by more than a few pixels.
scrolled() { shot graph_scroll_2 > /dev/null && (( $(differ graph_scroll_1 graph_scroll_2 $FIELD) > 200 )); }
wait_game "$PID" "the backdrop to scroll after the new deformation" scrolled
echo "screenshot of graph_scroll_2: $SHOTS/graph_scroll_2.png"
click_at "${GRAPH_OK[@]}"
wait_log "frmGraph unload" "OK to close the graphics window"
click_at "${SETTINGS_OK[@]}"
wait_log "frmSettings unload" "OK to close the settings window"

xdotool windowfocus --sync "$WIN" 2>/dev/null || true
xdotool key --window "$WIN" F9
wait_log "frmPaint load" "F9 to open the material window"
shot paint_before
click_at "${PARTS[@]}" 5
click_at "${AMBIENT[@]}"
click_at "${GREEN_LOW[@]}"
shot paint_green_off
g0="$(mean paint_before $PANELS g)"; g1="$(mean paint_green_off $PANELS g)"
r0="$(mean paint_before $PANELS r)"; r1="$(mean paint_green_off $PANELS r)"
[[ "$g1" -lt $((g0 - 5)) && "$r1" -gt $((r0 - 5)) ]] ||
  fail "the ambient green bar did not tint the figures (green $g0 -> $g1, red $r0 -> $r1)"
click_at "${PAINT_CLOSE[@]}"
wait_log "frmPaint unload" "the close box to close the material window"
close_game_window "$PID" "$LOG"
grep -qF '"bDetLevel":"False"' "$WORK/en.json" || fail "flat squares were not kept: $(grep -o '"bDetLevel":"[A-Za-z]*"' "$WORK/en.json")"
grep -qF '"gr_MoveBkg":"5"' "$WORK/en.json" || fail "the deformation was not kept: $(grep -o '"gr_MoveBkg":"[0-9]*"' "$WORK/en.json")"

# The Russian windows, to look at.
start russian.ini ru
open_graph
shot graph_window_ru
click_at "${GRAPH_OK[@]}"
wait_log "frmGraph unload" "OK to close the graphics window"
click_at "${SETTINGS_OK[@]}"
wait_log "frmSettings unload" "OK to close the settings window"
xdotool windowfocus --sync "$WIN" 2>/dev/null || true
xdotool key --window "$WIN" F9
wait_log "frmPaint load" "F9 to open the material window"
shot paint_window_ru
# Esc in the material window closes that window only: the game is neither paused nor minimised.
xdotool key --window "$WIN" Escape
wait_log "frmPaint unload" "Esc to close the material window"
xwininfo -id "$WIN" | grep -q "Map State: IsViewable" || fail "Esc in the material window minimised the game"
close_game_window "$PID" "$LOG"
exit 0
