#!/usr/bin/env bash
# Builds the libFuzzer targets of every parser that reads a user's bytes
# with clang into build/fuzz, makes a small seed corpus of each (with sox,
# the ffmpeg tool, lame, the command-line front end and printf) into
# build/fuzz/corpus/<target> when it is missing or its seed set changed,
# and runs each named target (default: all) for the given number of
# seconds (default 60). Crashing inputs land in build/fuzz/artifacts; the
# script ends with one line per target (target, executions, seconds,
# result) and fails when any target found a failure.
#   scripts/fuzz.sh [seconds-per-target] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."

all_targets=(aiff au wave open midi mpeg tags settings shortcut module convert)
seconds=${1:-60}
shift || true
# A target may be named as its program is too: "fuzz-midi" for "midi".
targets=("${@#fuzz-}")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")
for target in "${targets[@]}"; do
  [[ " ${all_targets[*]} " == *" $target "* ]] || { echo "unknown fuzz target: $target" >&2; exit 2; }
done

out=build/fuzz
args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DSONDREL_FUZZ=ON -DSONDREL_TESTS=OFF)
if command -v ccache >/dev/null 2>&1; then
  args+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
fi
CC=clang CXX=clang++ cmake -S . -B "$out" "${args[@]}" >/dev/null
# The command-line front end writes the settings seeds.
cmake --build "$out" -j "$(nproc 2>/dev/null || echo 2)" --target "${targets[@]/#/fuzz-}" sondrel-cli

# --- seed corpus ----------------------------------------------------------
# Raise when the seeds below change: the corpus is then made anew.
corpus_version=2

le16() { printf "$(printf '\\%03o\\%03o' $(($1 & 255)) $(($1 >> 8 & 255)))"; }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16 & 65535)); }
be16() { printf "$(printf '\\%03o\\%03o' $(($1 >> 8 & 255)) $(($1 & 255)))"; }
be32() { be16 $(($1 >> 16 & 65535)); be16 $(($1 & 65535)); }
zeros() { head -c "$1" /dev/zero; }
# Text padded with zero bytes to a field of $2 bytes.
field() { printf '%s' "$1"; zeros $(($2 - ${#1})); }
ff() { ffmpeg -hide_banner -loglevel error -nostdin -y "$@"; }
# A seed behind the byte that selects its extension: byte, file, target.
seed() { { printf "$(printf '\\%03o' "$1")"; cat "$2"; } > "$corpus/$3/${4:-$(basename "$2")}"; }

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

# A standard MIDI file: format, division, then one file per track body.
smf() {
  local format=$1 division=$2 track
  shift 2
  printf MThd; be32 6; be16 "$format"; be16 $#; be16 "$division"
  for track in "$@"; do printf MTrk; be32 "$(stat -c %s "$track")"; cat "$track"; done
}

# A ProTracker module of one pattern: a square-wave sample played on the
# first row, speed and tempo set, the pattern cut after 16 rows.
protracker() {
  local slot row
  field "seed module" 20
  field square 22; be16 32; printf '\x00\x40'; be16 0; be16 32
  for slot in $(seq 30); do zeros 28; be16 1; done
  printf '\x01\x7f'; zeros 128; printf M.K.
  printf '\x01\xac\x10\x00\x00\x00\x0f\x06\x00\x00\x0f\x7d'; zeros 4
  for row in $(seq 14); do zeros 16; done
  zeros 12; printf '\x00\x00\x0d\x00'
  zeros $((48 * 16))
  for row in $(seq 32); do printf '\x40'; done
  for row in $(seq 32); do printf '\xc0'; done
}
# An extended module with four channels, one empty pattern of 16 rows and
# no instruments.
xm() {
  local row
  printf 'Extended Module: '; field "seed module" 20; printf '\x1a'; field sondrel 20; le16 0x104
  le32 276; le16 1; le16 0; le16 4; le16 1; le16 0; le16 1; le16 6; le16 125; zeros 256
  le32 9; printf '\x00'; le16 16; le16 64
  for row in $(seq 64); do printf '\x80'; done
}

# A Windows shell link with a LinkInfo that holds a local base path and a
# relative path: $1 local base path, $2 relative path.
lnk() {
  local base=$1 relative=$2 info_size
  info_size=$((0x1c + 0x11 + ${#base} + 1 + 1))
  le32 0x4c; printf '\x01\x14\x02\x00\x00\x00\x00\x00\xc0\x00\x00\x00\x00\x00\x00\x46'
  le32 0x0a; le32 0x20; zeros 24; le32 4; le32 0; le32 1; le16 0; zeros 10
  le32 "$info_size"; le32 0x1c; le32 1; le32 0x1c; le32 $((0x1c + 0x11)); le32 0
  le32 $((0x1c + 0x11 + ${#base} + 1))
  le32 0x11; le32 3; le32 0x1234abcd; le32 0x10; printf '\x00'
  printf '%s\x00\x00' "$base"
  le16 ${#relative}; printf '%s' "$relative"
  le32 0
}

make_corpus() {
  local tmp=$1 c pair e b v
  mkdir -p "$corpus"/{aiff,au,wave,open,midi,mpeg,tags,settings,shortcut,module,convert}
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

  # MIDI songs: format 0 with tempo changes, running status, a sysex and
  # text events; format 1 with a tempo track; format 2; a RIFF wrapper.
  printf '\x00\xff\x51\x03\x07\xa1\x20\x00\xf0\x05\x7e\x7f\x09\x01\xf7\x00\xff\x01\x04seed\x00\xc0\x05\x00\x90\x3c\x64\x00\x40\x64\x60\x3c\x00\x00\x40\x00\x00\xff\x51\x03\x03\xd0\x90\x30\x90\x43\x50\x30\xb0\x07\x64\x00\xe0\x00\x40\x30\x80\x43\x00\x00\xff\x2f\x00' > "$tmp/t0"
  printf '\x00\xff\x58\x04\x04\x02\x18\x08\x00\xff\x59\x02\x00\x00\x00\xff\x51\x03\x0f\x42\x40\x83\x60\xff\x51\x03\x05\x16\x15\x00\xff\x2f\x00' > "$tmp/tempo"
  printf '\x00\xff\x03\x05piano\x00\x91\x48\x70\x81\x70\x48\x00\x00\xa1\x48\x20\x00\xd1\x30\x00\x81\x48\x00\x00\xff\x2f\x00' > "$tmp/t1"
  smf 0 96 "$tmp/t0" > "$corpus/midi/format0.mid"
  smf 1 480 "$tmp/tempo" "$tmp/t1" > "$corpus/midi/format1.mid"
  smf 2 120 "$tmp/t1" "$tmp/t0" > "$corpus/midi/format2.mid"
  b=$(stat -c %s "$corpus/midi/format1.mid")
  { printf RIFF; le32 $((4 + 8 + b)); printf RMIDdata; le32 "$b"; cat "$corpus/midi/format1.mid"; } > "$corpus/midi/riff.rmi"

  # MPEG audio: ID3v2.3, ID3v2.4 and ID3v1 tags; Xing (VBR), Info (CBR)
  # and VBRI headers; layers I and II; MPEG-2 rates.
  sox -n -r 44100 -c 2 -b 16 "$tmp/l.wav" synth 0.1 sine 440 sine 660 vol 0.5
  ff -i "$tmp/l.wav" -c:a libmp3lame -b:a 64k -id3v2_version 3 -metadata title=Seed -metadata artist=Sondrel "$corpus/mpeg/id3v23.mp3"
  ff -i "$tmp/l.wav" -c:a libmp3lame -q:a 6 -id3v2_version 4 -write_id3v1 1 -metadata title=Seed -metadata album=Fuzz "$corpus/mpeg/id3v24-v1.mp3"
  ff -i "$tmp/l.wav" -ar 16000 -ac 1 -c:a libmp3lame -b:a 24k -write_xing 0 -id3v2_version 0 "$corpus/mpeg/mpeg2.mp3"
  lame --quiet -V 5 --tt Seed --ta Sondrel --add-id3v2 "$tmp/l.wav" "$corpus/mpeg/lame-xing.mp3"
  lame --quiet -b 96 --id3v1-only --tt Seed "$tmp/l.wav" "$corpus/mpeg/lame-info-v1.mp3"
  ff -i "$tmp/l.wav" -c:a mp2 -b:a 128k -f mp2 "$corpus/mpeg/layer2.mp2"
  # A VBRI header frame (MPEG-1 layer III, 128 kbit/s, 44100 Hz: 417 bytes)
  # in front of frames of the same stream.
  lame --quiet -b 128 -t "$tmp/l.wav" "$tmp/plain.mp3"
  { printf '\xff\xfb\x90\x64'; zeros 32; printf VBRI; be16 1; be16 0; be16 75
    be32 5000; be32 9; be16 0; be16 1; be16 2; be16 1; zeros $((417 - 62)); cat "$tmp/plain.mp3"; } > "$corpus/mpeg/vbri.mp3"

  # Tagged files of each type that TagLib reads, behind the byte of their
  # extension (.mp3 .ogg .flac .m4a .wma .wav .aiff).
  local meta=(-metadata title="Seed title" -metadata artist=Sondrel -metadata album=Fuzz -metadata date=2024
              -metadata genre=Rock -metadata comment="A comment" -metadata track=3/12 -metadata composer=Someone
              -metadata copyright="(c) nobody")
  ff -i "$tmp/m.wav" "${meta[@]}" -c:a libmp3lame -b:a 32k -write_id3v1 1 "$tmp/t.mp3"
  ff -i "$tmp/m.wav" "${meta[@]}" -c:a libvorbis "$tmp/t.ogg"
  ff -i "$tmp/m.wav" "${meta[@]}" "$tmp/t.flac"
  ff -i "$tmp/m.wav" "${meta[@]}" -c:a aac -b:a 24k "$tmp/t.m4a"
  ff -i "$tmp/m.wav" "${meta[@]}" -c:a wmav2 -b:a 32k "$tmp/t.wma"
  ff -i "$tmp/m.wav" "${meta[@]}" "$tmp/t.wav"
  ff -i "$tmp/m.wav" "${meta[@]}" -write_id3v2 1 "$tmp/t.aiff"
  v=0
  for e in mp3 ogg flac m4a wma wav aiff; do seed $v "$tmp/t.$e" tags; v=$((v + 1)); done
  seed 0 "$corpus/mpeg/lame-xing.mp3" tags

  # Settings files written by the program, and by hand.
  local config=$tmp/config
  XDG_CONFIG_HOME=$config HOME=$tmp "$out/sondrel-cli" options TargetExistsOpt=skip MP3ChannelMode=joint \
    OutputFormat=ogg "MP3Tag/Title=Hello, World" "OGGTag/Artist=Sondrel" MP3ID3TagType=preset >/dev/null
  cp "$config/Vantrel Technologies/Sondrel.conf" "$corpus/settings/written.conf"
  printf '[General]\nFirstRun=1\n\n[Options]\nOutputFormat=9999\nMP3BitRate=-5\nFolder="/home/a, b"\nMP3Tag\\Title=Hello, World ; note\nMP3Tag\\Artist="quoted, text"\nFilterExts=mp3;wav\n\n[Options/OGGTag]\nTitle=@Invalid()\nCustomTrackNum=4294967296\n' > "$corpus/settings/hand.conf"
  printf '[Options]\nMonoType=left\nWAVSampleRate=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x7fQString)\nComment=tab\\there\\nline, "a, b" , c\n[Options\\M4ATag]\nTitle=\\x41\\u00e9\n' > "$corpus/settings/escapes.conf"

  # Shortcuts: shell links (byte 0) and desktop entries (byte 1).
  lnk 'C:\target.wav' '.\target.wav' > "$tmp/relative.lnk"
  lnk '/dev/null' 'missing\none.wav' > "$tmp/local.lnk"
  seed 0 "$tmp/relative.lnk" shortcut; seed 0 "$tmp/local.lnk" shortcut
  printf '[Desktop Entry]\nVersion=1.0\nType=Link\nName=Sound\nURL=file:///dev/null\n' > "$tmp/link.desktop"
  printf '[Desktop Entry]\nType=Application\nExec=sondrel %%F\nURL=file:///tmp/a%%20b.wav\n' > "$tmp/app.desktop"
  seed 1 "$tmp/link.desktop" shortcut; seed 1 "$tmp/app.desktop" shortcut

  # Modules, behind the byte of their extension and render rate.
  protracker > "$tmp/song.mod"
  xm > "$tmp/song.xm"
  for v in 0 1 2 3 4 13; do seed $v "$tmp/song.mod" module "mod-$v"; done
  seed 1 "$tmp/song.xm" module; seed 7 "$tmp/song.xm" module xm-7

  # The whole chain: each seed behind the byte that selects its extension
  # (.wav .aiff .au .mp3 .ogg .flac .mid .mod .amr .m4a, none).
  ff -i "$tmp/s.wav" -c:a libmp3lame -b:a 32k "$tmp/s.mp3"
  ff -i "$tmp/s.wav" -c:a libvorbis "$tmp/s.ogg"
  ff -i "$tmp/s.wav" "$tmp/s.flac"
  sox "$tmp/m.wav" -t amr-nb "$tmp/s.amr"
  ff -i "$tmp/s.wav" -c:a aac -b:a 32k "$tmp/s.m4a"
  printf 'MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xe0MTrk\x00\x00\x00\x0d\x00\x90\x3c\x64\x83\x60\x80\x3c\x00\x00\xff\x2f\x00' > "$tmp/s.mid"
  for target in open convert; do
    seed 0 "$corpus/wave/pcm_s16le.wav" $target; seed 0 "$corpus/wave/adpcm_ms.wav" $target
    seed 1 "$corpus/aiff/pcm_s16be.aiff" $target; seed 2 "$corpus/au/u-law.au" $target
    seed 3 "$tmp/s.mp3" $target; seed 4 "$tmp/s.ogg" $target; seed 5 "$tmp/s.flac" $target
    seed 6 "$tmp/s.mid" $target; seed 8 "$tmp/s.amr" $target; seed 9 "$tmp/s.m4a" $target
    seed 10 "$tmp/s.flac" $target
  done
  seed 3 "$tmp/t.mp3" convert tagged.mp3; seed 5 "$tmp/t.flac" convert tagged.flac
  seed 7 "$tmp/song.mod" convert; seed 6 "$corpus/midi/format1.mid" convert
}

corpus=$out/corpus
if [ "$(cat "$corpus/version" 2>/dev/null)" != "$corpus_version" ]; then
  rm -rf "$corpus"
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  make_corpus "$tmp"
  echo "$corpus_version" > "$corpus/version"
fi

# --- run ------------------------------------------------------------------
mkdir -p "$out/artifacts"
status=0
summary=()
for target in "${targets[@]}"; do
  echo "== fuzz-$target for ${seconds}s"
  mkdir -p "$out/work/$target"
  result=ok
  start=$(date +%s)
  if ! "$out/fuzz-$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
       -print_final_stats=1 -artifact_prefix="$out/artifacts/$target-" "$out/work/$target" "$corpus/$target" \
       2>"$out/fuzz-$target.log"; then
    echo "fuzz-$target found a failure: see $out/fuzz-$target.log and $out/artifacts/" >&2
    result=FAILED
    status=1
  fi
  elapsed=$(($(date +%s) - start))
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/fuzz-$target.log" | tail -1)
  grep -E "cov:" "$out/fuzz-$target.log" | tail -1 || true
  summary+=("$(printf '%-14s %10s %7s  %s' "fuzz-$target" "${execs:-?}" "$elapsed" "$result")")
done
printf '%-14s %10s %7s  %s\n' target execs seconds result
printf '%s\n' "${summary[@]}"
exit $status
