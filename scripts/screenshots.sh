#!/usr/bin/env bash
# Takes the README's screenshots of the real windows in a virtual X display
# (Xvfb) and writes them to docs/screenshots/, and a few of the window in
# German and Japanese to docs/screenshots/de/ and ja/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --screenshots
bash scripts/build.sh test >&2
# The display connection keeps a small allocation of the D-Bus library to
# the end; it is not Sondrel's, so the leak check is off here.
shoot() {
  ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s "-screen 0 1280x800x24" \
    build/test/sondrel-screenshots "$1"
}
# The README's in English whatever the desktop's language; then the main
# windows in German and Japanese (docs/screenshots/<code>/).
LANGUAGE=en shoot docs/screenshots
for language in de ja; do
  shots=$(mktemp -d)
  LANG=$language.UTF-8 LANGUAGE=$language shoot "$shots"
  mkdir -p "docs/screenshots/$language"
  for name in main-window-converted options-general conversion-progress why-did-this-fail; do
    cp "$shots/$name.png" "docs/screenshots/$language/"
  done
  rm -rf "$shots"
done
