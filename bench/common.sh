# Shared by the benchmark scripts: checks the tools, builds the release
# sondrel-cli, and gives each run a private settings folder.
set -euo pipefail

require_tools() {
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "missing: $tool (run scripts/install-deps.sh --bench)" >&2
      exit 2
    fi
  done
}

# Arguments go to CMake, as -DSONDREL_BENCH=ON for the benchmark programs.
build_release() {
  bash scripts/build.sh release "$@" >/dev/null
  cli=$PWD/build/release/sondrel-cli
}

make_workdir() {
  work=$(mktemp -d "${TMPDIR:-/tmp}/sondrel-bench-XXXXXX")
  trap 'rm -rf "$work"' EXIT
  # Options for the benchmark only: the user's own settings stay untouched.
  export XDG_CONFIG_HOME=$work/config
}

# Prints "name mean-wall ratio mean-user ratio" rows from a hyperfine JSON
# export, each ratio against the first command.
print_ratios() {
  python3 - "$1" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
base = results[0]
print(f"{'command':<12} {'wall s':>8} {'stddev':>8} {'ratio':>7} {'user s':>8} {'ratio':>7}")
for r in results:
    print(f"{r['command']:<12} {r['mean']:8.3f} {r['stddev'] or 0:8.3f} {r['mean'] / base['mean']:7.3f}"
          f" {r['user']:8.3f} {r['user'] / base['user']:7.3f}")
PY
}

# Prints, for each KIND, the wall and user time of the command "sondrel-KIND"
# over the command "REF-KIND" of a hyperfine JSON export:
#   print_pair_ratios FILE REF KIND...
print_pair_ratios() {
  python3 - "$@" <<'PY'
import json, sys
path, ref, kinds = sys.argv[1], sys.argv[2], sys.argv[3:]
times = {r["command"]: r for r in json.load(open(path))["results"]}
for kind in kinds:
    ours, theirs = times["sondrel-" + kind], times[ref + "-" + kind]
    print(f"{kind}: sondrel/{ref} wall {ours['mean'] / theirs['mean']:.3f}, "
          f"user {ours['user'] / theirs['user']:.3f}")
PY
}

# Writes the ten-minute source every encoding benchmark uses to $work/in.wav
# (BENCH_MINUTES sets another length, for a quick try of a script):
# pink noise with a tone on top, so the encoder works on every band.
make_source_wav() {
  local seconds=$((${BENCH_MINUTES:-10} * 60))
  sox -n -r 44100 -c 2 -b 16 "$work/in.wav" synth $seconds pinknoise synth $seconds sine mix 440 gain -6
  echo "input: $(soxi -d "$work/in.wav") of stereo 44.1 kHz 16-bit PCM"
}

# Writes a MIDI song to PATH: a scale over and over on two channels, BARS
# bars of two seconds (eight eighth notes at 120 beats a minute), the first
# channel on General MIDI program PROGRAM.
#   make_midi_song PATH BARS [PROGRAM]
make_midi_song() {
  python3 - "$1" "$2" "${3:-0}" <<'PY'
import struct, sys
def var(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, (n & 0x7F) | 0x80)
        n >>= 7
    return bytes(out)
program = int(sys.argv[3]) & 0x7F
events = bytearray(b"\x00\xff\x51\x03\x07\xa1\x20\x00\xc0" + bytes([program]) + b"\x00\xc1\x30")
for bar in range(int(sys.argv[2])):
    for key in (60, 62, 64, 65, 67, 69, 71, 72):
        events += var(0) + bytes([0x90, key, 90]) + var(0) + bytes([0x91, key - 12, 70])
        events += var(240) + bytes([0x80, key, 0]) + var(0) + bytes([0x81, key - 12, 0])
events += b"\x00\xff\x2f\x00"
data = b"MThd" + struct.pack(">IHHH", 6, 0, 1, 480) + b"MTrk" + struct.pack(">I", len(events)) + events
open(sys.argv[1], "wb").write(data)
PY
}
