# A real window session under X: the loading window, the main window, Alt+F4
# closes with the configuration saved and a complete log.
source "$(dirname "$0")/lib.sh" "$@"
[[ -n "${DISPLAY:-}" ]] || { echo "needs a display"; exit 0; }
root="$(make_root)"
log="$root/data/Load_$HOST.log"
"$ZEMBROL" --root "$root" --answer ok > "$WORK/out.txt" 2>&1 &
pid=$!
for _ in $(seq 100); do grep -q "DirectInput8 created" "$log" 2>/dev/null && break; sleep 0.1; done
grep -q "DirectInput8 created" "$log" || { kill $pid; cat "$WORK/out.txt"; fail "start-up did not complete"; }
win="$(xdotool search --sync --pid $pid --name '^Zembrol$' | head -1)"
[[ -n "$win" ]] || fail "no main window"
sleep 0.3
xdotool windowfocus --sync "$win" 2>/dev/null || true
# The game may close before xdotool sends the key releases; that error is expected.
xdotool key --window "$win" alt+F4 2>/dev/null || true
for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && { kill $pid; fail "Alt+F4 did not close the game"; }
wait $pid || fail "exit code $?"
expect_in_order "$log" "f_OpenLog()" "...>> d_InitD3D()" "<< d_InitD3D()" "...>> f_Init()" \
  "...copy default ini-file" "<< f_Init()" "__Initialization is complete!" "...>> Form_QueryUnload()" \
  "<< Form_QueryUnload()" "...>> g_Exit()" "<< g_Exit()" "f_CloseLog()"
grep -q "^gr_LightsSpeed=" "$root/data/set/${HOST}1.ini" || fail "configuration not saved"
