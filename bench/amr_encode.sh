#!/usr/bin/env bash
# AMR encoding speed: `sondrel-cli convert --to amr` (narrow band, 12.2
# kbit/s) and `--to awb` (wide band, 23.85 kbit/s) on the same ten-minute
# stereo 44.1 kHz WAV file, each against a reference encoder over the same
# libraries: ffmpeg's libopencore_amrnb / libvo_amrwbenc when `ffmpeg
# -encoders` lists them, otherwise sox mixing the source to mono at the
# band's rate followed by a small C loop built here that encodes it (both
# timed, so the reference does the same work as sondrel-cli).
#
# How to run, from the checkout:
#   scripts/install-deps.sh --bench     # once: hyperfine and the other tools
#   bench/amr_encode.sh [runs]          # runs per command, default 3
#
# Prints each command's mean wall and user CPU time, then each sondrel
# command's ratio to the reference for the same band. Target: within 1.05x.
cd "$(dirname "$0")/.."
source bench/common.sh
runs=${1:-3}
require_tools sox ffmpeg ffprobe hyperfine python3 cc pkg-config
build_release
make_workdir

make_source_wav

# The mode goes to the option of the format's band only: each takes only
# its own band's modes.
sondrel() {
  local format=$1 mode=$2 option=AMRMode
  [[ $format == awb ]] && option=AWBMode
  echo "'$cli' convert --to $format --out '$work/sondrel' --set TargetExistsOpt=22 \
    --set AMRType=0 --set $option=$mode --set AMRDTX=0 --set AWBDTX=0 \
    --set BrowseOutputFolder=0 '$work/in.wav'"
}

if ffmpeg -hide_banner -encoders 2>/dev/null | grep -q libopencore_amrnb &&
   ffmpeg -hide_banner -encoders 2>/dev/null | grep -q libvo_amrwbenc; then
  reference=ffmpeg
  nb="ffmpeg -nostdin -v error -y -i '$work/in.wav' -ac 1 -ar 8000 -c:a libopencore_amrnb -b:a 12.2k '$work/ref.amr'"
  wb="ffmpeg -nostdin -v error -y -i '$work/in.wav' -ac 1 -ar 16000 -c:a libvo_amrwbenc -b:a 23.85k '$work/ref.awb'"
else
  reference=c-loop
  # Raw mono PCM in, storage format out: the magic, then one frame per
  # 160 or 320 samples, the last one padded with silence.
  cat > "$work/amrref.c" <<'C'
#include <opencore-amrnb/interf_enc.h>
#include <vo-amrwbenc/enc_if.h>
#include <stdio.h>
#include <string.h>
int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const int wide = strcmp(argv[1], "wb") == 0;
  FILE* in = fopen(argv[2], "rb");
  FILE* out = fopen(argv[3], "wb");
  if (!in || !out) return 1;
  const int frame = wide ? 320 : 160;
  void* state = wide ? E_IF_init() : Encoder_Interface_init(0);
  fputs(wide ? "#!AMR-WB\n" : "#!AMR\n", out);
  short samples[320];
  unsigned char bytes[128];
  size_t got;
  while ((got = fread(samples, 2, frame, in)) > 0) {
    memset(samples + got, 0, (frame - got) * 2);
    const int n = wide ? E_IF_encode(state, 8, samples, bytes, 0)
                       : Encoder_Interface_Encode(state, MR122, samples, bytes, 0);
    if (n <= 0 || fwrite(bytes, 1, n, out) != (size_t)n) return 1;
  }
  if (wide) E_IF_exit(state); else Encoder_Interface_exit(state);
  return fclose(out) == 0 ? 0 : 1;
}
C
  cc -O2 -o "$work/amrref" "$work/amrref.c" \
    $(pkg-config --cflags --libs opencore-amrnb vo-amrwbenc)
  nb="sox '$work/in.wav' -r 8000 -c 1 -b 16 -e signed '$work/in8k.raw' &&
    '$work/amrref' nb '$work/in8k.raw' '$work/ref.amr'"
  wb="sox '$work/in.wav' -r 16000 -c 1 -b 16 -e signed '$work/in16k.raw' &&
    '$work/amrref' wb '$work/in16k.raw' '$work/ref.awb'"
fi
echo "reference: $reference"

hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/times.json" \
  -n ref-amr "$nb" -n sondrel-amr "$(sondrel amr 7)" \
  -n ref-awb "$wb" -n sondrel-awb "$(sondrel awb 8)"

for out in ref.amr sondrel/in.amr ref.awb sondrel/in.awb; do
  echo "output $out: $(stat -c %s "$work/$out") bytes, $(ffprobe -v error -select_streams a:0 \
    -show_entries stream=codec_name,sample_rate -of csv=p=0 "$work/$out")"
done
echo
print_ratios "$work/times.json"
echo
print_pair_ratios "$work/times.json" ref amr awb
