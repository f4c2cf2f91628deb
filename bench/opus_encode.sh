#!/usr/bin/env bash
# Opus encoding speed: `sondrel-cli convert --to opus` against the opusenc
# tool, both at 128 kbit/s variable bit rate and complexity 10, each
# resampling the same ten-minute stereo 44.1 kHz WAV file to 48 kHz.
#
# How to run, from the checkout:
#   scripts/install-deps.sh --bench     # once: opus-tools, hyperfine, time
#   bench/opus_encode.sh [runs]         # runs per command, default 5
#
# Prints each command's mean wall and user CPU time and its ratio to
# opusenc's, and each output's duration and size.
# Target: sondrel no slower than opusenc by more than 5% (ratio <= 1.05).
cd "$(dirname "$0")/.."
source bench/common.sh
source bench/pairs.sh
runs=${1:-5}
require_tools sox opusenc ffprobe hyperfine python3
build_release
make_workdir

make_source_wav

pair opus "$work/in.wav"
hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/times.json" \
  -n opusenc "$ref_cmd" -n sondrel "$our_cmd"

for out in "$ref_out" "$our_out"; do
  echo "output $(basename "$out"): duration, size = $(ffprobe -v error \
    -select_streams a:0 -show_entries stream=duration -of csv=p=0 "$out"),$(stat -c %s "$out")"
done
echo
print_ratios "$work/times.json"
