#!/usr/bin/env bash
# AMR encoding speed: `sondrel-cli convert --to amr` (narrow band, 12.2
# kbit/s) and `--to awb` (wide band, 23.85 kbit/s) on the same ten-minute
# stereo 44.1 kHz WAV file, each against a reference encoder over the same
# libraries: ffmpeg's libopencore_amrnb / libvo_amrwbenc when `ffmpeg
# -encoders` lists them, otherwise sox mixing the source to mono at the
# band's rate followed by a small C loop built here that encodes it (both
# timed, so the reference does the same work as sondrel-cli).
#
# How to run, from the checkout:
#   scripts/install-deps.sh --bench     # once: hyperfine and the other tools
#   bench/amr_encode.sh [runs]          # runs per command, default 3
#
# Prints each command's mean wall and user CPU time, then each sondrel
# command's ratio to the reference for the same band. Target: within 1.05x.
cd "$(dirname "$0")/.."
source bench/common.sh
source bench/pairs.sh
runs=${1:-3}
require_tools sox ffmpeg ffprobe hyperfine python3 cc pkg-config
build_release
make_workdir

make_source_wav

pair amr "$work/in.wav"; nb_ref=$ref_cmd nb_ours=$our_cmd outputs=("$ref_out" "$our_out")
pair awb "$work/in.wav"; outputs+=("$ref_out" "$our_out")
echo "reference: $ref_name"
hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/times.json" \
  -n ref-amr "$nb_ref" -n sondrel-amr "$nb_ours" -n ref-awb "$ref_cmd" -n sondrel-awb "$our_cmd"

for out in "${outputs[@]}"; do
  echo "output $(basename "$out"): $(stat -c %s "$out") bytes, $(ffprobe -v error \
    -select_streams a:0 -show_entries stream=codec_name,sample_rate -of csv=p=0 "$out")"
done
echo
print_ratios "$work/times.json"
echo
print_pair_ratios "$work/times.json" ref amr awb
