#!/usr/bin/env bash
# The cost of --verify: `sondrel-cli convert --to mp3` at a constant 128
# kbit/s of the same ten-minute stereo 44.1 kHz WAV file, plain and with the
# check that decodes the finished output before it takes its name.
#
# How to run, from the checkout:
#   scripts/install-deps.sh --bench     # once: hyperfine, sox
#   bench/verify_cost.sh [runs]         # runs per command, default 5
#
# Prints each command's mean wall and user CPU time and its ratio to the
# plain conversion's. Target: --verify at most 1.15 times a plain conversion.
cd "$(dirname "$0")/.."
source bench/common.sh
source bench/pairs.sh
runs=${1:-5}
require_tools sox hyperfine python3
build_release
make_workdir

make_source_wav

pair mp3verify "$work/in.wav"
hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/times.json" \
  -n plain "$ref_cmd" -n verify "$our_cmd"
echo
print_ratios "$work/times.json"
