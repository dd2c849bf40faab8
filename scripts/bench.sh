#!/usr/bin/env bash
# Builds, then runs the benchmarks and prints their figures:
#   bench_link_cpu       terminal CPU use, no modem / linked to an idle practice modem
#   bench_rx_throughput  received text into the RX screen, beside a whole rewrite; then with
#                        speaker colours on, over a conversation (flooded and at a pace)
#   bench_startup        start-up time and memory beside a bare Qt window
#   bench_ptt_latency    "PTT ON"/"PTT OFF" to the CAT bytes: idle, with the GUI thread held
#                        up, and under a flood of received text (needs socat)
#   bench_keying_trace   the keying journal's cost to a key-up and unkey, files or a stalled disk
#   bench_web            received text into a browser page's DOM, and a 10 MB flood to five
#                        pages with the PTT latency and the terminal's memory under it
#                        (headless Chromium, chromedriver and python3-selenium; skipped without)
#
#   scripts/bench.sh [--xvfb]
#
# Everything runs offscreen (or under the QT_QPA_PLATFORM you set). With
# --xvfb the start-up benchmark runs once more under Xvfb with the xcb
# platform. KELDO_BENCH_CPU_SECONDS shortens the CPU phases (default 30 s).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELDO_BUILD_DIR:-$root/build}

xvfb=0
for arg in "$@"; do
  case "$arg" in
    --xvfb) xvfb=1 ;;
    *) echo "usage: $0 [--xvfb]" >&2; exit 2 ;;
  esac
done

KELDO_PRESET=bench "$root/scripts/build.sh"

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
failed=()
run() {
  local name=$1; shift
  echo "== $name"
  # Qt's own notices (offscreen plugin, runtime dir) are not results.
  if ! "$@" 2> >(grep -v -e '^QStandardPaths:' -e 'propagateSizeHints' >&2); then
    failed+=("$name")
  fi
  echo
}

run bench_link_cpu "$build/bench/bench_link_cpu" "${KELDO_BENCH_CPU_SECONDS:-30}"
run bench_rx_throughput "$build/bench/bench_rx_throughput"
run bench_startup "$build/bench/bench_startup"
run bench_ptt_latency "$build/bench/bench_ptt_latency"
run bench_keying_trace "$build/bench/bench_keying_trace"
echo "== bench_web"
status=0
python3 "$root/bench/bench_web.py" --terminal "$build/keldo-terminal" || status=$?
if [ "$status" = 77 ]; then
  echo "(skipped)"
elif [ "$status" != 0 ]; then
  failed+=(bench_web)
fi
echo
if [ "$xvfb" = 1 ]; then
  if command -v xvfb-run >/dev/null; then
    run "bench_startup (xcb under Xvfb)" env QT_QPA_PLATFORM=xcb xvfb-run -a "$build/bench/bench_startup"
  else
    echo "xvfb-run not found: skipping the Xvfb run" >&2
    failed+=("bench_startup (xcb under Xvfb)")
  fi
fi

if [ ${#failed[@]} -gt 0 ]; then
  printf 'failed: %s\n' "${failed[@]}" >&2
  exit 1
fi
