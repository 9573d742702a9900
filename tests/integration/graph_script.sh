# The graphics and material windows in a headless scripted run: the dump shows their
# controls, the settings take the choices, a texture file that does not load is said
# in its box and its path is kept, and F9 is a key scripts may press.
source "$(dirname "$0")/lib.sh" "$@"
root="$(make_root)"
echo english.ini > "$root/lang.txt"
printf '\x89PNG not a picture' > "$root/data/textures/broken.png"
OUT="$WORK/out.json"
"$ZEMBROL" --headless --seed 3 --root "$root" --script "$(dirname "$0")/../loop/scripts/graph_windows.txt" \
  > "$OUT" 2> "$WORK/err.txt" || fail "script: exit $? $(cat "$WORK/err.txt")"
line() { sed -n "$1p" "$OUT"; }
has() {  # dump-line text what
  grep -qF -- "$2" <<<"$(line "$1")" || fail "$3: dump $1 lacks $2"
}
has 1 '"cmdSetGraph.Enabled":"True"' "the Graphics button is enabled"
has 2 '"window":"frmGraph"' "the graphics window is open"
has 2 '"optDetal(0)":"1"' "flat squares are chosen"
has 2 '"sldWorldSpeed.Enabled":"False"' "the world's speed slider follows the world"
has 2 "\"lblTexPath\":\"" "the texture path is shown"
has 2 '"bDetLevel":"False"' "bDetLevel is stored"
has 2 '"dq_ValueDelay":"1"' "the fastest deformation is a delay of 1"
has 2 '"m_WorldEnable":"False"' "the world is off"
has 2 '"m_WorldSpeed":"5"' "a disabled slider does not move"
has 2 "\"gr_arTex1\":\"$root/data/textures/broken.png\"" "the texture that did not load keeps its path"
grep -qF "Не удалось загрузить текстуру $root/data/textures/broken.png" "$WORK/err.txt" ||
  fail "no box for the texture: $(cat "$WORK/err.txt")"
has 3 '"window":"frmPaint"' "F9 opens the material window"
has 4 '"window":"frmPaint"' "the material window stays open while the game goes on"
has 4 '"cmbType":"Ambient","VScroll1(0)":"26","VScroll1(1)":"217","VScroll1(2)":"0"' "the ambient bars"
has 4 '"txtPower":"7"' "the power typed"
fall() { grep -o '"g_FigY":[0-9-]*\|"m_FallCounter":[0-9-]*\|"g_FigCount":[0-9-]*' <<<"$(line "$1")" | tr '\n' ' '; }
[[ "$(fall 3)" != "$(fall 4)" ]] || fail "the game did not go on under the material window: $(fall 3)"
grep -qF '"window":null' <<<"$(line 5)" || fail "Esc did not close the material window: $(line 5 | head -c 200)"
grep -qF '"g_Running":true' <<<"$(line 5)" || fail "Esc in the material window paused the game: $(line 5 | head -c 300)"
grep -qF 'frmPaint unload' "$root/data/"Load_*.log || fail "the material window's closing is not logged"
exit 0
