#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (or $KELDO_ASAN_BUILD_DIR) and runs the whole test suite there.
# Any sanitizer report, in a test or in a program it starts, fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELDO_ASAN_BUILD_DIR:-$root/build-asan}

"$root/scripts/install-deps.sh"
# Warnings stay warnings here: the instrumented build may raise ones the
# plain build (where CI makes them errors) does not.
KELDO_PRESET=sanitizers KELDO_BUILD_DIR="$build" KELDO_WERROR=0 "$root/scripts/build.sh" "$@"

export QT_QPA_PLATFORM=offscreen
# Reports go to files, so that one raised in a program a test starts (the
# terminal, the practice modem), whose output the test may not show, still
# fails the run.
logs="$build/sanitizer-logs"
rm -rf "$logs"
mkdir -p "$logs"
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:log_path=$logs/asan
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:log_path=$logs/ubsan

status=0
ctest --test-dir "$build" --output-on-failure --timeout 900 || status=$?

if compgen -G "$logs/*" >/dev/null; then
  for f in "$logs"/*; do
    echo "==== $f"
    cat "$f"
  done
  echo "sanitizer reports found (above)" >&2
  status=1
fi
exit $status
