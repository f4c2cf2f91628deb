#!/usr/bin/env bash
# WMA encoding speed: `sondrel-cli convert --to wma` at 128 kbit/s against
# ffmpeg's wmav2 encoder at the same bit rate, on the same ten-minute stereo
# 44.1 kHz WAV file.
#
# How to run, from the checkout:
#   scripts/install-deps.sh --bench     # once: hyperfine and the other tools
#   bench/wma_encode.sh [runs]          # runs per command, default 5
#
# Prints each command's mean wall and user CPU time and sondrel's ratio to
# ffmpeg's. Target: within 1.05x.
cd "$(dirname "$0")/.."
source bench/common.sh
runs=${1:-5}
require_tools sox ffmpeg ffprobe hyperfine python3
build_release
make_workdir

make_source_wav

hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/times.json" \
  -n ffmpeg-wma "ffmpeg -nostdin -v error -y -i '$work/in.wav' -c:a wmav2 -b:a 128k '$work/ffmpeg.wma'" \
  -n sondrel-wma "'$cli' convert --to wma --out '$work/sondrel' --set TargetExistsOpt=22 \
    --set AutoDestWMAEncodingParam=0 --set WMASampleRate=44100 --set WMAChannels=2 \
    --set WMABitRate=128000 --set WMAID3TagType=2 --set BrowseOutputFolder=0 '$work/in.wav'"

for out in ffmpeg.wma sondrel/in.wma; do
  echo "output $out: $(stat -c %s "$work/$out") bytes, duration $(ffprobe -v error \
    -select_streams a:0 -show_entries stream=duration -of csv=p=0 "$work/$out") s"
done
echo
print_ratios "$work/times.json"
