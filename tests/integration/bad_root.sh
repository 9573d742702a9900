# An application folder without a data tree ends start-up with the log message and code 1.
source "$(dirname "$0")/lib.sh" "$@"
mkdir -p "$WORK/empty"
set +e; err="$("$ZEMBROL" --headless --root "$WORK/empty" 2>&1)"; code=$?; set -e
[[ $code == 1 ]] || fail "exit code $code"
grep -q "Не удалось открыть log-файл" <<<"$err" || fail "no log-open message: $err"
grep -q "Не удалось создать log-файл" <<<"$err" || fail "no log-create message: $err"
