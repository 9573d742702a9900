# The scripted headless runner through the real executable: the same seed and script
# print the same dumps, a game is played to its end, and a bad line stops the run
# with its number and exit code 2.
source "$(dirname "$0")/lib.sh" "$@"
root="$(make_root)"
script="$(dirname "$0")/../loop/scripts/four_rows_then_game_over.txt"
"$ZEMBROL" --headless --seed 1 --root "$root" --script "$script" > "$WORK/a.json"
"$ZEMBROL" --headless --seed 1 --root "$root" --script "$script" > "$WORK/b.json"
[[ -s "$WORK/a.json" ]] || fail "no dump printed"
cmp -s "$WORK/a.json" "$WORK/b.json" || fail "the same seed gave different dumps"
grep -q '"gamesOver":[1-9]' "$WORK/a.json" || fail "the script did not play a game to its end"
printf 'tick 3\nrow 30 1111x\n' > "$WORK/bad.txt"
set +e; err="$("$ZEMBROL" --headless --seed 1 --root "$root" --script "$WORK/bad.txt" 2>&1 >/dev/null)"; code=$?; set -e
[[ $code == 2 ]] || fail "bad script gave exit code $code"
grep -q "line 2" <<<"$err" || fail "the error does not name line 2: $err"
expect_exit 2 "$ZEMBROL" --headless --root "$root" --script "$WORK/missing.txt"
# The run still closes properly: the log ends with the end banner.
tail -1 "$root/data/Load_$HOST.log" | grep -q "    End$" || fail "no end banner after a script"
# Numbers that do not fit stop the run at their line, for the rules' names and the
# game's other settings alike.
for bad in "tick 1e300" "mouse move inf 0" "set g_FigX 99999999999" "set gr_Alpha 1e300"; do
  printf 'dump\n%s\n' "$bad" > "$WORK/number.txt"
  set +e; err="$("$ZEMBROL" --headless --seed 1 --root "$root" --script "$WORK/number.txt" 2>&1 >/dev/null)"; code=$?; set -e
  [[ $code == 2 ]] || fail "\"$bad\" gave exit code $code"
  grep -q "^line 2: " <<<"$err" || fail "\"$bad\": the error does not name line 2: $err"
done
printf 'set gr_Alpha 1e300\n' > "$WORK/number.txt"
set +e; err="$("$ZEMBROL" --headless --seed 1 --root "$root" --script "$WORK/number.txt" 2>&1 >/dev/null)"; set -e
grep -qF 'line 1: gr_Alpha: "1e300" is out of range for a 16-bit integer' <<<"$err" || fail "gr_Alpha 1e300: $err"
# The language window lists languages by their own names; choosing one by its name
# still stores its file name in lang.txt.
printf 'type English\nclick chkLang\n' > "$WORK/language.txt"
"$ZEMBROL" --headless --seed 1 --root "$root" --script "$WORK/language.txt" > /dev/null || fail "language script"
[[ "$(head -1 "$root/lang.txt")" == english.ini ]] || fail "lang.txt holds $(cat "$root/lang.txt") after choosing English"
printf 'type Русский\nclick chkLang\n' > "$WORK/language.txt"
"$ZEMBROL" --headless --seed 1 --root "$root" --script "$WORK/language.txt" > /dev/null || fail "language script"
[[ "$(head -1 "$root/lang.txt")" == russian.ini ]] || fail "lang.txt holds $(cat "$root/lang.txt") after choosing Русский"
