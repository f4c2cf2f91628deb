#!/usr/bin/env bash
# ReplayGain tags written while converting, on an album of 8 music-like songs
# of 75 s (stereo 44.1 kHz, each at its own level) converted with --jobs 2:
#   plain     sondrel-cli convert --to mp3
#   tagged    the same with --replaygain album (track and album values)
#   loudgain  the plain conversion, then `loudgain -a -s i` on its outputs
# Prints the mean wall times and two ratios: tagged/plain (target: 1.05 or
# below) and tagged/loudgain (target: below 1, the one pass faster). Then
# compares the track and album gains Sondrel wrote into MP3, OGG, FLAC,
# Opus (R128 gains, relative to -23 LUFS), M4A and WMA outputs with those
# loudgain computes on the same files (target: within 0.1 dB); the script
# fails when a format's gains differ by more. loudgain measures what the
# file decodes to; Sondrel measures MP3 and M4A outputs the same way and
# the others as it hands them to the encoder, so an encoder of those that
# changes the level shows here.
#
# How to run, from the checkout:
#   scripts/install-deps.sh --bench     # once: hyperfine, loudgain
#   bench/replaygain.sh [runs]          # runs per command, default 3
cd "$(dirname "$0")/.."
source bench/common.sh
runs=${1:-3}
require_tools sox ffprobe loudgain hyperfine python3
build_release
make_workdir

album=$work/album
mkdir -p "$album"
seconds=${BENCH_SONG_SECONDS:-75}
for i in 1 2 3 4 5 6 7 8; do
  sox -n -r 44100 -c 2 -b 16 "$album/song$i.wav" synth "$seconds" pinknoise synth "$seconds" \
    sine mix $((200 + 50 * i)) lowpass 8000 tremolo 1.5 50 gain $((-3 - 2 * i))
done
echo "input: 8 songs of $(soxi -d "$album/song1.wav"), stereo 44.1 kHz, -5 to -19 dB"

convert() {  # FORMAT OUT [FLAGS...]
  echo "'$cli' convert --jobs 2 --to $1 --out '$2' --overwrite \
    ${*:3} '$album'"
}
hyperfine --style none --warmup 1 --runs "$runs" --export-json "$work/times.json" \
  -n plain "$(convert mp3 "$work/plain")" \
  -n tagged "$(convert mp3 "$work/tagged" --replaygain album)" \
  -n loudgain "$(convert mp3 "$work/twopass") && loudgain -a -s i -q '$work/twopass/'*.mp3" \
  >/dev/null
python3 - "$work/times.json" <<'PY'
import json, sys
t = {r["command"]: r["mean"] for r in json.load(open(sys.argv[1]))["results"]}
print(f"8 songs to MP3: plain {t['plain']:.2f} s, with --replaygain album {t['tagged']:.2f} s"
      f" ({t['tagged'] / t['plain']:.3f}x, target <= 1.05);"
      f" convert, then loudgain {t['loudgain']:.2f} s"
      f" (one pass {t['tagged'] / t['loudgain']:.3f}x of it, target < 1)")
PY

# The gains Sondrel wrote against those loudgain computes on the same
# outputs (-s s: loudgain writes nothing): MP3 (the timed run's outputs)
# and every other format that holds the tags.
formats="mp3 ogg flac opus m4a wma"
mv "$work/tagged" "$work/mp3"
for format in ${formats#mp3 }; do
  bash -c "$(convert $format "$work/$format" --replaygain album)" >/dev/null
done
failed=0
for format in $formats; do
  for file in "$work/$format/"*.$format; do
    echo "$(basename "$file")	$(ffprobe -v error -show_entries format_tags:stream_tags \
      -of default=noprint_wrappers=1 "$file" | grep -i -E '(replaygain|r128)_(track|album)_gain' | tr '\n' '\t')"
  done > "$work/ours.txt"
  loudgain -a -s s -O -q "$work/$format/"*.$format > "$work/loudgain.txt"
  python3 - "$work/ours.txt" "$work/loudgain.txt" "$format" <<'PY' || failed=1
import sys
def db(name, text):
    # An Opus R128 gain is in 1/256 dB; loudgain's Opus gains are relative
    # to -23 LUFS as well.
    value = float(text.split()[0])
    return value / 256 if name.startswith("r128_") else value
ours = {}
for line in open(sys.argv[1]):
    name, *tags = line.rstrip("\t\n").split("\t")
    fields = {k.split(":")[-1].lower(): v for k, v in (t.split("=", 1) for t in tags)}
    ours[name] = {k.replace("r128_", "replaygain_"): db(k, v) for k, v in fields.items()}
theirs = {}
for line in list(open(sys.argv[2]))[1:]:
    columns = line.rstrip("\n").split("\t")
    theirs[columns[0].split("/")[-1]] = float(columns[8].split()[0])
track = max(abs(tags["replaygain_track_gain"] - theirs[name]) for name, tags in ours.items())
album = max(abs(tags["replaygain_album_gain"] - theirs["Album"]) for tags in ours.values())
print(f"{sys.argv[3].upper()}: Sondrel's gains against loudgain's on the same {len(ours)} outputs:"
      f" largest difference {track:.2f} dB (track), {album:.2f} dB (album), target <= 0.1")
sys.exit(0 if ours and max(track, album) <= 0.1 else 1)
PY
done
exit $failed
