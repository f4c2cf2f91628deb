#!/usr/bin/env bash
# Every output format against its reference tool in one run, then batches
# converted one file at a time against two at a time.
#
# How to run, from the checkout:
#   scripts/install-deps.sh --bench     # once: the reference tools, hyperfine, FluidR3_GM
#   bench/run_all.sh [runs]             # runs per command, default 3
#
# Step 1 prints a table, one row per format: the reference tool, the mean
# wall time of each side over the same ten-minute input (a stereo 44.1 kHz
# WAV; for MIDI a ten-minute song rendered with the same SoundFont), the
# ratio (target: 1.05 or below; 1.15 for MP3 --verify, whose reference is
# sondrel-cli's plain MP3 conversion) and each side's peak memory.
# Step 2 converts two batches to MP3 with --jobs 1 and --jobs 2 and prints
# the speed-up (target: 1.9 or more on two cores): 8 WAVs of 75 s, and a
# mixed batch of 24 short MIDI songs and the 8 WAVs. Step 3 renders 8 MIDI
# songs with the large FluidR3_GM SoundFont one at a time and two at a
# time and prints both peak memories (target: two at a time below 1.3x).
# Step 4 converts the 8 WAVs through the real window, one and two at a
# time, against sondrel-cli --jobs 2 (bench/convert_window.sh). Step 5
# converts the ten-minute WAV and the ten-minute MIDI song to MP3 with
# loudness normalisation (--normalize: a measuring pass, then the encoding
# one; the song rendered once) against the same conversion without it
# (target: 1.6x or below).
# Step 6 converts an album with and without ReplayGain tags and against a
# second pass of loudgain, and checks that the gains agree
# (bench/replaygain.sh).
cd "$(dirname "$0")/.."
source bench/common.sh
source bench/pairs.sh
runs=${1:-3}
require_tools sox lame oggenc flac opusenc ffmpeg ffprobe fluidsynth hyperfine python3 /usr/bin/time cc pkg-config
build_release
make_workdir
font=$(readlink -f build/release/ct4mgm.sf2)
large_font=/usr/share/sounds/sf2/FluidR3_GM.sf2

make_source_wav
make_midi_song "$work/song.mid" $((${BENCH_MINUTES:-10} * 30))

# Peak resident memory of a command, in MB.
peak_mb() {
  /usr/bin/time -f %M -o "$work/peak" bash -c "$1" >/dev/null 2>&1
  awk '{ printf "%.1f", $1 / 1024 }' "$work/peak"
}

# --- 1. formats -------------------------------------------------------------
rows=$work/rows
: > "$rows"
for kind in mp3 mp3vbr mp3verify ogg aac m4a wma amr awb wav48k midi flac opus; do
  input=$work/in.wav
  [ "$kind" = midi ] && input=$work/song.mid
  pair "$kind" "$input"
  echo "== $kind: $ref_name against sondrel-cli" >&2
  hyperfine --style none --warmup 1 --runs "$runs" --export-json "$work/$kind.json" \
    -n ref "$ref_cmd" -n sondrel "$our_cmd" >/dev/null
  [ -s "$our_out" ] || { echo "sondrel-cli wrote no $our_out" >&2; exit 1; }
  echo "$kind $ref_name $(peak_mb "$ref_cmd") $(peak_mb "$our_cmd") $work/$kind.json" >> "$rows"
done

echo
echo "Each format, $(soxi -d "$work/in.wav") of input, mean of $runs runs:"
echo
python3 - "$rows" <<'PY'
import json, sys
print("| format | reference | reference s | sondrel s | ratio | reference MB | sondrel MB |")
print("|---|---|---:|---:|---:|---:|---:|")
names = {"mp3vbr": "MP3 VBR -V 2", "mp3verify": "MP3 --verify", "wav48k": "WAV 48 kHz", "amr": "AMR-NB", "awb": "AMR-WB", "midi": "MIDI"}
for line in open(sys.argv[1]):
    kind, ref, ref_mb, our_mb, path = line.split()
    times = {r["command"]: r["mean"] for r in json.load(open(path))["results"]}
    print(f"| {names.get(kind, kind.upper())} | {ref} | {times['ref']:.2f} | {times['sondrel']:.2f}"
          f" | {times['sondrel'] / times['ref']:.2f} | {ref_mb} | {our_mb} |")
PY

# --- 2. parallel batches ----------------------------------------------------
if ! "$cli" convert --help | grep -q -- --jobs; then
  echo; echo "sondrel-cli has no --jobs: parallel batches skipped"; exit 0
fi
mkdir -p "$work/wavs" "$work/mixed"
for i in 1 2 3 4 5 6 7 8; do
  sox -n -r 44100 -c 2 -b 16 "$work/wavs/long$i.wav" synth 75 pinknoise synth 75 sine mix $((200 + 50 * i)) gain -6
  ln -s "$work/wavs/long$i.wav" "$work/mixed/long$i.wav"
done
for i in $(seq 1 24); do make_midi_song "$work/mixed/song$i.mid" 15 $((i * 5)); done

batch() {  # JOBS FOLDER [FLAGS...]
  echo "'$cli' convert --jobs $1 --to mp3 --out '$work/batch' --overwrite \
    --set BrowseOutputFolder=off ${*:3} '$2'"
}
echo
for set in wavs mixed; do
  hyperfine --style none --warmup 1 --runs "$runs" --export-json "$work/$set-jobs.json" \
    -n jobs1 "$(batch 1 "$work/$set")" -n jobs2 "$(batch 2 "$work/$set")" >/dev/null
  python3 - "$work/$set-jobs.json" "$set" <<'PY'
import json, sys
t = {r["command"]: r["mean"] for r in json.load(open(sys.argv[1]))["results"]}
label = {"wavs": "8 WAVs of 75 s", "mixed": "24 MIDI songs and 8 WAVs"}[sys.argv[2]]
print(f"{label} to MP3: --jobs 1 {t['jobs1']:.2f} s, --jobs 2 {t['jobs2']:.2f} s,"
      f" speed-up {t['jobs1'] / t['jobs2']:.2f}")
PY
done

# --- 3. memory of parallel MIDI with a large SoundFont ----------------------
if [ -f "$large_font" ]; then
  mkdir -p "$work/midis"
  for i in 1 2 3 4 5 6 7 8; do make_midi_song "$work/midis/song$i.mid" 30 $((i * 9)); done
  one=$(peak_mb "$(batch 1 "$work/midis" --soundfont "'$large_font'")")
  two=$(peak_mb "$(batch 2 "$work/midis" --soundfont "'$large_font'")")
  python3 -c "print(f'8 MIDI songs with FluidR3_GM: peak {$one} MB with --jobs 1, {$two} MB with --jobs 2 ({$two / $one:.2f}x)')"
else
  echo "no $large_font: memory of parallel MIDI skipped"
fi

# --- 4. the window's batch --------------------------------------------------
echo
bash bench/convert_window.sh "$runs"

# --- 5. normalisation -------------------------------------------------------
echo
if "$cli" convert --help | grep -q -- --normalize; then
  for input in "$work/in.wav" "$work/song.mid"; do
    single() {  # [FLAGS...]
      echo "'$cli' convert --jobs 1 --to mp3 --bitrate 128 --out '$work/normalize' --overwrite \
        --set BrowseOutputFolder=off $* '$input'"
    }
    hyperfine --style none --warmup 1 --runs "$runs" --export-json "$work/normalize.json" \
      -n plain "$(single)" -n normalized "$(single --normalize)" >/dev/null
    python3 - "$work/normalize.json" "$(basename "$input")" <<'PY'
import json, sys
t = {r["command"]: r["mean"] for r in json.load(open(sys.argv[1]))["results"]}
print(f"{sys.argv[2]} to MP3: plain {t['plain']:.2f} s, --normalize {t['normalized']:.2f} s,"
      f" {t['normalized'] / t['plain']:.2f}x (target 1.6x or below)")
PY
  done
else
  echo "sondrel-cli has no --normalize: normalisation skipped"
fi

# --- 6. ReplayGain tags -----------------------------------------------------
echo
bash bench/replaygain.sh "$runs"
