# Away from 96 dots per inch the game asks before loading; Cancel ends it with the
# log as far as the question, OK loads normally.
source "$(dirname "$0")/lib.sh" "$@"
[[ -n "${DISPLAY:-}" ]] || { echo "skipped: needs a display"; exit 77; }
root="$(make_root)"
expect_exit 0 "$ZEMBROL" --root "$root" --dpi 120 --answer cancel
log="$root/data/Load_$HOST.log"
[[ "$(log_messages "$log" | tail -2)" == $'f_OpenLog()\nXPIXELSPERINCH=120' ]] || { cat "$log"; fail "log after cancel"; }
grep -q "    End$" "$log" && fail "an end banner after cancel"

# OK goes on loading normally.
root="$(make_root ok)"
log="$root/data/Load_$HOST.log"
"$ZEMBROL" --root "$root" --dpi 120 --answer ok > "$WORK/out.txt" 2>&1 &
close_game_window $! "$log"
expect_in_order "$log" "XPIXELSPERINCH=120" "__Initialization is complete!" "f_CloseLog()"

# At 144 dots per inch the window grows to 1200 x 900; the saved position of the
# shipped settings would push it past the right edge of a 1280 px screen: it is
# kept inside the screen instead.
root="$(make_root ok144)"
log="$root/data/Load_$HOST.log"
"$ZEMBROL" --root "$root" --dpi 144 --answer ok > "$WORK/out144.txt" 2>&1 &
pid=$!
win="$(main_window "$pid" "$log")"
eval "$(xdotool getwindowgeometry --shell "$win")"
read -r screen_w screen_h <<<"$(xdotool getdisplaygeometry)"
echo "main window at 144 dpi: ${WIDTH}x${HEIGHT} at ${X},${Y} on ${screen_w}x${screen_h}"
(( X >= 0 && Y >= 0 && X + WIDTH <= screen_w && Y + HEIGHT <= screen_h )) || {
  kill "$pid"; fail "the main window (${WIDTH}x${HEIGHT} at ${X},${Y}) leaves the ${screen_w}x${screen_h} screen"; }
close_game_window "$pid" "$log"

# Without scripted answers the question is the game's own box on the desktop: Enter
# takes its default button, Cancel, and the game ends as before. At 144 dots per inch
# the box grows with the desktop but stays narrower than the screen (the system's box
# drew the Russian text in core X fonts: unreadable and wider than the screen).
shots="$BUILD/test-output/dpi_question"
mkdir -p "$shots"
for dpi in 120 144; do
  root="$(make_root "box$dpi")"
  log="$root/data/Load_$HOST.log"
  "$ZEMBROL" --root "$root" --dpi "$dpi" > "$WORK/box.txt" 2>&1 &
  pid=$!
  box="$(timeout "$WAIT_LIMIT" xdotool search --sync --pid "$pid" --name '^Zembrol$' | head -1)" || true
  [[ -n "$box" ]] || { kill "$pid"; fail "no box at $dpi dpi"; }
  # Drawn: text and icon in several colours (an empty frame has a few).
  wait_until "$pid" picture_drawn "$box" 16 || { kill "$pid" 2>/dev/null || true; fail "$WAITED for the box at $dpi dpi to be drawn"; }
  eval "$(xdotool getwindowgeometry --shell "$box")"
  screen_w="$(xdotool getdisplaygeometry | cut -d' ' -f1)"
  shot="$shots/question_${dpi}dpi.png"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
  echo "box at $dpi dpi: ${WIDTH}x${HEIGHT}, screenshot $shot"
  (( WIDTH < screen_w )) || { kill "$pid"; fail "the box is ${WIDTH} px wide on a ${screen_w} px screen"; }
  # Text and icon in several colours: the box is drawn, not an empty frame.
  (( $(convert "$shot" -format %k info:) > 16 )) || { kill "$pid"; fail "the box at $dpi dpi looks empty"; }
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key Return 2>/dev/null || true
  wait_until - ended "$pid" || { kill "$pid" 2>/dev/null || true; fail "the box did not answer Enter at $dpi dpi"; }
  wait "$pid" || fail "exit code $? after the box at $dpi dpi"
  [[ "$(log_messages "$log" | tail -1)" == "XPIXELSPERINCH=$dpi" ]] || { cat "$log"; fail "the run went on after Cancel at $dpi dpi"; }
  grep -q "    End$" "$log" && fail "an end banner after Cancel at $dpi dpi"
done
# The first box was wider at the larger desktop scale.
w120="$(identify -format %w "$shots/question_120dpi.png")"
w144="$(identify -format %w "$shots/question_144dpi.png")"
(( w144 > w120 )) || fail "the box does not grow with the dots per inch (${w120} px at 120, ${w144} px at 144)"
