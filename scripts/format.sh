#!/usr/bin/env bash
# Formats every C++ file in the repository with .clang-format.
#   scripts/format.sh           rewrites the files that need it
#   scripts/format.sh --check   changes nothing; lists those files and fails
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  bad=()
  for f in "${files[@]}"; do
    if ! clang-format --style=file "$f" | cmp -s - "$f"; then
      bad+=("$f")
    fi
  done
  if [ ${#bad[@]} -gt 0 ]; then
    printf 'not formatted (run scripts/format.sh): %s\n' "${bad[@]}" >&2
    exit 1
  fi
  exit 0
fi
clang-format -i --style=file "${files[@]}"
