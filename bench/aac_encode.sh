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
runs=${1:-5}
require_tools sox ffmpeg ffprobe hyperfine python3
build_release
make_workdir

make_source_wav

sondrel() {
  local format=$1 option=$2
  echo "'$cli' convert --to $format --out '$work/sondrel' --set TargetExistsOpt=22 \
    --set AutoDest${option}EncodingParam=0 --set ${option}VBR=0 --set ${option}ABRBitRate=128 \
    --set M4AID3TagType=2 --set BrowseOutputFolder=0 '$work/in.wav'"
}
hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/times.json" \
  -n ffmpeg-aac "ffmpeg -nostdin -v error -y -i '$work/in.wav' -c:a aac -b:a 128k '$work/ffmpeg.aac'" \
  -n sondrel-aac "$(sondrel aac AAC)" \
  -n ffmpeg-m4a "ffmpeg -nostdin -v error -y -i '$work/in.wav' -c:a aac -b:a 128k '$work/ffmpeg.m4a'" \
  -n sondrel-m4a "$(sondrel m4a M4A)"

for out in ffmpeg.aac sondrel/in.aac ffmpeg.m4a sondrel/in.m4a; do
  echo "output $out: $(stat -c %s "$work/$out") bytes, duration $(ffprobe -v error \
    -select_streams a:0 -show_entries stream=duration -of csv=p=0 "$work/$out") s"
done
echo
print_ratios "$work/times.json"
echo
# Each sondrel command against ffmpeg writing the same kind of file.
print_pair_ratios "$work/times.json" ffmpeg aac m4a
