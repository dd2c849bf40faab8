#!/usr/bin/env bash
# Installs what is missing, builds, and starts KELDO Terminal with the
# practice modem as its counterpart.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELDO_BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

# The terminal reads its settings beside the program. On first run, point the
# HF modem at the practice modem and let the terminal launch it.
ini="$build/KELDO Terminal.ini"
if [ ! -f "$ini" ]; then
  printf '[Setup]\r\nKELDO HF Path=%s\r\nAutoLaunch=1\r\n' "$build/tools/modem-sim/keldo-modem-sim" > "$ini"
fi

exec "$build/keldo-terminal"
