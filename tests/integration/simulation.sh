# The simulation mode: 20 demo games print 21 JSON lines and write the record table,
# the full statistics and the level tables; a second run reads them back and extends
# them; the same seed replays the same games.
source "$(dirname "$0")/lib.sh" "$@"
root="$(make_root)"
set_dir="$root/data/set"
"$ZEMBROL" --headless --seed 1 --demo --games 20 --root "$root" > "$WORK/a.json"
[[ "$(wc -l < "$WORK/a.json")" == 21 ]] || { cat "$WORK/a.json" >&2; fail "expected 21 lines"; }
for k in $(seq 20); do
  sed -n "${k}p" "$WORK/a.json" | grep -q "^{\"game\":$k,\"gt_CurGameType\":1,\"g_Speed\":0,\"score\":" ||
    fail "line $k is not game $k"
done
tail -1 "$WORK/a.json" | grep -qE '^\{"games":20,"mean_score":[0-9.]+,"median_score":[0-9.]+,"rows_per_game":[0-9.]+\}$' ||
  fail "bad summary line: $(tail -1 "$WORK/a.json")"
for f in DF_slow_zemb.txt DS_slowzemb.zmb DF_slow_zemb_level0.txt; do
  [[ -s "$set_dir/$f" ]] || fail "no $f"
done
# 20 games under "Computer", and the default row beside them in the full statistics.
[[ "$(grep -c '^Computer' "$set_dir/DF_slow_zemb.txt")" == 20 ]] || fail "the record table lacks the 20 games"
[[ "$(stat -c %s "$set_dir/DS_slowzemb.zmb")" == $((21 * 57)) ]] || fail "the full statistics lack the 20 games"

"$ZEMBROL" --headless --seed 2 --demo --games 5 --root "$root" > "$WORK/b.json"
[[ "$(wc -l < "$WORK/b.json")" == 6 ]] || fail "the second run did not finish"
[[ "$(grep -c '^Computer' "$set_dir/DF_slow_zemb.txt")" == 25 ]] || fail "the second run did not extend the table"
[[ "$(stat -c %s "$set_dir/DS_slowzemb.zmb")" == $((26 * 57)) ]] || fail "the second run did not extend the statistics"
# The second run's places count the first run's records.
grep -qv '"place":1}' <(head -5 "$WORK/b.json") || fail "every game of the second run took place 1"

other="$(make_root other)"
"$ZEMBROL" --headless --seed 1 --demo --games 20 --root "$other" > "$WORK/c.json"
cmp -s "$WORK/a.json" "$WORK/c.json" || fail "the same seed played different games"
