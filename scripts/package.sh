#!/usr/bin/env bash
# Builds the Debian package of Sondrel from the release tree:
#   build/release/sondrel_<version>_<architecture>.deb
# Install it with: sudo apt install ./build/release/sondrel_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --package
desktop-file-validate packaging/sondrel.desktop
appstreamcli validate --no-net packaging/sondrel.metainfo.xml
scripts/build.sh release
rm -f build/release/sondrel_*.deb
(cd build/release && cpack -G DEB)

deb=$(ls build/release/sondrel_*.deb)
echo "$deb"
dpkg-deb --field "$deb" Package Version Depends
