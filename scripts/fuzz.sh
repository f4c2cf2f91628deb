#!/usr/bin/env bash
# Builds the libFuzzer targets of the source readers with clang into
# build/fuzz, makes a small seed corpus of each flavour with sox and the
# ffmpeg tool (on the first run), and runs every target for the given
# number of seconds (default 60). Crashing inputs land in
# build/fuzz/artifacts; the script fails when any target found one.
#   scripts/fuzz.sh [seconds-per-target]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
out=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSONDREL_FUZZ=ON \
  -DSONDREL_TESTS=OFF >/dev/null
cmake --build "$out" -j "$(nproc 2>/dev/null || echo 2)" --target fuzz-aiff fuzz-au fuzz-wave fuzz-open

# --- seed corpus ----------------------------------------------------------
be16() { printf "$(printf '\\%03o\\%03o' $(($1 >> 8 & 255)) $(($1 & 255)))"; }
be32() { be16 $(($1 >> 16 & 65535)); be16 $(($1 & 65535)); }
ff() { ffmpeg -hide_banner -loglevel error -nostdin -y "$@"; }

# An AIFF-C file: channels, frames, sample size, compression type, data file.
aifc() {
  local data_size comm_size=24
  data_size=$(stat -c %s "$5")
  {
    printf FORM; be32 $((4 + 8 + comm_size + 8 + 8 + data_size + data_size % 2)); printf AIFC
    printf COMM; be32 $comm_size; be16 "$1"; be32 "$2"; be16 "$3"
    printf '\x40\x0b\xfa\x00\x00\x00\x00\x00\x00\x00'   # 8000 Hz, 80-bit extended
    printf '%s\x00\x00' "$4"                             # type, empty name, pad
    printf SSND; be32 $((8 + data_size)); be32 0; be32 0; cat "$5"
    [ $((data_size % 2)) = 1 ] && printf '\x00'
    true
  }
}
# An AU file: encoding, channels, data file.
au() {
  local data_size
  data_size=$(stat -c %s "$3")
  { printf .snd; be32 24; be32 "$data_size"; be32 "$1"; be32 8000; be32 "$2"; cat "$3"; }
}

corpus=$out/corpus
if [ ! -d "$corpus" ]; then
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  mkdir -p "$corpus/aiff" "$corpus/au" "$corpus/wave"
  sox -n -r 8000 -c 2 -b 16 "$tmp/s.wav" synth 0.04 sine 440 sine 700 vol 0.7
  sox "$tmp/s.wav" -c 1 "$tmp/m.wav"
  for c in pcm_u8 pcm_s16le pcm_s24le pcm_s32le pcm_f32le pcm_f64le pcm_alaw pcm_mulaw adpcm_ms adpcm_ima_wav; do
    ff -i "$tmp/s.wav" -c:a "$c" -block_size 256 "$corpus/wave/$c.wav"
  done
  ff -i "$tmp/m.wav" -c:a libgsm_ms "$corpus/wave/gsm.wav"
  ff -i "$tmp/s.wav" -filter:a "pan=5.1|c0=c0|c1=c1|c2=c0|c3=c1|c4=c0|c5=c1" -c:a pcm_s16le "$corpus/wave/six.wav"
  for c in pcm_s8 pcm_u8 pcm_s16be pcm_s16le pcm_s24be pcm_s32be pcm_f32be pcm_f64be pcm_mulaw pcm_alaw adpcm_ima_qt; do
    ff -i "$tmp/s.wav" -c:a "$c" "$corpus/aiff/$c.aiff"
  done
  ff -i "$tmp/m.wav" -c:a libgsm -f gsm "$tmp/gsm.raw"
  aifc 1 320 16 "GSM " "$tmp/gsm.raw" > "$corpus/aiff/gsm.aifc"
  head -c 96 "$corpus/wave/pcm_s16le.wav" | tail -c 48 > "$tmp/bits"
  aifc 2 24 16 DWVW "$tmp/bits" > "$corpus/aiff/dwvw.aifc"
  for e in u-law a-law; do sox "$tmp/s.wav" -e "$e" "$corpus/au/$e.au"; done
  for b in 8 16 24 32; do sox "$tmp/s.wav" -e signed -b "$b" "$corpus/au/s$b.au"; done
  for b in 32 64; do sox "$tmp/s.wav" -e floating-point -b "$b" "$corpus/au/f$b.au"; done
  for pair in "3 25" "4 23" "5 26"; do
    set -- $pair
    ff -i "$tmp/m.wav" -c:a g726le -code_size "$1" -f g726le "$tmp/g$1.raw"
    au "$2" 1 "$tmp/g$1.raw" > "$corpus/au/g72x-$1.au"
  done
  # The whole chain: each seed behind the byte that selects its extension
  # (.wav .aiff .au .mp3 .ogg .flac .mid .mod .amr .m4a, none).
  mkdir -p "$corpus/open"
  ff -i "$tmp/s.wav" -c:a libmp3lame -b:a 32k "$tmp/s.mp3"
  ff -i "$tmp/s.wav" -c:a libvorbis "$tmp/s.ogg"
  ff -i "$tmp/s.wav" "$tmp/s.flac"
  sox "$tmp/m.wav" -t amr-nb "$tmp/s.amr"
  ff -i "$tmp/s.wav" -c:a aac -b:a 32k "$tmp/s.m4a"
  printf 'MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xe0MTrk\x00\x00\x00\x0d\x00\x90\x3c\x64\x83\x60\x80\x3c\x00\x00\xff\x2f\x00' > "$tmp/s.mid"
  seed() { { printf "$(printf '\\%03o' "$1")"; cat "$2"; } > "$corpus/open/$(basename "$2")"; }
  seed 0 "$corpus/wave/pcm_s16le.wav"; seed 0 "$corpus/wave/adpcm_ms.wav"
  seed 1 "$corpus/aiff/pcm_s16be.aiff"; seed 2 "$corpus/au/u-law.au"
  seed 3 "$tmp/s.mp3"; seed 4 "$tmp/s.ogg"; seed 5 "$tmp/s.flac"; seed 6 "$tmp/s.mid"
  seed 8 "$tmp/s.amr"; seed 9 "$tmp/s.m4a"; seed 10 "$tmp/s.flac"
fi

# --- run ------------------------------------------------------------------
mkdir -p "$out/artifacts"
status=0
for target in aiff au wave open; do
  echo "== fuzz-$target for ${seconds}s"
  mkdir -p "$out/work/$target"
  if ! "$out/fuzz-$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
       -print_final_stats=1 -artifact_prefix="$out/artifacts/$target-" "$out/work/$target" "$corpus/$target" \
       2>"$out/fuzz-$target.log"; then
    echo "fuzz-$target found a failure: see $out/fuzz-$target.log and $out/artifacts/" >&2
    status=1
  fi
  grep -E "stat::number_of_executed_units|cov:" "$out/fuzz-$target.log" | tail -2 || true
done
exit $status
