# The scripted headless runner through the real executable: the same seed and script
# print the same dumps, a game is played to its end, and a bad line stops the run
# with its number and exit code 2.
source "$(dirname "$0")/lib.sh" "$@"
root="$(make_root)"
script="$(dirname "$0")/../loop/scripts/four_rows_then_game_over.txt"
# Each run gets a fresh copy of the folder, at the same path (the settings in the dump
# name it): the dump shows the result windows, which show the record files that the
# run before would have extended.
"$ZEMBROL" --headless --seed 1 --root "$root" --script "$script" > "$WORK/a.json"
rm -rf "$root"
root="$(make_root)"
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
# A camera key: the 60-pass move holds drops back, then they work again.
"$ZEMBROL" --headless --seed 1 --root "$root" --script "$(dirname "$0")/../loop/scripts/camera_then_drop.txt" > "$WORK/cam.json"
[[ "$(sed -n 1p "$WORK/cam.json" | grep -o '"g_ViewMoving":[a-z]*,"cl_Busy":[a-z]*' )" == '"g_ViewMoving":true,"cl_Busy":false' ]] \
  || fail "the move did not run 59 passes: $(head -c 300 "$WORK/cam.json")"
grep -q '"g_Dropping":false' <(sed -n 1p "$WORK/cam.json") || fail "a drop started during the camera move"
sed -n 2p "$WORK/cam.json" | grep -q '"g_Dropping":true,"g_DropArmed":false,"g_ViewMoving":false' \
  || fail "no drop after the camera move: $(sed -n 2p "$WORK/cam.json" | head -c 300)"
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
grep -qF 'line 1: bad value for gr_Alpha: "1e300" is out of range for a 16-bit integer' <<<"$err" || fail "gr_Alpha 1e300: $err"
# The language window lists languages by their own names; choosing one by its name
# still stores its file name in lang.txt.
printf 'type English\nclick chkLang\n' > "$WORK/language.txt"
"$ZEMBROL" --headless --seed 1 --root "$root" --script "$WORK/language.txt" > /dev/null || fail "language script"
[[ "$(head -1 "$root/lang.txt")" == english.ini ]] || fail "lang.txt holds $(cat "$root/lang.txt") after choosing English"
printf 'type Русский\nclick chkLang\n' > "$WORK/language.txt"
"$ZEMBROL" --headless --seed 1 --root "$root" --script "$WORK/language.txt" > /dev/null || fail "language script"
[[ "$(head -1 "$root/lang.txt")" == russian.ini ]] || fail "lang.txt holds $(cat "$root/lang.txt") after choosing Русский"
# A level advance: with the flight on the game waits 164 passes and ticks again in the
# flight's 165th; with it off the next pass ticks.
flight() { "$ZEMBROL" --headless --seed 1 --root "$root" --script "$(dirname "$0")/../loop/scripts/$1.txt" \
  | grep -o '"g_Level":[0-9]*\|"m_FallCounter":[0-9]*\|"cl_Busy":[a-z]*' | paste -sd' '; }
want='"g_Level":1 "m_FallCounter":0 "cl_Busy":true "g_Level":1 "m_FallCounter":0 "cl_Busy":true "g_Level":1 "m_FallCounter":1 "cl_Busy":false'
[[ "$(flight level_flight)" == "$want" ]] || fail "level flight: $(flight level_flight)"
want='"g_Level":1 "m_FallCounter":0 "cl_Busy":false "g_Level":1 "m_FallCounter":1 "cl_Busy":false'
[[ "$(flight level_no_flight)" == "$want" ]] || fail "no level flight: $(flight level_no_flight)"
