#!/usr/bin/env bash
# Conversion to WAV: `sondrel-cli convert --to wav` against sox (a ten-minute
# stereo WAV resampled to 48 kHz) and against `fluidsynth -F` (a MIDI song
# rendered with the same SoundFont), then peak memory for ten and sixty
# minutes of audio, which should stay flat as the file grows.
#
# How to run, from the checkout:
#   scripts/install-deps.sh --bench     # once: lame, hyperfine, fluidsynth, time
#   bench/wav_convert.sh [runs]         # runs per command, default 3
cd "$(dirname "$0")/.."
source bench/common.sh
runs=${1:-3}
require_tools sox fluidsynth hyperfine python3 /usr/bin/time
build_release
make_workdir
font=$(readlink -f build/release/ct4mgm.sf2)

sox -n -r 44100 -c 2 -b 16 "$work/ten.wav" synth 600 pinknoise synth 600 sine mix 440 gain -6
sox -n -r 44100 -c 2 -b 16 "$work/sixty.wav" synth 3600 pinknoise gain -6

# A MIDI song of a few minutes.
make_midi_song "$work/song.mid" 400

common="--to wav --set TargetExistsOpt=22 --set BrowseOutputFolder=0 --set AutoDestWAVEncodingParam=0 \
  --set WAVBitsPerSample=16 --set WAVChannelNum=2"
hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/resample.json" \
  -n sox "sox '$work/ten.wav' -r 48000 '$work/sox.wav' rate -h" \
  -n sondrel "'$cli' convert $common --set WAVSampleRate=48000 --out '$work/s' '$work/ten.wav'"
echo; print_ratios "$work/resample.json"

hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/midi.json" \
  -n fluidsynth "fluidsynth -q -n -i -r 44100 -R 0 -C 0 -F '$work/fs.wav' '$font' '$work/song.mid'" \
  -n sondrel "'$cli' convert $common --set WAVSampleRate=44100 --out '$work/m' '$work/song.mid'"
echo; print_ratios "$work/midi.json"

echo
echo "peak memory (maximum resident set size):"
for input in ten sixty; do
  /usr/bin/time -f "  $input minutes: %M KiB" "$cli" convert $common --set WAVSampleRate=48000 \
    --out "$work/mem" "$work/$input.wav" >/dev/null
done
