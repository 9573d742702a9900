# The game's real mix, recorded through OpenAL's wave writer while a short window
# game is played with real keys, and measured with sox: the start sound opens the
# game, rotations and the drop sound as separate bursts, the music's left/right
# balance swings with the pan sweep; with EnableSoundControl off only the music
# sounds, fading in from -35 dB.
source "$(dirname "$0")/lib.sh" "$@"
[[ -n "${DISPLAY:-}" ]] || { echo "skipped: needs a display"; exit 77; }
command -v sox > /dev/null || fail "sox is needed (scripts/deps.sh --test)"
WINDOWS="$(dirname "$0")/sound_windows.awk"

# Plays a short game with the mix going to $WORK/NAME.wav; extra arguments go to the game.
record() {  # name extra-args...
  local name="$1"; shift
  local root log pid win conf
  root="$(make_root "$name")"
  log="$root/data/Load_$HOST.log"
  conf="$(wave_output "$WORK/$name.wav")"
  xdotool mousemove 1270 1015
  ALSOFT_CONF="$conf" "$ZEMBROL" --root "$root" --seed 7 --answer ok --set SpeedChange=100 "$@" \
    > "$WORK/$name.out" 2>&1 &
  pid=$!
  win="$(main_window "$pid" "$log")"
  grep -q "<< gg_InitSound()" "$log" || fail "$name: the sound device did not open"
  # The start sound, two rotations and the drop, each once the one before has had its
  # time in the recording: a key is through once the game has shown two more pictures.
  sound_for "$pid" "$WORK/$name.wav" 1.5
  xdotool key --window "$win" Up; wait_frames "$win" 2; sound_for "$pid" "$WORK/$name.wav" 1
  xdotool key --window "$win" Up; wait_frames "$win" 2; sound_for "$pid" "$WORK/$name.wav" 1
  xdotool key --window "$win" Down; wait_frames "$win" 2; sound_for "$pid" "$WORK/$name.wav" 3
  close_game_window "$pid" "$log"
  [[ -s "$WORK/$name.wav" ]] || fail "$name: nothing was recorded"
  sox "$WORK/$name.wav" -t dat - | awk -v win=0.05 -f "$WINDOWS" > "$WORK/$name.rms"
}

# The loudest window in the half second from the first sound on (0: nothing sounded).
opening() { awk '$2 + $3 > 0.001 && !t0 { t0 = $1 } t0 && $1 < t0 + 0.5 { m = ($2 > m ? $2 : m) } END { print m + 0 }' "$1"; }
# Event bursts: a window at least four times as loud as the one before and above 0.03.
bursts() { awk '{ v = $2 > $3 ? $2 : $3 } v > 0.03 && v > 4 * prev { n++ } { prev = v } END { print n + 0 }' "$1"; }
# Windows of music alone (quiet, not silent) where one side is three times the other.
leaning() {  # file left|right
  awk -v side="$2" '$2 < 0.03 && $3 < 0.03 && ($2 > 0.002 || $3 > 0.002) {
      if (side == "left" && $2 > 3 * $3) n++; if (side == "right" && $3 > 3 * $2) n++ } END { print n + 0 }' "$1"
}
holds() { awk "BEGIN { exit !($1) }"; }

record sounds
echo "with event sounds: opening RMS $(opening "$WORK/sounds.rms"), bursts $(bursts "$WORK/sounds.rms")," \
     "music leaning left in $(leaning "$WORK/sounds.rms" left) windows, right in $(leaning "$WORK/sounds.rms" right)"
holds "$(opening "$WORK/sounds.rms") > 0.05" || fail "no start sound at the start of the game"
holds "$(bursts "$WORK/sounds.rms") >= 3" || fail "the start, rotation and drop sounds are not separate bursts"
holds "$(leaning "$WORK/sounds.rms" left) >= 3" || fail "the music never leans to the left"
holds "$(leaning "$WORK/sounds.rms" right) >= 3" || fail "the music never leans to the right"

record quiet --set EnableSoundControl=False
echo "event sounds off: opening RMS $(opening "$WORK/quiet.rms"), bursts $(bursts "$WORK/quiet.rms")," \
     "loudest window $(awk '{ m = $2 > m ? $2 : m; m = $3 > m ? $3 : m } END { print m }' "$WORK/quiet.rms")"
holds "$(opening "$WORK/quiet.rms") > 0" || fail "no music without event sounds"
holds "$(opening "$WORK/quiet.rms") < 0.01" || fail "a start sound with EnableSoundControl off"
# The music alone stays well under an event sound's loudness (about 0.2 at its
# loudest window); counting bursts here would take a music window after a quiet one
# for an event on a slow machine.
holds "$(awk '{ m = $2 > m ? $2 : m; m = $3 > m ? $3 : m } END { print m + 0 }' "$WORK/quiet.rms") < 0.15" \
  || fail "event sounds with EnableSoundControl off"
holds "$(leaning "$WORK/quiet.rms" left) + $(leaning "$WORK/quiet.rms" right) >= 6" || fail "the music does not sweep"
echo "recorded mix ok"
