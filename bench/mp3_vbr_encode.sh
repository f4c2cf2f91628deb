#!/usr/bin/env bash
# MP3 variable-bit-rate encoding speed: `sondrel-cli convert --to mp3
# --quality 2` against `lame -V 2` and against ffmpeg's libmp3lame at the same
# quality, on the same ten-minute stereo 44.1 kHz WAV file.
#
# How to run, from the checkout:
#   scripts/install-deps.sh --bench     # once: lame, hyperfine, fluidsynth, time
#   bench/mp3_vbr_encode.sh [runs]      # runs per command, default 5
#
# Prints each command's mean wall and user CPU time and its ratio to lame's,
# then each output's bit rate and duration, and the sample counts ffmpeg
# decodes from lame's file and from Sondrel's (both carry the Info frame).
# Target: sondrel no slower than lame by more than 5% (ratio <= 1.05).
cd "$(dirname "$0")/.."
source bench/common.sh
source bench/pairs.sh
runs=${1:-5}
require_tools sox lame ffmpeg ffprobe hyperfine python3
build_release
make_workdir

make_source_wav

pair mp3vbr "$work/in.wav"
hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/times.json" \
  -n lame "$ref_cmd" \
  -n ffmpeg "ffmpeg -nostdin -v error -y -i '$work/in.wav' -c:a libmp3lame -q:a 2 '$work/ffmpeg.mp3'" \
  -n sondrel "$our_cmd"

for out in "$ref_out" "$work/ffmpeg.mp3" "$our_out"; do
  echo "output $(basename "$out"): bit rate, duration = $(ffprobe -v error -select_streams a:0 \
    -show_entries stream=bit_rate,duration -of csv=p=0 "$out"); samples decoded = $(ffmpeg \
    -nostdin -v error -i "$out" -f s16le -ac 1 - | wc -c | awk '{ print $1 / 2 }')"
done
echo "source samples = $(soxi -s "$work/in.wav")"
echo
print_ratios "$work/times.json"
