# Files that are not what the game expects at their place: a link or a FIFO where the
# log goes, a FIFO or a device given as a texture, a script or a replay, a settings
# file kept private. None of them hangs a run, is written through or loses its
# permissions, and a refused file is named with its reason. Also what the replays
# folder keeps, and a scripted name cut to what the records hold.
source "$(dirname "$0")/lib.sh" "$@"
SCRIPTS="$(dirname "$0")/../loop/scripts"

# The log's place holds a link to a file elsewhere: the log replaces the link, and the
# file it pointed at keeps its content.
root="$(make_root links)"
echo precious > "$WORK/precious.txt"
ln -s "$WORK/precious.txt" "$root/data/Load_$HOST.log"
"$ZEMBROL" --headless --root "$root" > /dev/null || fail "a run with a link at the log's place"
[[ "$(cat "$WORK/precious.txt")" == precious ]] || fail "the log was written through the link"
[[ -f "$root/data/Load_$HOST.log" && ! -L "$root/data/Load_$HOST.log" ]] || fail "the link was not replaced"
expect_in_order "$root/data/Load_$HOST.log" "f_OpenLog()" "f_CloseLog()"

# A private settings file stays private through the save at the end of a run.
ini="$root/data/set/${HOST}1.ini"
chmod 600 "$ini"
"$ZEMBROL" --headless --root "$root" --set bCW=False > /dev/null || fail "a run with a private settings file"
[[ "$(stat -c %a "$ini")" == 600 ]] || fail "the settings file is now $(stat -c %a "$ini")"

# Special files given as a texture, a script and a replay end at once with the reason.
mkfifo "$WORK/fifo"
"$ZEMBROL" --headless --root "$root" --set gr_arTex1=/dev/zero --set "gr_arTex2=$WORK/fifo" > /dev/null ||
  fail "a headless run with a device and a FIFO as textures"
set +e; err="$("$ZEMBROL" --headless --root "$root" --script "$WORK/fifo" 2>&1 >/dev/null)"; code=$?; set -e
[[ $code == 2 ]] || fail "a FIFO as script gave exit code $code"
grep -qF "cannot read the script $WORK/fifo: not a regular file" <<<"$err" || fail "no reason for a FIFO as script: $err"
for replay in "$WORK/fifo" /dev/zero; do
  set +e; err="$("$ZEMBROL" --headless --root "$root" --replay "$replay" 2>&1 >/dev/null)"; code=$?; set -e
  [[ $code == 2 ]] || fail "$replay as replay gave exit code $code"
  grep -qF "$replay: cannot read the file: not a regular file" <<<"$err" || fail "no reason for $replay: $err"
done
# A replay is read past the limit of a settings file (a long game takes megabytes).
head -c 5000000 /dev/zero | tr '\0' 'x' > "$WORK/long.zrp"
set +e; err="$("$ZEMBROL" --headless --root "$root" --replay "$WORK/long.zrp" 2>&1 >/dev/null)"; set -e
grep -qF "not a replay file" <<<"$err" || fail "a 5 MB file was not read as a replay: $err"

# The replays folder keeps the last game, the record games and the newest iReplaysKept
# others. A full record table of higher scores: no game of the run enters it.
root="$(make_root replays)"
for _ in $(seq 100); do printf 'Best\r\n99999999\r\n'; done > "$root/data/set/DF_slow_zemb.txt"
mkdir -p "$root/data/replays"
echo mine > "$root/data/replays/my-best.zrp"
echo old > "$root/data/replays/record-20200101-000000-5.zrp"
"$ZEMBROL" --headless --seed 2 --demo --games 4 --root "$root" --set iReplaysKept=2 > "$WORK/sim.json" ||
  fail "the simulation"
[[ "$(grep -c '"place":-1' "$WORK/sim.json")" == 4 ]] || fail "a game entered the full table: $(cat "$WORK/sim.json")"
kept="$(cd "$root/data/replays" && ls game-*.zrp | wc -l)"
[[ "$kept" == 2 ]] || fail "kept $kept other games, expected 2: $(ls "$root/data/replays")"
for f in last.zrp my-best.zrp record-20200101-000000-5.zrp; do
  [[ -f "$root/data/replays/$f" ]] || fail "$f was removed"
done
# The last game is among those kept: the newest replay file besides last.zrp.
newest="$(ls -t "$root/data/replays"/game-*.zrp | head -1)"
cmp -s "$newest" "$root/data/replays/last.zrp" || fail "the newest kept game is not the last one"
"$ZEMBROL" --headless --seed 2 --demo --games 1 --root "$root" --set iReplaysKept=0 > /dev/null || fail "the simulation"
[[ -z "$(cd "$root/data/replays" && ls game-*.zrp 2>/dev/null)" ]] || fail "iReplaysKept=0 kept games"

# A scripted name longer than the statistics record holds is cut to its 11 letters,
# as the field cuts a typed one; the window says how long a name can be.
root="$(make_root name)"
echo english.ini > "$root/lang.txt"
sed -e 's/^type Tester$/type Maximilianus/' "$SCRIPTS/record_windows.txt" > "$WORK/long_name.txt"
"$ZEMBROL" --headless --seed 1 --root "$root" --script "$WORK/long_name.txt" > "$WORK/name.json" ||
  fail "the record script"
grep -qF '"lblNameLimit":"(up to 11 letters)"' "$WORK/name.json" || fail "the window does not say the limit"
[[ "$(tr -d '\r' < "$root/data/set/DF_slow_zemb.txt" | head -1)" == Maximilianu ]] ||
  fail "the record table holds $(head -1 "$root/data/set/DF_slow_zemb.txt")"
grep -q '^name=Maximilianu$' "$root/data/set/${HOST}1.ini" || fail "the stored name was not cut"

# In a window the device and the FIFO are refused as missing textures are, with the reason.
if [[ -n "${DISPLAY:-}" ]]; then
  root="$(make_root window)"
  "$ZEMBROL" --root "$root" --set gr_arTex1=/dev/zero --screenshot "$WORK/shot.png" --frames 2 > /dev/null 2>&1 ||
    fail "a window run with a device as texture"
  grep -qF "CreateTextureFromFile(/dev/zero) - cannot read /dev/zero: not a regular file --- FAILED !!!" \
    "$root/data/Load_$HOST.log" || fail "the log does not say why the texture was refused"
  [[ -s "$WORK/shot.png" ]] || fail "no picture drawn"
fi
echo "special files: all checks passed"
