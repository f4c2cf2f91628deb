#!/usr/bin/env bash
# FLAC encoding speed: `sondrel-cli convert --to flac` against the flac tool,
# both at compression level 5 with the source's rate, channels and depth, on
# the same ten-minute stereo 44.1 kHz WAV file.
#
# How to run, from the checkout:
#   scripts/install-deps.sh --bench     # once: flac, hyperfine, time
#   bench/flac_encode.sh [runs]         # runs per command, default 5
#
# Prints each command's mean wall and user CPU time and its ratio to flac's,
# and checks that both outputs decode to the same samples.
# Target: sondrel no slower than flac by more than 5% (ratio <= 1.05).
cd "$(dirname "$0")/.."
source bench/common.sh
source bench/pairs.sh
runs=${1:-5}
require_tools sox flac ffprobe hyperfine python3
build_release
make_workdir

make_source_wav

pair flac "$work/in.wav"
hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/times.json" \
  -n flac "$ref_cmd" -n sondrel "$our_cmd"

for out in "$ref_out" "$our_out"; do
  echo "output $(basename "$out"): duration, size = $(ffprobe -v error \
    -select_streams a:0 -show_entries stream=duration -of csv=p=0 "$out"),$(stat -c %s "$out")"
  flac --silent --force -d -o "$out.wav" "$out"
done
cmp -s <(tail -c +45 "$ref_out.wav") <(tail -c +45 "$our_out.wav") &&
  echo "both decode to the same samples" || echo "the decoded samples differ"
echo
print_ratios "$work/times.json"
