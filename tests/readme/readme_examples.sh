#!/usr/bin/env bash
# Runs the command-line examples of the README as they are written and
# compares what they print with what the README shows, so the two cannot
# drift apart.
#   readme_examples.sh README.md PROGRAM_FOLDER
# Every ```console block of the "## Command line" section is a session:
# lines starting with "$ " are commands (run in order, in one shell, so a
# later block sees what an earlier one made), the lines after each command
# are its output (stdout and stderr). Lines are compared as a set per
# command, because a terminal interleaves the two streams differently from
# a pipe. The session's home is a fresh folder holding ~/Music as the README
# describes it; it is shown as /home/you.
set -euo pipefail

readme=$1
program_folder=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The folder the examples start from, the same bytes on every run (sox
# without dither).
home=$work/home/you
mkdir -p "$home/Music/Live" "$home/Music/Studio"
sox -D -n -r 44100 -c 2 -b 16 "$home/Music/Live/intro.wav" synth 3 sine 440
sox -D -n -r 44100 -c 2 -b 16 "$home/Music/Studio/intro.flac" synth 4 sine 660
printf 'MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xe0MTrk\x00\x00\x00\x0d\x00\x90\x3c\x64\x83\x60\x80\x3c\x00\x00\xff\x2f\x00' \
  > "$home/Music/Studio/theme.mid"
echo "setlist" > "$home/Music/Studio/notes.txt"

# Commands and expected outputs, split at "@@ N" markers.
awk -v cmds="$work/commands.sh" -v list="$work/list" -v expected="$work/expected" '
  /^## / { section = ($0 == "## Command line") }
  section && /^```console$/ { block = 1; next }
  block && /^```$/ { block = 0; next }
  block && /^\$ / {
    n++
    # Each command starts with the status of the one before it, so that
    # "echo $?" shows that command'"'"'s exit code.
    printf "__status=$?; printf \"@@ %d\\n\"; (exit $__status); %s 2>&1\n", n, substr($0, 3) > cmds
    printf "@@ %d\n", n > expected
    print substr($0, 3) > list
    next
  }
  block { print > expected }
' "$readme"
[ -s "$work/commands.sh" ] || { echo "no console examples found in $readme" >&2; exit 1; }

(
  cd "$home"
  export HOME=$home PATH="$program_folder:$PATH" LC_ALL=C.UTF-8
  unset XDG_CONFIG_HOME
  bash "$work/commands.sh"
) > "$work/actual" 2>&1 || true
sed -i "s#$work##g" "$work/actual"

# One file per command, its lines sorted.
split_sorted() {
  awk -v dir="$2" '/^@@ [0-9]+$/ { file = dir "/" $2; printf "" > file; next } { print > file }' "$1"
  for f in "$2"/*; do LC_ALL=C sort -o "$f" "$f"; done
}
mkdir -p "$work/want" "$work/got"
split_sorted "$work/expected" "$work/want"
split_sorted "$work/actual" "$work/got"

status=0
n=0
while IFS= read -r command; do
  n=$((n + 1))
  if ! diff -u "$work/want/$n" "$work/got/$n" > "$work/diff" 2>&1; then
    echo "README example differs: \$ $command" >&2
    cat "$work/diff" >&2
    status=1
  fi
done < "$work/list"
[ $status = 0 ] && echo "$n README examples print what the README shows"
exit $status
