# A player's files through whole runs of the game: a changed setting never sends one
# table's entries over another's file, a file that exists but cannot be read is never
# saved over, and a scripted or simulation run that could not do its work says so and
# fails.
source "$(dirname "$0")/lib.sh" "$@"

# Runs a command as a player who is not root: root reads and writes every file, so
# "cannot be read" and "read-only" need another user.
as_player() {
  if [[ $(id -u) -eq 0 ]]; then setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$@"; else "$@"; fi
}
player_root() {  # name: an application folder the player owns
  local root; root="$(make_root "$1")"
  chmod 755 "$WORK"
  [[ $(id -u) -eq 0 ]] && chown -R nobody:nogroup "$root"
  echo "$root"
}
# A file the player cannot read: root's own, private (or, not being root, unreadable).
lock_away() {
  if [[ $(id -u) -eq 0 ]]; then chown root:root "$1"; fi
  chmod 600 "$1"
  [[ $(id -u) -eq 0 ]] || chmod 000 "$1"
}
computer_entries() { grep -c '^Computer' "$1" || true; }

# --- F11 after a speed change: the Slow table keeps every earlier entry -------------
root="$(make_root f11)"
"$ZEMBROL" --headless --seed 5 --demo --games 6 --root "$root" > /dev/null || fail "the first simulation"
slow="$root/data/set/DF_slow_zemb.txt"
before="$(computer_entries "$slow")"
(( before > 0 )) || fail "the simulation left no Slow entries"
cp "$slow" "$WORK/slow.before"
printf '%s\n' 'click chkSet' 'click optSpeed(2)' 'click cmdOK' 'key F11' 'tick 200000' 'click cmdOK' \
  'type Tester' 'click cmdOK' 'key Esc' > "$WORK/f11.txt"
"$ZEMBROL" --headless --seed 7 --root "$root" --script "$WORK/f11.txt" > /dev/null || fail "the F11 script"
[[ "$(computer_entries "$slow")" == "$before" ]] ||
  { diff "$WORK/slow.before" "$slow" >&2 || true; fail "the Slow table lost entries after F11"; }
grep -q '^Tester' "$slow" || fail "the game after F11 did not enter the Slow table"
[[ -z "$(ls "$root/data/set/" | grep '\.bad-' || true)" ]] || fail "a table was taken for damaged"

# --- Unreadable files: left alone, the run fails and says so -------------------------
root="$(player_root unreadable)"
as_player "$ZEMBROL" --headless --seed 3 --demo --games 2 --root "$root" > /dev/null || fail "the player's first run"
set_dir="$root/data/set"
for f in DF_slow_zemb.txt DF_slow_zemb_level0.txt "${HOST}1.ini"; do lock_away "$set_dir/$f"; done
declare -A sums
for f in DF_slow_zemb.txt DF_slow_zemb_level0.txt "${HOST}1.ini"; do sums[$f]="$(md5sum < "$set_dir/$f")"; done
set +e; err="$(as_player "$ZEMBROL" --headless --seed 4 --demo --games 3 --root "$root" 2>&1 >/dev/null)"; code=$?; set -e
[[ $code == 1 ]] || fail "a simulation with unreadable files exited with $code: $err"
grep -q "DF_slow_zemb.txt exists but cannot be read" <<<"$err" || fail "no message for the table: $err"
grep -q "${HOST}1.ini exists but cannot be read" <<<"$err" || fail "no message for the settings: $err"
for f in DF_slow_zemb.txt DF_slow_zemb_level0.txt "${HOST}1.ini"; do
  [[ "$(md5sum < "$set_dir/$f")" == "${sums[$f]}" ]] || fail "$f was written over"
done
[[ -z "$(ls "$set_dir" | grep '\.bad-' || true)" ]] || fail "an unreadable file was copied as damaged"
grep -q "exists but cannot be read" "$root/data/Load_$HOST.log" || fail "the log does not say which file"

# --- Failures of a scripted run are not reported as success --------------------------
root="$(player_root readonly)"
as_player "$ZEMBROL" --headless --root "$root" > /dev/null || fail "a first run"
chmod 555 "$root/data/set"
printf '%s\n' 'tick 20' 'key F12' 'tick 20' > "$WORK/save.txt"
set +e; err="$(as_player "$ZEMBROL" --headless --root "$root" --script "$WORK/save.txt" 2>&1 >/dev/null)"; code=$?; set -e
chmod 755 "$root/data/set"
[[ $code != 0 ]] || fail "a script whose saves failed exited with 0"
grep -q "^zembrol: the settings could not be saved" <<<"$err" || fail "no message for the failed saves: $err"

# A second scripted or simulation run in a folder in use; a plain second start still
# leaves quietly.
root="$(make_root busy)"
"$ZEMBROL" --headless --root "$root" > /dev/null
set +e
err="$(flock "$root/data/zembrol.lock" "$ZEMBROL" --headless --root "$root" --script "$WORK/save.txt" 2>&1)"; code=$?
set -e
[[ $code == 1 ]] || fail "a scripted run in a folder in use exited with $code"
grep -q "another run of the game is using the folder" <<<"$err" || fail "no message for the folder in use: $err"
set +e; flock "$root/data/zembrol.lock" "$ZEMBROL" --headless --seed 1 --demo --games 1 --root "$root" > /dev/null 2>&1; code=$?; set -e
[[ $code == 1 ]] || fail "a simulation in a folder in use exited with $code"

# --dump-at-exit into a folder that does not exist; no language file in a scripted run.
set +e; "$ZEMBROL" --headless --root "$root" --script "$WORK/save.txt" --dump-at-exit "$WORK/no/dump.json" >/dev/null 2>&1
code=$?; set -e
[[ $code != 0 ]] || fail "a dump that could not be written exited with 0"
rm -f "$root"/data/lang/*.ini
set +e; err="$("$ZEMBROL" --headless --root "$root" --script "$WORK/save.txt" 2>&1 >/dev/null)"; code=$?; set -e
[[ $code != 0 ]] || fail "a scripted run without language files exited with 0"
grep -q "language" <<<"$err" || fail "no message for the missing language files: $err"

# --record into a folder that does not exist.
root="$(make_root rec)"
printf '%s\n' 'tick 20' > "$WORK/short.txt"
set +e; err="$("$ZEMBROL" --headless --seed 2 --root "$root" --script "$WORK/short.txt" --record "$WORK/no/game.zrp" 2>&1 >/dev/null)"
code=$?; set -e
[[ $code != 0 ]] || fail "a replay that could not be written exited with 0"
grep -q "cannot write the replay" <<<"$err" || fail "no message for the replay: $err"
