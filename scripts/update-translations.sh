#!/usr/bin/env bash
# Refreshes the translation sources translations/sondrel_*.ts from the
# window's code: new texts are added untranslated, texts that are gone are
# kept as vanished (so a returning text finds its translation again), and
# what translators wrote is never touched. The .ts files carry no line
# numbers, so a refresh changes them only where the texts changed.
#   scripts/update-translations.sh          every shipped language
#   scripts/update-translations.sh de fr    only these
# A new language: add its code to SONDREL_LANGUAGES in CMakeLists.txt and run
# this script with the code; translations/README.md tells the rest.
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=${LUPDATE:-}
if [[ -z "$lupdate" ]]; then
  for candidate in /usr/lib/qt6/bin/lupdate "$(command -v lupdate6 || true)" \
                   "$(command -v lupdate || true)"; do
    [[ -n "$candidate" && -x "$candidate" ]] && { lupdate=$candidate; break; }
  done
fi
[[ -n "$lupdate" ]] || { echo "lupdate (Qt 6 Linguist tools) is not installed" >&2; exit 1; }

if [[ $# -gt 0 ]]; then
  languages=("$@")
else
  # The list CMake builds .qm files from.
  read -r -a languages < <(sed -n 's/^set(SONDREL_LANGUAGES \(.*\))$/\1/p' CMakeLists.txt)
fi

ts_files=()
for language in "${languages[@]}"; do ts_files+=("translations/sondrel_${language}.ts"); done

# The window's code, and the core's headers and sources that mark texts the
# window shows (QT_TRANSLATE_NOOP).
"$lupdate" -silent -locations none -source-language en -extensions cpp,h -I . \
  ui app convert source -ts "${ts_files[@]}"
