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

# Writes the ten-minute source every encoding benchmark uses to $work/in.wav:
# pink noise with a tone on top, so the encoder works on every band.
make_source_wav() {
  sox -n -r 44100 -c 2 -b 16 "$work/in.wav" synth 600 pinknoise synth 600 sine mix 440 gain -6
  echo "input: $(soxi -d "$work/in.wav") of stereo 44.1 kHz 16-bit PCM"
}
