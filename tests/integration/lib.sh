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
