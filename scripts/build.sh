#!/usr/bin/env bash
# Configures and builds with a CMake preset from CMakePresets.json:
#   default     the terminal, the practice modem and the tests, into build/
#   bench       as default, with the benchmarks and soak drivers
#   sanitizers  everything under ASan and UBSan, into build-asan/
#   fuzz        keldo_core and the libFuzzer targets (clang), into build-fuzz/
#
#   [KELDO_PRESET=name] [KELDO_BUILD_DIR=dir] [KELDO_WERROR=1] scripts/build.sh [-DOPTION=VALUE ...]
#
# KELDO_BUILD_DIR builds elsewhere than the preset's folder; KELDO_WERROR=1
# makes compiler warnings errors, as CI has them. Prints the build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
preset=${KELDO_PRESET:-default}
case "$preset" in
  default | bench) dir=$root/build ;;
  sanitizers) dir=$root/build-asan ;;
  fuzz) dir=$root/build-fuzz ;;
  *) echo "unknown preset: $preset" >&2; exit 2 ;;
esac
dir=${KELDO_BUILD_DIR:-$dir}
args=(--preset "$preset" -B "$dir")
if [ "${KELDO_WERROR:-0}" = 1 ]; then
  args+=(-DKELDO_WERROR=ON)
fi
cd "$root"
cmake "${args[@]}" "$@" >/dev/null
cmake --build "$dir" >&2
