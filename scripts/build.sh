#!/usr/bin/env bash
# Configures and builds the project into build/ (or $KELDO_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELDO_BUILD_DIR:-$root/build}
type=${KELDO_BUILD_TYPE:-RelWithDebInfo}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
cmake --build "$build"
