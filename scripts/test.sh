#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELDO_BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh"
"$root/scripts/format.sh" --check
"$root/scripts/build.sh"

export QT_QPA_PLATFORM=offscreen
# Every test program, and the layer rule (the test "layers").
ctest --test-dir "$build" --output-on-failure --timeout 600
"$root/scripts/fuzz.sh" --short
"$root/scripts/sanitize.sh"
