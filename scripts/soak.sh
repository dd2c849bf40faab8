#!/usr/bin/env bash
# Builds, then runs the fault and soak drivers with their full sizes and
# prints their figures (they take minutes; none is part of the test command):
#   soak_modem_restart  the practice modem killed and restarted 100 times mid-conversation
#   soak_save_kill      SaveSettings killed at random moments, 500 times
#   soak_flood          a modem sending 100 MB without a CR, huge lines and counts, every byte
#   soak_remote_text    50 MB of remote text into the main window, event-loop stalls
#
#   scripts/soak.sh [driver...]        (default: all four)
#
# Exits non-zero if any driver fails. Each driver takes its own arguments
# for shorter runs (see the comment at the top of bench/soak_*.cpp).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELDO_BUILD_DIR:-$root/build}

KELDO_PRESET=bench "$root/scripts/build.sh" || exit 1

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
drivers=("$@")
if [ ${#drivers[@]} -eq 0 ]; then
  drivers=(soak_modem_restart soak_save_kill soak_flood soak_remote_text)
fi

failed=()
for name in "${drivers[@]}"; do
  echo "== $name"
  start=$(date +%s)
  if "$build/bench/$name"; then
    echo "== $name passed ($(( $(date +%s) - start )) s)"
  else
    echo "== $name FAILED ($(( $(date +%s) - start )) s)"
    failed+=("$name")
  fi
  echo
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "failed: ${failed[*]}"
  exit 1
fi
echo "all soak drivers passed"
