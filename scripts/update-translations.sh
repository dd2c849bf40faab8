#!/usr/bin/env bash
# Refreshes translations/keldo-terminal_<code>.ts from the texts in src/:
# new texts come in unfinished, finished translations are kept, texts no
# longer in the program are dropped. Then open a .ts in Qt Linguist.
#
#   scripts/update-translations.sh [code ...]    (default: every shipped language)
#
# A new language: add its code to KELDO_LANGUAGES in CMakeLists.txt and run
# this script with that code.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
cd "$root"
if [ $# -gt 0 ]; then
  languages=("$@")
else
  read -r -a languages < <(sed -n 's/^set(KELDO_LANGUAGES \(.*\))$/\1/p' CMakeLists.txt)
fi
for lang in "${languages[@]}"; do
  "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h -target-language "$lang" \
    src -ts "translations/keldo-terminal_${lang}.ts"
done
