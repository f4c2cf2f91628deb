#!/usr/bin/env bash
# WMA encoding speed: `sondrel-cli convert --to wma` at 128 kbit/s against
# ffmpeg's wmav2 encoder at the same bit rate, on the same ten-minute stereo
# 44.1 kHz WAV file.
#
# How to run, from the checkout:
#   scripts/install-deps.sh --bench     # once: pair wma "$work/in.wav"
hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/times.json" \
  -n ffmpeg-wma "$ref_cmd" -n sondrel-wma "$our_cmd"

for out in "$ref_out" "$our_out"; do
  echo "output $(basename "$out"): $(stat -c %s "$out") bytes, duration $(ffprobe -v error \
    -select_streams a:0 -show_entries stream=duration -of csv=p=0 "$out") s"
done
echo
print_ratios "$work/times.json"
