# The result windows of a scripted headless run: a game that ends with a record walks
# through the level statistics, the record entry and the full statistics, driven by
# the script's lines (key, type, click) and read back through `dump`; an empty name is
# kept only when the script answers the question with yes; a control a window does not
# have stops the run at its line.
source "$(dirname "$0")/lib.sh" "$@"
SCRIPTS="$(dirname "$0")/../loop/scripts"

english_root() {
  local root
  root="$(make_root "$1")"
  echo english.ini > "$root/lang.txt"
  echo "$root"
}

# The n-th dump line (from 1).
dump_line() { sed -n "${1}p" "$OUT"; }
# "key":"value" of a dump line, exactly.
has() {  # line key value
  grep -qF "\"$2\":\"$3\"" <<<"$(dump_line "$1")" || fail "dump $1 lacks \"$2\":\"$3\": $(dump_line "$1" | grep -o "\"$2\":[^,]*" | head -1)"
}
window_of() { dump_line "$1" | grep -o '"window":[^,]*' | cut -d: -f2; }

root="$(english_root record)"
OUT="$WORK/record.json"
"$ZEMBROL" --headless --seed 1 --root "$root" --script "$SCRIPTS/record_windows.txt" > "$OUT" || fail "record script: exit $?"
[[ "$(wc -l < "$OUT")" == 5 ]] || fail "expected 5 dumps, got $(wc -l < "$OUT")"
# The level statistics: two levels played, the player ahead of an empty level table.
[[ "$(window_of 1)" == '"frmLevelStats"' ]] || fail "first window: $(window_of 1)"
has 1 Caption "Zembrol : Level statistics"
has 1 "lblVS(0)" "5550 - 0"
has 1 "lblDiff(0)" "+5550"
grep -qF '"lblDiff(0).ForeColor":16711680' <<<"$(dump_line 1)" || fail "a gain is not blue"
has 1 "lblVS(1)" "-3550 - 0"
grep -qF '"lblDiff(1).ForeColor":255' <<<"$(dump_line 1)" || fail "a loss is not red"
grep -qF '"lblVS(2)"' <<<"$(dump_line 1)" && fail "a level not played has a row"
has 1 "prbStat(11)" "-3550"   # the bars start at the smallest value of the range
has 2 "prbStat(11)" "1910"   # twelve ticks of tmrA in 60 frames of 20 ms
# The record entry, then the full statistics with the name typed.
[[ "$(window_of 3)" == '"frmEnterName"' ]] || fail "second window: $(window_of 3)"
has 3 "lblEnterName(1)" "Enter your name:"
has 3 txtName ""
[[ "$(window_of 4)" == '"frmFullStat"' ]] || fail "third window: $(window_of 4)"
has 4 lblCaption "Zembrol : Full statistics"
has 4 lblGame "Game type: Zembrol (Simple)    Speed: Slow"
has 4 "lblStatVal(11)" "Tester"
has 4 "lblStatVal(14)" "2000"
has 4 "lblStatVal(2)" "-"
has 4 "lblStatVal(27)" "Gamer"
has 4 "lblStatVal(31)" "??.??.??"
has 4 markedRow "0"
has 4 lblToolTip "Point at a column to see what it means."
has 5 lblToolTip "Score"
grep -q '"settings":{"left":"[^"]*","top":' <<<"$(dump_line 1)" || fail "no settings in the dump"
grep -qF '"m_DelLinesInLevel":"4"' <<<"$(dump_line 1)" || fail "the settings lack the value the script set"
tr -d '\r' < "$root/data/set/DF_slow_zemb.txt" | head -1 | grep -qx "Tester" || fail "the record table lacks Tester"
[[ -s "$root/data/set/DS_slowzemb.zmb" ]] || fail "no full statistics file"

# An empty name: "no" keeps the window open, "yes" takes it.
root="$(english_root empty)"
OUT="$WORK/empty.json"
sed -e '/^# frmLevelStats/,$d' "$SCRIPTS/record_windows.txt" > "$WORK/empty.txt"
cat >> "$WORK/empty.txt" <<'SCRIPT'
click cmdOK
type
answer no
click cmdOK
dump
answer yes
key Enter
dump
click cmdOK
SCRIPT
"$ZEMBROL" --headless --seed 1 --root "$root" --script "$WORK/empty.txt" > "$OUT" 2> "$WORK/empty.err" || fail "empty-name script: exit $?"
[[ "$(window_of 1)" == '"frmEnterName"' ]] || fail "after No the record entry should stay open: $(window_of 1)"
[[ "$(window_of 2)" == '"frmFullStat"' ]] || fail "after Yes the full statistics should follow: $(window_of 2)"
has 2 "lblStatVal(11)" ""
[[ "$(tr -d '\r' < "$root/data/set/DF_slow_zemb.txt" | head -1)" == "" ]] || fail "the empty name was not kept"

# Esc in the record entry skips the record table and the full statistics.
root="$(english_root cancel)"
sed -e '/^# frmLevelStats/,$d' "$SCRIPTS/record_windows.txt" > "$WORK/cancel.txt"
printf 'click cmdOK\nkey Esc\n' >> "$WORK/cancel.txt"
"$ZEMBROL" --headless --seed 1 --root "$root" --script "$WORK/cancel.txt" > /dev/null || fail "cancel script: exit $?"
[[ ! -e "$root/data/set/DS_slowzemb.zmb" ]] || fail "a cancelled entry wrote the full statistics"

# A control the open window does not have stops the run at its line.
root="$(english_root bad)"
sed -e '/^# frmLevelStats/,$d' "$SCRIPTS/record_windows.txt" > "$WORK/bad.txt"
printf 'click cmdCancel\n' >> "$WORK/bad.txt"
line="$(wc -l < "$WORK/bad.txt")"
set +e; err="$("$ZEMBROL" --headless --seed 1 --root "$root" --script "$WORK/bad.txt" 2>&1 >/dev/null)"; code=$?; set -e
[[ $code == 2 ]] || fail "a bad window command gave exit code $code"
grep -qF "line $line: frmLevelStats has no control cmdCancel to click" <<<"$err" || fail "error: $err"
exit 0
