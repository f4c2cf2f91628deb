#!/usr/bin/env bash
# The window's batch against the command line's: 8 WAVs of 75 s converted to
# MP3 through the real main window (offscreen) with 1 and with 2 files at a
# time, and with `sondrel-cli convert --jobs 2`; prints the mean wall times,
# the window's speed-up (target: 1.8 or more on two cores), its ratio to the
# command line (target: 1.1 or below) and the longest gap between the
# window's event-loop turns during each batch (target: below 50 ms).
#
#   bench/convert_window.sh [runs]      # runs per command, default 3
cd "$(dirname "$0")/.."
source bench/common.sh
runs=${1:-3}
require_tools sox hyperfine python3
build_release -DSONDREL_BENCH=ON
make_workdir
window=$PWD/build/release/sondrel-bench-convert-window

mkdir -p "$work/wavs"
for i in 1 2 3 4 5 6 7 8; do
  sox -n -r 44100 -c 2 -b 16 "$work/wavs/long$i.wav" synth 75 pinknoise synth 75 sine mix $((200 + 50 * i)) gain -6
done
run_window() {  # JOBS
  echo "'$window' '$work/wavs' '$work/out-window' $1 '$work/window$1.conf'"
}
hyperfine --style none --warmup 1 --runs "$runs" --export-json "$work/window.json" \
  -n window1 "$(run_window 1)" -n window2 "$(run_window 2)" \
  -n cli2 "'$cli' convert --jobs 2 --to mp3 --out '$work/out-cli' --overwrite '$work/wavs'" >/dev/null
gap() { eval "$(run_window "$1")" 2>/dev/null | sed -n 's/.*turns \([0-9.]*\) ms/\1/p'; }
gap1=$(gap 1)
gap2=$(gap 2)
python3 - "$work/window.json" "$gap1" "$gap2" <<'PY'
import json, sys
t = {r["command"]: r["mean"] for r in json.load(open(sys.argv[1]))["results"]}
print(f"window, 8 WAVs of 75 s to MP3: 1 at a time {t['window1']:.2f} s, 2 at a time"
      f" {t['window2']:.2f} s (speed-up {t['window1'] / t['window2']:.2f}); sondrel-cli --jobs 2"
      f" {t['cli2']:.2f} s (window {t['window2'] / t['cli2']:.2f}x); longest event-loop gap"
      f" {sys.argv[2]} ms and {sys.argv[3]} ms")
PY
