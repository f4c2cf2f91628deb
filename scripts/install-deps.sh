#!/usr/bin/env bash
# Installs every Debian package Sondrel builds, runs or tests with.
#   scripts/install-deps.sh          build, run and test packages
#   scripts/install-deps.sh --bench  the same plus the benchmark tools
#   scripts/install-deps.sh --screenshots  the same plus a virtual X display
#   scripts/install-deps.sh --package  the same plus the Debian packaging tools
# Idempotent: when all packages are present it does nothing; the package
# index is refreshed only when something has to be installed.
set -euo pipefail

packages=(
  # build tools
  build-essential cmake pkg-config clang libclang-rt-14-dev
  # encoders, decoders and containers
  libmp3lame-dev libid3-3.8.3-dev libvorbis-dev libogg-dev libsoxr-dev
  libavformat-dev libavcodec-dev libavutil-dev libswresample-dev
  libgsm1-dev libfluidsynth-dev libopenmpt-dev libtag1-dev
  libopencore-amrnb-dev libvo-amrwbenc-dev liblnk-dev libbfio-dev
  libflac-dev libopusenc-dev libopus-dev libebur128-dev
  # GUI, settings file, desktop integration
  qt6-base-dev
  # the window's translations: lupdate and lrelease (Qt6LinguistTools), and
  # Qt's own translations of the standard buttons and dialogs
  qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools qt6-translations-l10n
  # a font with Japanese and Chinese, which the window's texts in those
  # languages are drawn and measured in (the cut-off test)
  fonts-noto-cjk
  # the General MIDI SoundFont shipped as ct4mgm.sf2
  timgm6mb-soundfont
  # tests and their independent oracles
  libgtest-dev ffmpeg sox lame sndfile-programs vorbis-tools fuse3 libfuse3-dev
  flac opus-tools
  # the shares of a batch run side by side (--shard)
  parallel
  # validators of the desktop entry and the AppStream metadata
  desktop-file-utils appstream
)

# Tools that only the scripts in bench/ use; libresample for the resampler
# comparison program; loudgain, the second pass the ReplayGain benchmark
# compares with.
bench_packages=(
  hyperfine fluidsynth time fluid-soundfont-gm libresample1-dev loudgain
)

# What scripts/screenshots.sh needs to show the windows without a screen.
screenshot_packages=(
  xvfb xauth
)

# What scripts/package.sh needs to make the .deb (dpkg-shlibdeps, file).
package_packages=(
  dpkg-dev file
)

case "${1:-}" in
  --bench) packages+=("${bench_packages[@]}") ;;
  --screenshots) packages+=("${screenshot_packages[@]}") ;;
  --package) packages+=("${package_packages[@]}") ;;
esac

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}" >&2
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
