# The generated sound set, measured with sox: every file peaks at or below -1 dBFS
# with no DC offset; the event sounds are short and equally loud within 6 dB; the
# two music loops are stereo, long enough, and their end joins their start with no
# step larger than the music's ordinary sample-to-sample change.
source "$(dirname "$0")/lib.sh" "$@"
MUSIC="$BUILD/data/music"
command -v sox > /dev/null || fail "sox is needed (scripts/deps.sh --test)"

stat_of() { sox "$1" -n stat 2>&1 | grep "^$2" | awk '{print $NF}'; }
# Awk as a calculator: exits 0 when the expression holds.
holds() { awk "BEGIN { exit !($1) }"; }

events=(level start rot drop1 drop2 down1 down2 del zembrol inv)
low="" high=""
for name in "${events[@]}" BkgMusic dstat; do
  f="$MUSIC/$name.wav"
  [[ -f "$f" ]] || fail "$name.wav was not made"
  max="$(stat_of "$f" "Maximum amplitude")" min="$(stat_of "$f" "Minimum amplitude")"
  mean="$(stat_of "$f" "Mean    amplitude")"
  holds "$max <= 0.8913 && -($min) <= 0.8913" || fail "$name.wav peaks above -1 dBFS ($min .. $max)"
  holds "($mean) < 0.001 && ($mean) > -0.001" || fail "$name.wav has a DC offset ($mean)"
  printf "%-8s peak %s/%s mean %s rms %s length %s s\n" "$name" "$max" "$min" "$mean" \
    "$(stat_of "$f" "RMS     amplitude")" "$(soxi -D "$f")"
done

for name in "${events[@]}"; do
  f="$MUSIC/$name.wav"
  length="$(soxi -D "$f")"
  holds "$length >= 0.03 && $length <= 0.9" || fail "$name.wav lasts $length s, not 30-900 ms"
  rms="$(stat_of "$f" "RMS     amplitude")"
  if [[ -z "$low" ]] || holds "$rms < $low"; then low="$rms"; fi
  if [[ -z "$high" ]] || holds "$rms > $high"; then high="$rms"; fi
done
# 6 dB is a factor of 1.995 in amplitude.
holds "$high <= 1.995 * $low" || fail "event sound levels differ by more than 6 dB (RMS $low .. $high)"

for name in BkgMusic dstat; do
  f="$MUSIC/$name.wav"
  [[ "$(soxi -c "$f")" == 2 ]] || fail "$name.wav is not stereo"
  length="$(soxi -D "$f")"
  min_length=45; [[ "$name" == dstat ]] && min_length=20
  holds "$length >= $min_length" || fail "$name.wav lasts $length s, less than $min_length s"
  read -r _ first_l first_r < <(sox "$f" -t dat - trim 0 1s | grep -v '^;')
  read -r _ last_l last_r < <(sox "$f" -t dat - trim -1s | grep -v '^;')
  for side in 1 2; do
    delta="$(sox "$f" -n remix "$side" stat 2>&1 | grep '^RMS     delta' | awk '{print $NF}')"
    if [[ $side == 1 ]]; then step="$first_l - $last_l"; else step="$first_r - $last_r"; fi
    holds "($step) <= 2 * $delta && -($step) <= 2 * $delta" || fail "$name.wav loops with a step of ($step) on channel $side (ordinary change $delta)"
  done
done
# The statistics loop is the calmer one: less change from sample to sample for its
# loudness (no drums, slower notes), measured on the left channel.
calm() { sox "$1" -n remix 1 stat 2>&1 | awk '/^RMS     amplitude/ {a=$NF} /^RMS     delta/ {d=$NF} END {print d / a}'; }
holds "$(calm "$MUSIC/dstat.wav") < $(calm "$MUSIC/BkgMusic.wav")" || fail "dstat.wav is not calmer than BkgMusic.wav"
echo "sound set ok"
