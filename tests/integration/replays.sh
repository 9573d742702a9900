# Replays through the real executable: a seeded scripted game recorded with --record
# replays headless to the same final state, the game is also kept in the player's
# folder, and damaged, altered, newer and foreign files stop with exit code 2. Games
# recorded by earlier builds (replays/) still replay to the same final state: a
# "Sequence" game read on from the middle of the list, one whose random-order box was
# ticked during play, a series on into its "Classic" game, a first game of its run
# with every kind of input a headless run gives (mouse clicks, pause, camera, demo),
# and held keys under the game's own repeat. The same inputs played today are
# journaled with the same entries at the same passes as that earlier build wrote.
source "$(dirname "$0")/lib.sh" "$@"
root="$(make_root)"
printf 'tick 40\nkey Left\nkey Up\nkey Space\nkey Down\ntick 300\nkey Enter\nclick chkDemo\ntick 6000\n' > "$WORK/play.txt"
"$ZEMBROL" --headless --seed 3 --root "$root" --script "$WORK/play.txt" --record "$WORK/game.zrp" > /dev/null
[[ -s "$WORK/game.zrp" ]] || fail "no replay written"
[[ -s "$root/data/replays/last.zrp" ]] || fail "the last game was not kept in the data folder"
out="$("$ZEMBROL" --headless --root "$root" --replay "$WORK/game.zrp")" || fail "the replay did not match: $out"
grep -q "^MATCH" <<<"$out" || fail "no MATCH line: $out"
for old in "$(dirname "$0")"/replays/*.zrp; do
  out="$("$ZEMBROL" --headless --root "$root" --replay "$old")" || fail "$old did not match: $out"
  grep -q "^MATCH" <<<"$out" || fail "$old: no MATCH line: $out"
done
every="$(make_root every)"
"$ZEMBROL" --headless --seed 5 --root "$every" --script "$(dirname "$0")/replays/every-input.txt" \
  --record "$WORK/every.zrp" > /dev/null
inputs() { grep -E '^(in|change) ' "$1"; }
diff <(inputs "$(dirname "$0")/replays/every-input.zrp") <(inputs "$WORK/every.zrp") > "$WORK/every.diff" ||
  fail "the journal of every-input.txt differs from the earlier build's: $(head -5 "$WORK/every.diff")"
check_refused() {   # FILE MESSAGE
  set +e; err="$("$ZEMBROL" --headless --root "$root" --replay "$1" 2>&1 >/dev/null)"; code=$?; set -e
  [[ $code == 2 ]] || fail "$1 gave exit code $code"
  grep -q "$2" <<<"$err" || fail "$1: the message does not say \"$2\": $err"
}
head -c 2000 "$WORK/game.zrp" > "$WORK/cut.zrp"
check_refused "$WORK/cut.zrp" "truncated"
sed 's/^set bCW 1$/set bCW 0/' "$WORK/game.zrp" > "$WORK/edited.zrp"
cmp -s "$WORK/edited.zrp" "$WORK/game.zrp" && fail "the edit changed nothing"
check_refused "$WORK/edited.zrp" "altered"
sed '1s/.*/zembrol-replay 7/' "$WORK/game.zrp" > "$WORK/future.zrp"
check_refused "$WORK/future.zrp" "newer version"
printf 'hello\n' > "$WORK/foreign.zrp"
check_refused "$WORK/foreign.zrp" "not a replay file"
check_refused "$WORK/missing.zrp" "cannot read"
echo ok
