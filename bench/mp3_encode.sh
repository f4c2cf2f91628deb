#!/usr/bin/env bash
# MP3 encoding speed: Sondrel's Mp3Writer against the lame tool and against
# ffmpeg's libmp3lame, all at a constant 128 kbit/s on the same ten-minute
# stereo 44.1 kHz WAV file.
#
# How to run (from anywhere):
#   scripts/install-deps.sh --bench     # once: installs lame and hyperfine
#   bench/mp3_encode.sh [runs]          # runs per encoder, default 5
#
# The script builds sondrel-bench-mp3 in build/bench (Release,
# -DSONDREL_BENCH=ON), makes the WAV with sox in a temporary folder, times
# the three encoders with hyperfine (one warm-up run each) and prints each
# one's mean wall and user CPU time with its ratio to lame's. The target is a ratio of at
# most 1.05 for Mp3Writer: no more than 5% slower than lame.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-5}
for tool in sox lame ffmpeg ffprobe hyperfine python3 cmake; do
  if ! command -v "$tool" >/dev/null; then
    echo "missing: $tool (run scripts/install-deps.sh --bench)" >&2
    exit 2
  fi
done

cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DSONDREL_TESTS=OFF -DSONDREL_BENCH=ON >/dev/null
cmake --build build/bench -j "$(nproc 2>/dev/null || echo 2)" --target sondrel-bench-mp3 >/dev/null
bench_program=$PWD/build/bench/sondrel-bench-mp3

work=$(mktemp -d "${TMPDIR:-/tmp}/sondrel-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT

# Pink noise with a chord on top: the encoder works on every band.
sox -n -r 44100 -c 2 -b 16 "$work/in.wav" synth 600 pinknoise synth 600 sine mix 440 gain -6
echo "input: $(soxi -d "$work/in.wav") of stereo 44.1 kHz 16-bit PCM ($(du -h "$work/in.wav" | cut -f1))"

hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/times.json" \
  -n lame "lame --quiet -b 128 '$work/in.wav' '$work/lame.mp3'" \
  -n ffmpeg "ffmpeg -nostdin -v error -y -i '$work/in.wav' -c:a libmp3lame -b:a 128k '$work/ffmpeg.mp3'" \
  -n Mp3Writer "'$bench_program' '$work/in.wav' '$work/mp3writer.mp3' 128"

# Every output is a 128 kbit/s stream of the same length.
for name in lame ffmpeg mp3writer; do
  probe=$(ffprobe -v error -select_streams a:0 -show_entries stream=bit_rate,duration \
          -of csv=p=0 "$work/$name.mp3")
  echo "output $name: bit rate, duration = $probe"
done

python3 - "$work/times.json" <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
wall, user = results["lame"]["mean"], results["lame"]["user"]
print()
print("Wall time is what the target is about; user CPU time is steadier on a")
print("machine shared with other work.")
print(f"{'encoder':<10} {'wall s':>8} {'stddev':>8} {'ratio':>7} {'user s':>8} {'ratio':>7}")
for name in ("lame", "ffmpeg", "Mp3Writer"):
    r = results[name]
    print(f"{name:<10} {r['mean']:8.3f} {r['stddev'] or 0:8.3f} {r['mean'] / wall:7.3f}"
          f" {r['user']:8.3f} {r['user'] / user:7.3f}")
ratio = results["Mp3Writer"]["mean"] / wall
verdict = "within" if ratio <= 1.05 else "outside"
print(f"\nMp3Writer / lame, wall time = {ratio:.3f} ({verdict} the 5% target)")
PY
