# While one run holds the application folder, a second start ends at once with
# exit code 0 and leaves the first run's log alone.
source "$(dirname "$0")/lib.sh" "$@"
root="$(make_root)"
"$ZEMBROL" --headless --root "$root"
log="$root/data/Load_$HOST.log"
before="$(md5sum < "$log")"
# flock(1) takes the same kind of lock a running game holds.
# A second start that waited for the lock would never end: the test's timeout tells.
flock "$root/data/zembrol.lock" "$ZEMBROL" --headless --root "$root" \
  || fail "second start did not end with exit code 0 (code $?)"
[[ "$(md5sum < "$log")" == "$before" ]] || fail "second start touched the log"
