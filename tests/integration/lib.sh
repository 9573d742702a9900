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
  for _ in $(seq 150); do grep -q "DirectInput8 created" "$log" 2>/dev/null && break; sleep 0.1; done
  grep -q "DirectInput8 created" "$log" || { kill "$pid"; fail "start-up did not complete"; }
  local win
  win="$(xdotool search --sync --pid "$pid" --name '^Zembrol$' | head -1)"
  [[ -n "$win" ]] || fail "no main window"
  sleep 0.3
  xdotool windowfocus --sync "$win" 2>/dev/null || true
  # The game may close before xdotool sends the key releases; that error is expected.
  xdotool key --window "$win" alt+F4 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "Alt+F4 did not close the game"; }
  wait "$pid" || fail "exit code $?"
}
