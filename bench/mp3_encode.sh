#!/usr/bin/env bash
# MP3 encoding speed: `sondrel-cli convert --to mp3` against the lame tool
# and against ffmpeg's libmp3lame, all at a constant 128 kbit/s on the same
# ten-minute stereo 44.1 kHz WAV file.
#
# How to run, from the checkout:
#   scripts/install-deps.sh --bench     # once: lame, hyperfine, fluidsynth, time
#   bench/mp3_encode.sh [runs]          # runs per command, default 5
#
# Prints each command's mean wall and user CPU time and its ratio to lame's.
# Target: sondrel no slower than lame by more than 5% (ratio <= 1.05).
cd "$(dirname "$0")/.."
source bench/common.sh
source bench/pairs.sh
runs=${1:-5}
require_tools sox lame ffmpeg ffprobe hyperfine python3
build_release
make_workdir

make_source_wav

pair mp3 "$work/in.wav"
hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/times.json" \
  -n lame "$ref_cmd" \
  -n ffmpeg "ffmpeg -nostdin -v error -y -i '$work/in.wav' -c:a libmp3lame -b:a 128k '$work/ffmpeg.mp3'" \
  -n sondrel "$our_cmd"

for out in "$ref_out" "$work/ffmpeg.mp3" "$our_out"; do
  echo "output $(basename "$out"): bit rate, duration = $(ffprobe -v error -select_streams a:0 \
    -show_entries stream=bit_rate,duration -of csv=p=0 "$out")"
done
echo
print_ratios "$work/times.json"
