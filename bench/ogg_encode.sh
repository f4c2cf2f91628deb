#!/usr/bin/env bash
# OGG Vorbis encoding speed: `sondrel-cli convert --to ogg` against the
# oggenc tool, both at a nominal 128 kbit/s (variable bit rate, no bit-rate
# management) on the same ten-minute stereo 44.1 kHz WAV file.
#
# How to run, from the checkout:
#   scripts/install-deps.sh --bench     # once: oggenc, hyperfine, time
#   bench/ogg_encode.sh [runs]          # runs per command, default 5
#
# Prints each command's mean wall and user CPU time and its ratio to oggenc's.
# Target: sondrel no slower than oggenc by more than 5% (ratio <= 1.05).
cd "$(dirname "$0")/.."
source bench/common.sh
source bench/pairs.sh
runs=${1:-5}
require_tools sox oggenc ffprobe hyperfine python3
build_release
make_workdir

make_source_wav

pair ogg "$work/in.wav"
hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/times.json" \
  -n oggenc "$ref_cmd" -n sondrel "$our_cmd"

for out in "$ref_out" "$our_out"; do
  echo "output $(basename "$out"): nominal bit rate, duration, size = $(ffprobe -v error \
    -select_streams a:0 -show_entries stream=bit_rate,duration -of csv=p=0 "$out"),$(stat -c %s "$out")"
done
echo
print_ratios "$work/times.json"
