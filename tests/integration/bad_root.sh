# An application folder without a data tree, or one that does not exist, ends
# start-up with the two log messages and code 1; the terminal also names the
# folder and the system's reason.
source "$(dirname "$0")/lib.sh" "$@"
mkdir -p "$WORK/empty"
set +e; err="$("$ZEMBROL" --headless --root "$WORK/empty" 2>&1)"; code=$?; set -e
[[ $code == 1 ]] || fail "exit code $code"
grep -q "Не удалось открыть log-файл" <<<"$err" || fail "no log-open message: $err"
grep -q "Не удалось создать log-файл" <<<"$err" || fail "no log-create message: $err"
grep -qF "in the application folder $WORK/empty: No such file or directory" <<<"$err" || fail "no folder and reason: $err"

set +e; err="$("$ZEMBROL" --headless --root "$WORK/missing" 2>&1)"; code=$?; set -e
[[ $code == 1 ]] || fail "exit code $code for a missing folder"
grep -q "Не удалось создать log-файл" <<<"$err" || fail "no log-create message: $err"
grep -qF "in the application folder $WORK/missing: no such folder" <<<"$err" || fail "no folder and reason: $err"

# A data folder that cannot be written (only a player who is not root is refused).
if [[ $(id -u) != 0 ]]; then
  mkdir -p "$WORK/readonly/data"
  chmod a-w "$WORK/readonly/data"
  set +e; err="$("$ZEMBROL" --headless --root "$WORK/readonly" 2>&1)"; code=$?; set -e
  chmod u+w "$WORK/readonly/data"
  [[ $code == 1 ]] || fail "exit code $code for a read-only folder"
  grep -qF "in the application folder $WORK/readonly: Permission denied" <<<"$err" || fail "no reason: $err"
fi
