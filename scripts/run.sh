#!/usr/bin/env bash
# Installs what Sondrel needs, builds it and starts the window with the given
# files in its list; with "cli" as the first argument it runs sondrel-cli
# with the remaining arguments instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh release >&2
if [[ "${1:-}" == "cli" ]]; then
  shift
  exec build/release/sondrel-cli "$@"
fi
exec build/release/sondrel "$@"
