# A real window session under X: the loading window, the main window, Alt+F4
# closes with the configuration saved and a complete log.
source "$(dirname "$0")/lib.sh" "$@"
[[ -n "${DISPLAY:-}" ]] || { echo "skipped: needs a display"; exit 77; }
root="$(make_root)"
log="$root/data/Load_$HOST.log"
"$ZEMBROL" --root "$root" --answer ok > "$WORK/out.txt" 2>&1 &
pid=$!
close_game_window $pid "$log"
expect_in_order "$log" "f_OpenLog()" "...>> d_InitD3D()" "<< d_InitD3D()" "...>> f_Init()" \
  "...copy default ini-file" "<< f_Init()" "__Initialization is complete!" "...>> Form_QueryUnload()" \
  "<< Form_QueryUnload()" "...>> g_Exit()" "<< g_Exit()" "f_CloseLog()"
grep -q "^gr_LightsSpeed=" "$root/data/set/${HOST}1.ini" || fail "configuration not saved"
