#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, build-fuzz) and runs each for SECONDS seconds:
#   scripts/fuzz.sh [SECONDS] [TARGET...]     (default: 5 seconds, every target)
# Each target starts from its seed corpus in fuzz/<target>/corpus and keeps what it
# finds in build-fuzz/corpus/<target>; a crash or a broken check leaves its input in
# build-fuzz/artifacts/<target>/ and makes this script fail. Targets run one at a
# time, each on one core.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-5}"
shift || true
all=(profile config language record_table level_table stat_rec script wave image)
[[ $# -gt 0 ]] && targets=("$@") || targets=("${all[@]}")

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DZEMBROL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build-fuzz -j"$(nproc)" --target $(printf 'fuzz_%s ' "${targets[@]}") > /dev/null

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=()
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t" "build-fuzz/artifacts/$t"
  log="build-fuzz/fuzz_$t.log"
  case "$t" in
    image|wave) export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan_sdl.supp" ;;
    *) unset LSAN_OPTIONS ;;
  esac
  if build-fuzz/fuzz_"$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
       -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$t/" \
       "build-fuzz/corpus/$t" "fuzz/$t/corpus" > "$log" 2>&1; then
    runs="$(grep -m1 '^stat::number_of_executed_units' "$log" | awk '{print $2}')"
    rate="$(grep -m1 '^stat::average_exec_per_sec' "$log" | awk '{print $2}')"
    echo "fuzz $t: ${runs:-?} runs, ${rate:-?}/s, corpus $(ls "build-fuzz/corpus/$t" | wc -l) files"
  else
    echo "fuzz $t: FAILED, see $log and build-fuzz/artifacts/$t/" >&2
    tail -30 "$log" >&2
    failed+=("$t")
  fi
done
((${#failed[@]} == 0)) || { echo "fuzz targets failed: ${failed[*]}" >&2; exit 1; }
