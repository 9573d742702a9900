# A first start on the null platform: the log's whole shape, the settings copied
# from the defaults with every key, the configuration saved on close.
source "$(dirname "$0")/lib.sh" "$@"
root="$(make_root)"
expect_exit 0 "$ZEMBROL" --headless --root "$root"
log="$root/data/Load_$HOST.log"
[[ -f "$log" ]] || fail "no log"
head -1 "$log" | grep -Eq '^[0-9]{2}\.[0-9]{2}\.[0-9]{4}   [0-9:]{8}    Start$' || fail "start banner"
sed -n 2p "$log" | grep -qxF "*** *** *** *** *** *** *** *** ***" || fail "star line"
tail -1 "$log" | grep -Eq '    End$' || fail "end banner"
expect_in_order "$log" "f_OpenLog()" "XPIXELSPERINCH=96" "...>> f_Init()" "...copy default ini-file" \
  "...ini_MainIni eLoad - complete" "<< f_Init()" "__Initialization is complete!" "DirectInput8 created" \
  "...>> Form_QueryUnload()" "<< Form_QueryUnload()" "...>> g_Exit()" "<< g_Exit()" "f_CloseLog()"
# The only failure of a first start is the search for this machine's settings file.
failed="$(grep "FAILED" "$log" | grep -v "a_FindFile(): file $root/data/set/${HOST}1.ini not found" || true)"
[[ -z "$failed" ]] || fail "records failed on a clean start: $failed"
cfg="$root/data/set/${HOST}1.ini"
[[ -f "$cfg" ]] || fail "no settings file for this machine"
for key in left top gt_CurGameType bCW g_Speed u1 PathToBkgMusic mInv1_Freq iNumSkin iControlsColor \
           gr_arTex14 gr_LightsSpeed; do
  grep -q "^$key=" "$cfg" || fail "settings file lacks $key"
done
grep -qx "ini_config=1" "$root/data/set/cfg.ini" || fail "cfg.ini"
# A second run finds the file and copies nothing.
"$ZEMBROL" --headless --root "$root"
grep -q "copy default ini-file" "$log" && fail "copied the defaults again"
exit 0
