# cmake --install makes an installed game: the executable in bin, the shipped data
# read-only under share/zembrol, and each player's own files (log, settings, records,
# language) in $XDG_DATA_HOME/zembrol. The menu entry and the metadata validate.
source "$(dirname "$0")/lib.sh" "$@"
prefix="$WORK/prefix"
cmake --install "$BUILD" --prefix "$prefix" > /dev/null
for f in bin/zembrol share/zembrol/lang.txt share/zembrol/data/set/default.ini share/zembrol/data/lang/russian.ini \
         share/zembrol/data/textures/tex1.bmp share/zembrol/data/skins/skin1.png share/zembrol/data/music/start.wav \
         share/applications/org.zembrol.Zembrol.desktop share/metainfo/org.zembrol.Zembrol.metainfo.xml \
         share/icons/hicolor/48x48/apps/zembrol.png share/icons/hicolor/256x256/apps/zembrol.png; do
  [[ -e "$prefix/$f" ]] || fail "install lacks $f"
done
chmod -R a-w "$prefix/share/zembrol"   # as under /usr: the player cannot write there
trap 'chmod -R u+w "$WORK"; rm -rf "$WORK"' EXIT
before="$(find "$prefix" -type f | sort | md5sum)"
play() {  # player-folder
  HOME="$WORK/home" XDG_DATA_HOME="$1" "$prefix/bin/zembrol" --headless --seed 3 --demo --games 1 > "$WORK/out.txt" \
    || fail "the installed game failed: $(cat "$WORK/out.txt")"
}
play "$WORK/player1"
play "$WORK/player2"
[[ "$(find "$prefix" -type f | sort | md5sum)" == "$before" ]] || fail "the installed tree was written to"
for p in player1 player2; do
  d="$WORK/$p/zembrol"
  [[ -f "$d/data/Load_$HOST.log" && -f "$d/data/set/${HOST}1.ini" && -f "$d/lang.txt" ]] || fail "$p has no own files"
  ls "$d"/data/set/DF_* > /dev/null 2>&1 || fail "$p has no record table"
  expect_in_order "$d/data/Load_$HOST.log" "...copy default ini-file" "f_CloseLog()"
done
# Without XDG_DATA_HOME the player's folder is ~/.local/share/zembrol.
HOME="$WORK/home" XDG_DATA_HOME= "$prefix/bin/zembrol" --headless > /dev/null || fail "start without XDG_DATA_HOME"
[[ -f "$WORK/home/.local/share/zembrol/data/Load_$HOST.log" ]] || fail "no log under ~/.local/share/zembrol"
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$prefix/share/applications/org.zembrol.Zembrol.desktop" || fail "the menu entry does not validate"
fi
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.zembrol.Zembrol.metainfo.xml" > "$WORK/as.txt" 2>&1 \
    || fail "the metadata does not validate: $(cat "$WORK/as.txt")"
fi
