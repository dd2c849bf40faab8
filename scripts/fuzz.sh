#!/usr/bin/env bash
# Builds the libFuzzer targets under fuzz/ into build-fuzz/ (or
# $KELDO_FUZZ_BUILD_DIR) and runs every one of them.
#
#   fuzz.sh --short     a fixed number of runs of each target, starting from
#                       the seed corpus and the saved regressions (the test
#                       command runs this); nothing is written into the repo.
#   fuzz.sh [SECONDS]   each target for SECONDS (default 300), keeping the
#                       corpus it grows in $KELDO_FUZZ_WORK (default
#                       /tmp/keldo-fuzz) for the next run.
#
# Exits non-zero when any target crashes, leaks, hangs or fails a property;
# the input that did it is left in the work folder (crash-*, leak-*,
# timeout-*) and can be replayed with: build-fuzz/fuzz/<target> <file>.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELDO_FUZZ_BUILD_DIR:-$root/build-fuzz}
jobs=${KELDO_FUZZ_JOBS:-2}

short=0
seconds=300
case "${1:-}" in
  --short) short=1 ;;
  "") ;;
  *[!0-9]*) echo "usage: $0 [--short | SECONDS]" >&2; exit 2 ;;
  *) seconds=$1 ;;
esac

"$root/scripts/install-deps.sh"
KELDO_PRESET=fuzz KELDO_BUILD_DIR="$build" KELDO_WERROR=0 "$root/scripts/build.sh"
build=$build/fuzz

# Longest first, so the parallel runs finish together. Runs per target in
# --short are sized so that the whole short run stays near a minute on two
# cores: the text and INI targets push up to a megabyte per input through the
# cap and the ceiling, and are much slower per run than the others.
targets=(fuzz_ini fuzz_rx_text fuzz_command_lines fuzz_fields fuzz_callsign)
declare -A runs=([fuzz_ini]=5000 [fuzz_rx_text]=3000 [fuzz_command_lines]=20000
                 [fuzz_fields]=50000 [fuzz_callsign]=100000)
declare -A maxlen=([fuzz_ini]=2048 [fuzz_rx_text]=2048 [fuzz_command_lines]=1024
                   [fuzz_fields]=1024 [fuzz_callsign]=256)

if [ "$short" = 1 ]; then
  work=$(mktemp -d "${TMPDIR:-/tmp}/keldo-fuzz-short.XXXXXX")
else
  work=${KELDO_FUZZ_WORK:-${TMPDIR:-/tmp}/keldo-fuzz}
fi
mkdir -p "$work"

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_target() {
  local t=$1 dir="$work/$1"
  mkdir -p "$dir/corpus"
  # New inputs go to the first folder only; the seeds are copied so the
  # repository is never written to.
  cp -n "$root/fuzz/corpus/$t/"* "$dir/corpus/" 2>/dev/null || true
  local inputs=("$dir/corpus")
  if [ -d "$root/fuzz/regressions/$t" ]; then
    inputs+=("$root/fuzz/regressions/$t")
  fi
  local limit
  if [ "$short" = 1 ]; then
    limit=(-runs="${runs[$t]}")
  else
    limit=(-max_total_time="$seconds")
  fi
  if "$build/$t" "${limit[@]}" -max_len="${maxlen[$t]}" -timeout=60 -rss_limit_mb=3072 \
       -print_final_stats=1 -artifact_prefix="$dir/" "${inputs[@]}" >"$dir/log" 2>&1; then
    echo "$t: passed ($(grep -o 'stat::number_of_executed_units: *[0-9]*' "$dir/log" | grep -o '[0-9]*$') runs)"
  else
    echo "$t: FAILED"
    grep -E 'property failed|ERROR:|SUMMARY:|runtime error' "$dir/log" | head -5 | sed 's/^/  /'
    ls "$dir"/crash-* "$dir"/leak-* "$dir"/timeout-* "$dir"/oom-* 2>/dev/null | sed 's/^/  input: /'
    echo "  log: $dir/log"
    return 1
  fi
}

failed=0
running=0
for t in "${targets[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  run_target "$t" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done

if [ "$failed" != 0 ]; then
  echo "fuzzing found a problem; inputs and logs are in $work" >&2
  exit 1
fi
if [ "$short" = 1 ]; then
  rm -rf "$work"
fi
echo "all fuzz targets passed"
