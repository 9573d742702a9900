# While one run holds the application folder, a second start ends at once with
# exit code 0 and leaves the first run's log alone.
source "$(dirname "$0")/lib.sh" "$@"
root="$(make_root)"
"$ZEMBROL" --headless --root "$root"
log="$root/data/Load_$HOST.log"
before="$(md5sum < "$log")"
# flock(1) takes the same kind of lock a running game holds.
flock "$root/data/zembrol.lock" bash -c "
  start=\$(date +%s%N)
  '$ZEMBROL' --headless --root '$root' || exit 10
  (( (\$(date +%s%N) - start) < 2000000000 )) || exit 11
" || fail "second start did not end at once with exit code 0 (code $?)"
[[ "$(md5sum < "$log")" == "$before" ]] || fail "second start touched the log"
