# At 120 dots per inch the game asks before loading; Cancel ends it with the log
# as far as the question, OK loads normally.
source "$(dirname "$0")/lib.sh" "$@"
[[ -n "${DISPLAY:-}" ]] || { echo "needs a display"; exit 0; }
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

# Without scripted answers the question is a real box on the desktop: Enter takes
# its default button, Cancel, and the game ends as before.
root="$(make_root box)"
log="$root/data/Load_$HOST.log"
"$ZEMBROL" --root "$root" --dpi 120 > "$WORK/box.txt" 2>&1 &
pid=$!
box="$(xdotool search --sync --pid "$pid" --name '^Zembrol$' | head -1)"
sleep 0.5
xdotool key --window "$box" Return 2>/dev/null || true
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "the box did not answer Enter"; }
wait "$pid" || fail "exit code $? after the box"
[[ "$(log_messages "$log" | tail -1)" == "XPIXELSPERINCH=120" ]] || fail "the run went on after Cancel"
