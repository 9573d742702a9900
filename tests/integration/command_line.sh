# Options: help, version, and clear refusals of wrong ones.
source "$(dirname "$0")/lib.sh" "$@"
"$ZEMBROL" --version | grep -qx "Zembrol 1.0.0" || fail "version"
"$ZEMBROL" --help | grep -q -- "--root DIR" || fail "help"
for bad in "--bogus" "--seed" "--seed -3" "--dpi x" "--answer maybe" "--script s.txt" "--set nosuch=1" "--set g_Speed=fast" "--set g_Speed=1e300" "--set iNumNexts=inf" "--set freq=99999999999" "--set left=nan" "--dpi 1e300" "--games 0" "--headless --screenshot x.png"; do
  set +e; err="$("$ZEMBROL" $bad 2>&1 >/dev/null)"; code=$?; set -e
  [[ $code == 2 ]] || fail "\"$bad\" gave exit code $code"
  grep -q "^zembrol: " <<<"$err" || fail "\"$bad\" gave no message"
done
# A number that does not fit its setting is named with the reason.
set +e; err="$("$ZEMBROL" --set g_Speed=1e300 2>&1 >/dev/null)"; set -e
grep -qF 'zembrol: --set g_Speed=1e300: "1e300" is out of range for a 16-bit integer' <<<"$err" || fail "--set out of range: $err"
