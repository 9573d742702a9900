# Helpers of the integration tests. Usage in a test: source lib.sh "$@".
set -euo pipefail
ZEMBROL="$1"
BUILD="$2"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
HOST="$(hostname)"

# A fresh application folder: the shipped data tree and lang.txt.
make_root() {
  local root="$WORK/${1:-root}"
  mkdir -p "$root"
  cp -r "$BUILD/data" "$BUILD/lang.txt" "$root/"
  rm -f "$root"/data/Load_*.log "$root"/data/set/cfg.ini "$root"/data/set/"$HOST"?.ini "$root"/data/zembrol.lock
  echo "$root"
}

fail() { echo "FAIL: $*" >&2; exit 1; }

# The record messages of a log (counter and time removed), one per line.
log_messages() { sed -E 's/^[0-9]+ [0-9:]{8}  //' "$1"; }

# Asserts that the log's messages contain these lines in this order (others may come between).
expect_in_order() {
  local log="$1"; shift
  local rest
  rest="$(log_messages "$log")"
  for want in "$@"; do
    if ! grep -qxF -- "$want" <<<"$rest"; then
      echo "--- log:" >&2; cat "$log" >&2
      fail "log lacks \"$want\" (in order)"
    fi
    rest="$(sed -n "$(grep -nxF -- "$want" <<<"$rest" | head -1 | cut -d: -f1),\$p" <<<"$rest" | tail -n +2)"
  done
}

expect_exit() {  # code command...
  local want="$1"; shift
  set +e; "$@"; local got=$?; set -e
  [[ "$got" == "$want" ]] || fail "exit code $got, expected $want: $*"
}

# Waits until the game of this pid has started, then closes its main window with Alt+F4
# and waits for it to end; fails when it does not.
close_game_window() {  # pid log
  local pid="$1" log="$2"
  for _ in $(seq 3000); do grep -q "DirectInput8 created" "$log" 2>/dev/null && break; sleep 0.1; done
  grep -q "DirectInput8 created" "$log" || { kill "$pid"; fail "start-up did not complete"; }
  local win
  win="$(xdotool search --sync --pid "$pid" --name '^Zembrol$' | head -1)"
  [[ -n "$win" ]] || fail "no main window"
  sleep 0.3
  xdotool windowfocus --sync "$win" 2>/dev/null || true
  # The game may close before xdotool sends the key releases; that error is expected.
  xdotool key --window "$win" alt+F4 2>/dev/null || true
  for _ in $(seq 3000); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "Alt+F4 did not close the game"; }
  wait "$pid" || fail "exit code $?"
}

# Waiting for the game. A window test waits for what each step causes (a log line, a
# file, the window's picture), never for a fixed time: on a loaded machine a step may
# take many times as long as on an idle one. WAIT_LIMIT bounds one wait, in seconds.
WAIT_LIMIT="${WAIT_LIMIT:-300}"

# Runs COMMAND... until it succeeds, for at most WAIT_LIMIT seconds and, given a pid
# (not -), while that process lives; returns 1 when it gave up, WAITED saying why.
wait_until() {  # pid command...
  local pid="$1"; shift
  local start=$SECONDS
  until "$@"; do
    if [[ "$pid" != - ]] && ! kill -0 "$pid" 2>/dev/null; then
      "$@" && return 0
      WAITED="the game ended while waiting"
      return 1
    fi
    (( SECONDS - start < WAIT_LIMIT )) || { WAITED="waited ${WAIT_LIMIT} s"; return 1; }
    sleep 0.1
  done
}

# Runs COMMAND... until it succeeds; fails naming WHAT after WAIT_LIMIT seconds.
wait_for() {  # what command...
  local what="$1"; shift
  wait_until - "$@" || fail "$WAITED for $what"
}

# As wait_for, and fails at once when the game of this pid ends without it. A game
# that did not do it in time is ended: it must not go on playing on the display.
wait_game() {  # pid what command...
  local pid="$1" what="$2"; shift 2
  wait_until "$pid" "$@" || { kill "$pid" 2>/dev/null || true; fail "$WAITED for $what"; }
}

# How many lines of the log hold TEXT (0 while there is no log).
log_count() {  # log text
  local n
  n="$(grep -cF -- "$2" "$1" 2>/dev/null)" || true
  echo "${n:-0}"
}
_log_count_reaches() { (( $(log_count "$1" "$2") >= $3 )); }
# Waits until N lines of the game's log hold TEXT (N defaults to 1); fails with what
# WHY says (the text itself when not given) and the log's last lines.
wait_log_count() {  # pid log text [n [why]]
  wait_until "$1" _log_count_reaches "$2" "$3" "${4:-1}" && return 0
  kill "$1" 2>/dev/null || true
  fail "$WAITED for ${5:-\"$3\" in the log${4:+ ($4 times)}} (log ends: $(tail -3 "$2" 2>/dev/null | tr '\n' '|'))"
}

# A checksum of the window's picture, or of a rectangle WxH+X+Y of it.
picture_sum() {  # window [geometry]
  if [[ -n "${2:-}" ]]; then import -silent -window "$1" -crop "$2" +repage ppm:- | md5sum
  else import -silent -window "$1" ppm:- | md5sum; fi
}
_picture_moved() {  # window geometry: true once the picture is not PICTURE_LAST
  local now
  now="$(picture_sum "$1" "$2" 2>/dev/null)" || return 1
  [[ "$now" != "$PICTURE_LAST" ]] || return 1
  PICTURE_LAST="$now"
}
# Waits until the game has shown N new pictures in its window (or in a rectangle of
# it). Each picture after the first was drawn by a pass that began after the one
# before was shown, so input sent before this call has gone through at least N - 1
# passes of the game's loop: a click on a control (press, then release) is through
# with 3, and a window or list that click opened is on the screen with 5. Only for a
# scene that moves (a running or paused game with its default settings does).
wait_frames() {  # window n [geometry]
  local pid k
  pid="$(xdotool getwindowpid "$1" 2>/dev/null)" || pid=-
  PICTURE_LAST="$(picture_sum "$1" "${3:-}" 2>/dev/null || true)"
  for ((k = 1; k <= $2; k++)); do
    wait_game "$pid" "the game to show a new picture ($k of $2)" _picture_moved "$1" "${3:-}"
  done
}

# True once the process has ended.
ended() { ! kill -0 "$1" 2>/dev/null; }  # pid

# How many colours the window's picture has (0 while it cannot be read).
picture_colours() { import -silent -window "$1" miff:- 2>/dev/null | identify -format %k - 2>/dev/null || echo 0; }
# True once the window shows a picture of more than MIN colours (default 1): an SDL
# window is black until the game has drawn and shown its first frame.
picture_drawn() { (( $(picture_colours "$1") > ${2:-1} )); }  # window [min-colours]

# Waits for the game of this pid to finish starting and show its main window; prints the window.
main_window() {  # pid log
  wait_log_count "$1" "$2" "DirectInput8 created"
  local win
  win="$(timeout "$WAIT_LIMIT" xdotool search --sync --pid "$1" --name '^Zembrol$' | head -1)" || true
  [[ -n "$win" ]] || { kill "$1" 2>/dev/null || true; fail "no main window"; }
  wait_game "$1" "the game's first picture in its window" picture_drawn "$win"
  echo "$win"
}

# A click at base-layout coordinates of the window: the pointer stays on the control
# until the game has shown N new pictures (default 3: the click is through), then
# leaves the window (over the 3D view it would steer the figure).
click_through() {  # window x y [n]
  xdotool mousemove --window "$1" "$2" "$3" click 1
  wait_frames "$1" "${4:-3}"
  xdotool mousemove 1270 1015
}

# True while the main window's Pause button shows pressed: a pressed button writes its
# caption in dark ink, an unpressed one in a light colour, whether or not the pointer
# is over it. The layout keeps its shape in any window size: scaled and centred.
pause_pressed() {  # window
  local w h box darkest
  read -r w h < <(xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p')
  box="$(awk -v w="$w" -v h="$h" 'BEGIN { s = w / 800 < h / 600 ? w / 800 : h / 600
    printf "%dx%d+%d+%d", 96 * s, 18 * s, (w - 800 * s) / 2 + 540 * s, (h - 600 * s) / 2 + 316 * s }')"
  darkest="$(import -silent -window "$1" miff:- 2>/dev/null | convert - -crop "$box" +repage -colorspace HSB \
    -channel B -separate -format '%[fx:int(minima*255)]' info: 2>/dev/null)" || return 1
  [[ -n "$darkest" ]] && (( darkest < 50 ))
}

# Seconds of sound in a wave file as far as it is written: the writer adds the mix as
# it plays, and the header gives the bytes a second (its own few dozen bytes count
# for nothing beside that).
wav_seconds() {  # file
  local rate size
  rate="$(od -An -t u4 -j 28 -N 4 "$1" 2>/dev/null | tr -d ' ')"
  size="$(stat -c %s "$1" 2>/dev/null || echo 0)"
  [[ -n "$rate" && "$rate" -gt 0 ]] || { echo 0; return; }
  awk -v s="$size" -v r="$rate" 'BEGIN { printf "%.3f", s / r }'
}
_wav_reaches() { awk -v now="$(wav_seconds "$1")" -v want="$2" 'BEGIN { exit !(now >= want) }'; }
# Waits until the recording holds SECONDS more sound than now: the events around this
# step are that far apart in the mix, however slowly the machine runs.
sound_for() {  # pid file seconds
  local want
  want="$(awk -v now="$(wav_seconds "$2")" -v d="$3" 'BEGIN { print now + d }')"
  wait_game "$1" "$3 s more of the recording in $2" _wav_reaches "$2" "$want"
}

# The mix of a window run goes to FILE through OpenAL's wave writer: prints the
# configuration file to give the game as ALSOFT_CONF.
wave_output() {  # file
  printf '[general]\ndrivers = wave\nsample-type = int16\n[wave]\nfile = %s\n' "$1" > "$1.conf"
  echo "$1.conf"
}

# The RMS level in dB of a stretch of a wave file.
rms_db() {  # file start-seconds length-seconds
  sox "$1" -n trim "$2" "$3" stat 2>&1 | awk '/^RMS +amplitude/ { r = $NF; print (r > 0 ? 20 * log(r) / log(10) : -200) }'
}
