# Without a display the game reports that it could not start, exits non-zero and
# leaves a complete log.
source "$(dirname "$0")/lib.sh" "$@"
root="$(make_root)"
set +e
err="$(env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 "$ZEMBROL" --root "$root" 2>&1)"
code=$?
set -e
[[ $code == 1 ]] || fail "exit code $code"
grep -q "Не удалось проинициализировать Zembrol." <<<"$err" || fail "no failure message: $err"
log="$root/data/Load_$HOST.log"
expect_in_order "$log" "f_OpenLog()" "gg_InitDirectX - d_InitD3D()=false" "<< gg_InitDirectX() --- FAILED !!!" \
  "...>> g_Exit()" "<< g_Exit()" "f_CloseLog()"
tail -1 "$log" | grep -q "    End$" || fail "no end banner"
