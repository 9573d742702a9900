# A simulation killed with SIGKILL at random moments, 20 times, leaves every record
# table, level table and the full statistics readable and never shorter than before;
# the temporary files of a save cut short are gone after the next start.
source "$(dirname "$0")/lib.sh" "$@"
root="$(make_root)"
set_dir="$root/data/set"
"$ZEMBROL" --headless --seed 100 --demo --games 3 --root "$root" > /dev/null

# Entries of a table file, or "bad" when it is not name/score line pairs ended by CR LF.
entries() {
  awk 'BEGIN { RS = "\n" }
       { if (substr($0, length($0)) != "\r") bad = 1; sub(/\r$/, "") }
       NR % 2 == 0 && $0 !~ /^-?[0-9]+$/ { bad = 1 }
       END { if (bad || NR % 2) print "bad"; else print NR / 2 }' "$1"
}
declare -A before
snapshot() {
  before=()
  for f in "$set_dir"/DF_*.txt; do before["$f"]="$(entries "$f")"; done
  before[stat]="$(stat -c %s "$set_dir/DS_slowzemb.zmb")"
}
check() {  # round delay
  for f in "$set_dir"/DF_*.txt; do
    local now; now="$(entries "$f")"
    [[ "$now" != bad ]] || fail "round $1 (kill after $2 s): $(basename "$f") is damaged"
    (( now >= ${before[$f]:-0} )) || fail "round $1 (kill after $2 s): $(basename "$f") fell from ${before[$f]} to $now entries"
  done
  local size; size="$(stat -c %s "$set_dir/DS_slowzemb.zmb")"
  (( size % 57 == 0 )) || fail "round $1 (kill after $2 s): the full statistics hold a partial record ($size bytes)"
  (( size >= before[stat] )) || fail "round $1 (kill after $2 s): the full statistics shrank"
  grep -q '^\[MAIN\]' "$set_dir/${HOST}1.ini" || fail "round $1 (kill after $2 s): the settings file is damaged"
}

for round in $(seq 20); do
  snapshot
  delay="$(printf '0.%02d' $((RANDOM % 90 + 5)))"
  "$ZEMBROL" --headless --seed "$round" --demo --games 100 --root "$root" > /dev/null 2>&1 &
  pid=$!
  sleep "$delay"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  check "$round" "$delay"
done

# The next start cleans up after the kills and still reads every table.
snapshot
"$ZEMBROL" --headless --seed 99 --demo --games 1 --root "$root" > /dev/null || fail "the run after the kills"
check after 0
[[ -z "$(find "$root" -name '*.tmp-??????')" ]] || fail "temporary files stayed: $(find "$root" -name '*.tmp-*')"
