# cmake --install makes the same runnable tree under a prefix; the installed game
# finds its data beside itself.
source "$(dirname "$0")/lib.sh" "$@"
cmake --install "$BUILD" --prefix "$WORK/prefix" > /dev/null
for f in zembrol lang.txt data/set/default.ini data/lang/russian.ini data/lang/english.ini; do
  [[ -e "$WORK/prefix/$f" ]] || fail "install lacks $f"
done
expect_exit 0 "$WORK/prefix/zembrol" --headless
expect_in_order "$WORK/prefix/data/Load_$HOST.log" "...copy default ini-file" "f_CloseLog()"
