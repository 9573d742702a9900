# Options: help, version, and clear refusals of wrong ones.
source "$(dirname "$0")/lib.sh" "$@"
"$ZEMBROL" --version | grep -qx "Zembrol 1.0.0" || fail "version"
"$ZEMBROL" --help | grep -q -- "--root DIR" || fail "help"
for bad in "--bogus" "--seed" "--seed -3" "--dpi x" "--answer maybe" "--script s.txt" "--set nosuch=1" "--set g_Speed=fast" "--games 0" "--headless --screenshot x.png"; do
  set +e; err="$("$ZEMBROL" $bad 2>&1 >/dev/null)"; code=$?; set -e
  [[ $code == 2 ]] || fail "\"$bad\" gave exit code $code"
  grep -q "^zembrol: " <<<"$err" || fail "\"$bad\" gave no message"
done
