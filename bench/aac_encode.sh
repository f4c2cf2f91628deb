#!/usr/bin/env bash
# AAC encoding speed: `sondrel-cli convert --to aac` and `--to m4a` against
# ffmpeg's native aac encoder writing the same two kinds of file, all at an
# average 128 kbit/s on the same ten-minute stereo 44.1 kHz WAV file.
#
# How to run, from the checkout:
#   scripts/install-deps.sh --bench     # once: hyperfine and the other tools
#   bench/aac_encode.sh [runs]          # runs per command, default 5
#
# Prints each command's mean wall and user CPU time and its ratio to the
# first command's (ffmpeg to .aac), then each sondrel command's ratio to
# ffmpeg writing the same kind of file. Target: within 1.05x.
cd "$(dirname "$0")/.."
source bench/common.sh
source bench/pairs.sh
runs=${1:-5}
require_tools sox ffmpeg ffprobe hyperfine python3
build_release
make_workdir

make_source_wav

pair aac "$work/in.wav"; aac_ref=$ref_cmd aac_ours=$our_cmd outputs=("$ref_out" "$our_out")
pair m4a "$work/in.wav"; outputs+=("$ref_out" "$our_out")
hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/times.json" \
  -n ffmpeg-aac "$aac_ref" -n sondrel-aac "$aac_ours" \
  -n ffmpeg-m4a "$ref_cmd" -n sondrel-m4a "$our_cmd"

for out in "${outputs[@]}"; do
  echo "output $(basename "$out"): $(stat -c %s "$out") bytes, duration $(ffprobe -v error \
    -select_streams a:0 -show_entries stream=duration -of csv=p=0 "$out") s"
done
echo
print_ratios "$work/times.json"
echo
# Each sondrel command against ffmpeg writing the same kind of file.
print_pair_ratios "$work/times.json" ffmpeg aac m4a
