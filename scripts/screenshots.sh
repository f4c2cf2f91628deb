#!/usr/bin/env bash
# Takes the README's screenshots of the real windows in a virtual X display
# (Xvfb) and writes them to docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --screenshots
bash scripts/build.sh test >&2
# The display connection keeps a small allocation of the D-Bus library to
# the end; it is not Sondrel's, so the leak check is off here.
ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s "-screen 0 1280x800x24" build/test/sondrel-screenshots docs/screenshots
