#!/usr/bin/env bash
# Long-batch soak: one `sondrel-cli convert --to mp3` batch over 1,000 short
# files of mixed formats (WAV, MP3, OGG, FLAC, AIFF, AU and MIDI rendered
# through the program folder's SoundFont), ten of them made to fail
# (garbage under an audio extension, empty files). While it runs, the
# process's resident memory (VmRSS) and open descriptors are sampled about
# every 100 ms with the number of outputs written so far.
#
# How to run, from the checkout:
#   scripts/install-deps.sh --bench     # once
#   bench/soak.sh [files]               # default 1000, ten of them broken
#
# Prints RSS and descriptors near the 100th output and at the last sample,
# the peaks, and the failure count, which must equal the broken files.
# Targets: RSS at the end within 10% (or 5 MB) of the 100th output's, the
# descriptor count flat, failures equal to the broken files.
cd "$(dirname "$0")/.."
source bench/common.sh
total=${1:-1000}
broken=10
require_tools ffmpeg sox python3
build_release
make_workdir

in=$work/in
mkdir -p "$in" "$work/out"

# One half-second seed per format, copied under numbered names.
sox -n -r 44100 -c 2 -b 16 "$work/seed.wav" synth 0.5 sine 440 gain -6
ffmpeg -nostdin -v error -i "$work/seed.wav" "$work/seed.mp3"
ffmpeg -nostdin -v error -i "$work/seed.wav" -c:a libvorbis "$work/seed.ogg"
sox "$work/seed.wav" "$work/seed.flac"
sox "$work/seed.wav" "$work/seed.aiff"
sox "$work/seed.wav" "$work/seed.au"
python3 - "$work/seed.mid" <<'PY'
import struct, sys
# Format 0, 480 ticks a quarter: one note held for one beat at 120 bpm.
events = bytes([0, 0xC0, 0, 0, 0x90, 60, 100]) + bytes([0x83, 0x60, 0x80, 60, 0]) + bytes([0, 0xFF, 0x2F, 0])
with open(sys.argv[1], "wb") as f:
    f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, 480))
    f.write(b"MTrk" + struct.pack(">I", len(events)) + events)
PY

formats=(wav mp3 ogg flac aiff au mid)
good=$((total - broken))
for ((i = 0; i < good; ++i)); do
  ext=${formats[i % ${#formats[@]}]}
  cp "$work/seed.$ext" "$in/$(printf '%04d' "$i").$ext"
done
for ((i = 0; i < broken; ++i)); do
  ext=${formats[i % ${#formats[@]}]}
  name=$in/broken$(printf '%02d' "$i").$ext
  if ((i % 2)); then
    : >"$name"
  else
    head -c 20000 < <(yes 'this is no sound file') >"$name"
  fi
done
echo "input: $good files of $(soxi -d "$work/seed.wav") in ${formats[*]}, $broken broken"

"$cli" convert --to mp3 --out "$work/out" --set BrowseOutputFolder=0 "$in" \
  >"$work/stdout" 2>"$work/stderr" &
pid=$!
start=$(date +%s.%N)
: >"$work/samples"
while [[ -r /proc/$pid/status ]]; do
  rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null || true)
  fds=$(ls "/proc/$pid/fd" 2>/dev/null | wc -l || true)
  outputs=$(ls "$work/out" | wc -l)
  [[ -n $rss ]] && echo "$(date +%s.%N) $rss $fds $outputs" >>"$work/samples"
  sleep 0.1
done
wait "$pid" && code=0 || code=$?
seconds=$(python3 -c "import time; print(f'{time.time() - $start:.1f}')")

outputs=$(ls "$work/out" | grep -c '\.mp3$' || true)
hidden=$(ls -A "$work/out" | grep -c '^\.' || true)
# A broken file fails when it is listed (stderr "path: reason") or when it
# is converted (stdout "path<TAB>status" with a status that is no output,
# and its reason on stderr): each failed path counts once.
failures=$({
  sed -n "s|^\($in/[^:]*\): .*|\1|p" "$work/stderr"
  awk -F'\t' '$2 !~ /\.mp3$/ {print $1}' "$work/stdout"
} | sort -u | wc -l)
echo "exit code $code after $seconds s; $outputs outputs, $hidden hidden files left"
python3 - "$work/samples" <<'PY'
import sys
rows = [tuple(float(x) for x in line.split()) for line in open(sys.argv[1]) if line.strip()]
near100 = next((r for r in rows if r[3] >= 100), rows[0])
last = rows[-1]
def show(label, r):
    print(f"{label:<16} RSS {r[1] / 1024:7.1f} MB  fds {int(r[2]):3d}  outputs {int(r[3])}")
show("near output 100", near100)
show("last sample", last)
print(f"{'peak':<16} RSS {max(r[1] for r in rows) / 1024:7.1f} MB  fds {int(max(r[2] for r in rows)):3d}"
      f"  ({len(rows)} samples)")
PY
echo "failures: $failures (broken files: $broken)"
sed -n "s|^$in/[^:]*: ||p" "$work/stderr" | sort | uniq -c | sed 's/^/  /'
