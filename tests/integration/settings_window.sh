# The settings window, the sequence editor and the file-open window in a scripted
# headless run: what the window's controls write, the new game its closing starts,
# the log lines of opening and closing, and a file choice from a folder that has gone.
source "$(dirname "$0")/lib.sh" "$@"
SCRIPTS="$(dirname "$0")/../loop/scripts"

root="$(make_root)"
echo english.ini > "$root/lang.txt"
OUT="$WORK/settings.json"
"$ZEMBROL" --headless --seed 3 --root "$root" --script "$SCRIPTS/settings_window.txt" > "$OUT" || fail "script: exit $?"
dump_line() { sed -n "${1}p" "$OUT"; }
has() {  # line "key":value (exactly as the JSON writes it)
  grep -qF -- "$2" <<<"$(dump_line "$1")" || fail "dump $1 lacks $2"
}
[[ "$(wc -l < "$OUT")" == 7 ]] || fail "expected 7 dumps, got $(wc -l < "$OUT")"
# Opened: the window shows the settings; the fall speed list starts at 0.
has 1 '"window":"frmSettings"'
has 1 '"optSpeed(0)":"1"'
has 1 '"cmbFallSpeed":"0"'
has 1 '"cmbListEvents":"Inversion"'
has 1 '"fraSecondVar.Enabled":"False"'
# Each control wrote its setting at once.
has 2 '"g_Speed":2,"g_TickMs":10'
has 2 '"gt_CurGameType":2'
has 2 '"g_FallSpeed":3'
has 2 '"mDown2_Vol":"-700"'
has 2 '"iVerColorBonus":"2000"'
has 2 '"tbs1":"2"'
has 2 '"gameChanged":"False"'
# Closed: a new Classic game at the fast tick; the Classic queue has no special figures.
has 3 '"window":null'
has 3 '"gt_CurGameType":2,"g_Speed":2,"g_TickMs":10'
has 3 '"score":0'
# The sequence editor over the settings window: three figures, random order off.
has 4 '"window":"frmSeq"'
has 4 '"cmdDest(0)":"2","cmdDest(1)":"3","cmdDest(2)":"4","cmdDest(3)":""'
has 4 '"chkRandom.Enabled":"True"'
has 4 '"mSeq_Count":"7"'   # the configuration takes the length when it is saved
# The music's folder has gone: the file window opens in the application folder.
has 5 '"window":"frmOpen"'
has 5 "\"Caption\":\"Open *.wav\""
has 5 "\"dirOpen\":\"$root\""
# Closed without a choice: back in the settings window, the music as it was.
has 6 '"window":"frmSettings"'
has 6 '"PathToBkgMusic":"/gone/folder/music.wav"'
has 6 '"lblFile"'
# Closed with the Sequence type: a new game draws from the edited sequence.
has 7 '"gt_CurGameType":3'
has 7 '"bRandomSeq":false'
# The first figures of the new game come from the sequence in order.
grep -qF '"queue":[{"mask":"0000111100000000"' <<<"$(dump_line 7)" || fail "the queue does not start with figure 2"
log="$root/data/Load_$HOST.log"
expect_in_order "$log" "frmSettings load" "frmSettings unload" "frmSettings load" "frmSettings unload"
grep -qF "ChDir /gone/folder --- FAILED" "$log" || fail "no failed ChDir record"

# The frame rate label is an option: off for a new player (the shipped defaults), on
# when the settings say so, switched by its check box on the Game tab, and kept.
fps_root="$(make_root fps)"
cat > "$WORK/fps.txt" <<'SCRIPT'
tick 2
dump
click chkSet
click tbs1(4)
click chkShowFPS
click cmdOK
dump
SCRIPT
"$ZEMBROL" --headless --seed 3 --root "$fps_root" --script "$WORK/fps.txt" > "$OUT" || fail "fps script: exit $?"
has 1 '"main":{"lblFPS.Visible":"False"}'
has 1 '"bShowFPS":"False"'
has 2 '"main":{"lblFPS.Visible":"True"}'
grep -qx 'bShowFPS=True' "$fps_root/data/set/${HOST}1.ini" || fail "the label switched on was not saved"
"$ZEMBROL" --headless --seed 3 --root "$fps_root" --script "$WORK/fps.txt" > "$OUT" || fail "fps script again: exit $?"
has 1 '"main":{"lblFPS.Visible":"True"}'
has 2 '"main":{"lblFPS.Visible":"False"}'
echo "settings window script: ok"
