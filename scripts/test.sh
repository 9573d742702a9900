#!/usr/bin/env bash
# Sets up, builds and runs every test: a Release build, then the same suite built
# with AddressSanitizer and UndefinedBehaviorSanitizer. Tests that need a display
# run inside one Xvfb server started here. Last, every fuzz target runs for a few
# seconds on its corpus, so the targets keep building and their corpora keep passing,
# and a short soak of simulated games over every game type.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --test
jobs="$(nproc)"

run_suite() {  # build-folder extra-cmake-args...
  local dir="$1"; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DZEMBROL_TESTS=ON -DZEMBROL_BENCH=ON "$@"
  cmake --build "$dir" -j"$jobs"
  xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --test-dir "$dir" --output-on-failure -j"$jobs" --timeout 600
}

# Leaks reported at exit belong to libdbus and Mesa's unloaded driver, not to us.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
run_suite build-asan -DZEMBROL_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite build

# The readers of outside data under libFuzzer (clang, build-fuzz): 4 seconds each.
scripts/fuzz.sh 4
# The computer plays every game type and speed (the Trial series included): every run ends.
scripts/soak.sh 200 build
