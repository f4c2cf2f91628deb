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

# A MIDI song of a few minutes: a scale over and over on two channels.
python3 - "$work/song.mid" <<'PY'
import struct, sys
def var(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, (n & 0x7F) | 0x80)
        n >>= 7
    return bytes(out)
events = bytearray(b"\x00\xff\x51\x03\x07\xa1\x20\x00\xc0\x00\x00\xc1\x30")
for bar in range(400):
    for step, key in enumerate((60, 62, 64, 65, 67, 69, 71, 72)):
        events += var(0) + bytes([0x90, key, 90]) + var(0) + bytes([0x91, key - 12, 70])
        events += var(240) + bytes([0x80, key, 0]) + var(0) + bytes([0x81, key - 12, 0])
events += b"\x00\xff\x2f\x00"
data = b"MThd" + struct.pack(">IHHH", 6, 0, 1, 480) + b"MTrk" + struct.pack(">I", len(events)) + events
open(sys.argv[1], "wb").write(data)
PY

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
