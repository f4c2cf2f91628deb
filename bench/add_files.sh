#!/usr/bin/env bash
# Adding files to the list: `sondrel-cli info` over a folder probes each file
# once, as the window's Add Files and Add Folder do, on every core. Folders:
# 1,000 two-second stereo WAV files (target: at most 0.3 s on two cores), 200
# short files of other formats made by ffmpeg, sox and lame, and 2,000 and
# 10,000 files mixed from both (target: the same time per file at both
# sizes). Then the 1,000 WAVs dropped on the desktop window itself
# (offscreen): seconds, files/s, the add window's paint events and the
# longest time between two turns of the event loop (target: at most 0.6 s,
# and the window repainted throughout).
#
# How to run, from the checkout:
#   scripts/install-deps.sh --bench     # once: lame, hyperfine, time
#   bench/add_files.sh [runs]           # runs per command, default 3
cd "$(dirname "$0")/.."
source bench/common.sh
runs=${1:-3}
require_tools ffmpeg sox lame python3
build_release -DSONDREL_BENCH=ON
make_workdir

mkdir -p "$work/wav" "$work/mixed"
sox -n -r 44100 -c 2 -b 16 "$work/one.wav" synth 2 pinknoise synth 2 sine mix 440 gain -6
for i in $(seq -w 1 1000); do cp "$work/one.wav" "$work/wav/$i.wav"; done

# Twenty of each of ten kinds, each file its own encode.
for i in $(seq -w 1 20); do
  sox -n -r 22050 -c 1 -b 16 "$work/src.wav" synth 2 sine $((200 + 10#$i * 20))
  lame --quiet -b 64 "$work/src.wav" "$work/mixed/$i.mp3"
  ffmpeg -v error -y -i "$work/src.wav" -c:a libvorbis "$work/mixed/$i.ogg"
  ffmpeg -v error -y -i "$work/src.wav" -c:a flac "$work/mixed/$i.flac"
  ffmpeg -v error -y -i "$work/src.wav" -c:a aac "$work/mixed/$i.m4a"
  ffmpeg -v error -y -i "$work/src.wav" -c:a wmav2 "$work/mixed/$i.wma"
  ffmpeg -v error -y -i "$work/src.wav" -c:a aac -f adts "$work/mixed/$i.aac"
  sox "$work/src.wav" "$work/mixed/$i.aiff"
  sox "$work/src.wav" "$work/mixed/$i.au"
  sox "$work/src.wav" -b 8 -e unsigned "$work/mixed/$i-u8.wav"
  cp "$work/mixed/$i.ogg" "$work/mixed/$i-ogg.mp3"  # an extension that lies
done

# Prints the mean seconds of `sondrel-cli info` over folder $1 of $2 files.
time_info() {
  local folder=$1 count=$2 seconds
  if command -v hyperfine >/dev/null; then
    hyperfine --style none --warmup 1 --runs "$runs" --export-json "$work/t.json" \
      "'$cli' info '$folder'" >/dev/null 2>"$work/hyperfine.err" || { cat "$work/hyperfine.err" >&2; exit 1; }
    seconds=$(python3 -c "import json,sys; print(json.load(open(sys.argv[1]))['results'][0]['mean'])" "$work/t.json")
  else
    require_tools /usr/bin/time
    seconds=$( { /usr/bin/time -f %e "$cli" info "$folder" >/dev/null; } 2>&1 | tail -1)
  fi
  python3 -c "import sys; s, n = float(sys.argv[1]), int(sys.argv[2]); \
print(f'{s:.3f} s for {n} files ({s * 1000 / n:.3f} s per 1,000), {n / s:.0f} files/s')" "$seconds" "$count"
}

# 10,000 mixed files: 25 copies of the 200, each with 200 of the WAVs, in
# folders of 400; the first five folders are the 2,000. The copies are hard
# links: each is a file of its own to the list, and the disk stays small.
for copy in $(seq -w 1 25); do
  mkdir -p "$work/many/$copy"
  cp -l "$work/mixed/"* "$work/many/$copy/"
  for i in $(seq -w 1 200); do ln "$work/wav/0$i.wav" "$work/many/$copy/w$i.wav"; done
done
mkdir -p "$work/some"
for copy in 01 02 03 04 05; do cp -al "$work/many/$copy" "$work/some/$copy"; done

echo "sondrel-cli info, 1,000 two-second WAV files: $(time_info "$work/wav" 1000) (target: at most 0.3 s)"
echo "sondrel-cli info, 200 files of ten other kinds: $(time_info "$work/mixed" 200)"
echo "sondrel-cli info, 2,000 mixed files: $(time_info "$work/some" 2000)"
echo "sondrel-cli info, 10,000 mixed files: $(time_info "$work/many" 10000) (target: the same per 1,000)"

for run in $(seq 1 "$runs"); do
  rm -f "$work/Sondrel.conf"
  QT_QPA_PLATFORM=offscreen build/release/sondrel-bench-add-files-window \
    "$work/wav" "$work/Sondrel.conf" 2>/dev/null
done
echo "(window target: 1,000 files in at most 0.6 s)"
