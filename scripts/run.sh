#!/usr/bin/env bash
# Installs what Sondrel needs, builds it and runs the program with the given
# arguments.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh release >&2
exec build/release/sondrel-cli "$@"
