#!/usr/bin/env bash
# Adding files through the desktop program's window: 1,000 two-second
# stereo WAVs dropped on the main window (offscreen), each probed and
# listed, with the add window counting them. Prints the seconds, files per
# second, the add window's paint events and the longest time between two
# turns of the event loop while adding (target: under 2 s, and the window
# repainted throughout).
#
# How to run, from the checkout:
#   bench/add_files_window.sh [runs]    # runs, each in a fresh window, default 3
cd "$(dirname "$0")/.."
source bench/common.sh
runs=${1:-3}
require_tools sox
build_release -DSONDREL_BENCH=ON
make_workdir

mkdir -p "$work/wavs"
sox -n -r 44100 -c 2 -b 16 "$work/tone.wav" synth 2 sine 440 gain -6
for i in $(seq -w 1 1000); do cp "$work/tone.wav" "$work/wavs/$i.wav"; done
echo "input: 1000 files of $(soxi -d "$work/tone.wav") stereo 44.1 kHz 16-bit PCM"

for run in $(seq 1 "$runs"); do
  rm -f "$work/Sondrel.conf"
  QT_QPA_PLATFORM=offscreen build/release/sondrel-bench-add-files-window \
    "$work/wavs" "$work/Sondrel.conf"
done
