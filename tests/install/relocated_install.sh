#!/usr/bin/env bash
# Installs the build tree into a staging folder (DESTDIR, prefix /usr), then
#   programs  moves the installed tree to another folder and runs the
#             commands through their links there: the version, a WAV and a
#             MIDI song converted (the SoundFont link and the add-ons are
#             found next to the relocated program), checked with ffprobe
#             and sox;
#   desktop   checks the desktop entry, the AppStream metadata, the icons
#             and the manual page of the staged tree with their validators
#             (each check is skipped, with the reason, when its tool is
#             missing), the translations of the entry and the metadata,
#             and the translated guides, whose anchors and links are the
#             English guide's.
# Usage: relocated_install.sh programs|desktop BUILD_DIR VERSION
set -euo pipefail

mode=$1 build=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
stage="$work/stage/usr"

# The seconds of audio in FILE, by ffprobe.
duration() {
  ffprobe -v error -show_entries format=duration -of default=nw=1:nk=1 "$1"
}

# True when the decimal $1 lies between $2 and $3.
between() {
  awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v >= lo && v <= hi) }'
}

check_programs() {
  local tree="$work/elsewhere/sondrel"
  mkdir -p "$work/elsewhere"
  mv "$stage" "$tree"
  rmdir "$work/stage"

  local cli="$tree/bin/sondrel-cli"
  for program in sondrel sondrel-cli; do
    [[ -L "$tree/bin/$program" ]] || fail "bin/$program is not a symbolic link"
    [[ $(readlink "$tree/bin/$program") != /* ]] || fail "bin/$program links to an absolute path"
  done

  # Exactly the engine's add-ons of the build tree, none of the tests' own.
  diff <(cd "$build/addons" && ls -- *.so) <(cd "$tree/lib/sondrel/addons" && ls) ||
    fail "the installed add-ons differ from the build tree's"
  # Every translation of the window, where start-up looks for it.
  diff <(cd "$build/translations" && ls -- *.qm) <(cd "$tree/lib/sondrel/translations" && ls) ||
    fail "the installed translations differ from the build tree's"

  [[ $("$cli" --version) == "sondrel-cli $version" ]] || fail "sondrel-cli --version"
  local message
  message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$tree/bin/sondrel" 2>&1 || true)
  [[ $message == *"Use the command line instead"* ]] || fail "bin/sondrel did not start: $message"

  export XDG_CONFIG_HOME="$work/config"
  local in="$work/in" out="$work/out"
  mkdir -p "$in" "$out"
  ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=1.5" -ac 2 "$in/tone.wav"
  # A MIDI song of one track: middle C held for 1 s (96 ticks per beat at
  # the default 120 beats a minute, the note off 192 ticks later).
  printf 'MThd\0\0\0\6\0\0\0\1\0\140MTrk\0\0\0\15\0\220\74\144\201\100\200\74\100\0\377\57\0' \
    >"$in/song.mid"

  "$cli" convert --to mp3 --out "$out" "$in/tone.wav" >/dev/null || fail "converting the WAV"
  [[ $(ffprobe -v error -select_streams a:0 -show_entries stream=codec_name \
       -of default=nw=1:nk=1 "$out/tone.mp3") == mp3 ]] || fail "tone.mp3 is not MPEG audio"
  between "$(duration "$out/tone.mp3")" 1.4 1.7 || fail "tone.mp3 lasts $(duration "$out/tone.mp3") s"

  local font="$tree/lib/sondrel/ct4mgm.sf2"
  [[ -L $font ]] || fail "no ct4mgm.sf2 link in the program folder"
  if [[ -e $font ]]; then
    "$cli" convert --to wav --out "$out" "$in/song.mid" >/dev/null || fail "converting the MIDI song"
    between "$(duration "$out/song.wav")" 0.9 4 || fail "song.wav lasts $(duration "$out/song.wav") s"
    local peak
    peak=$(sox "$out/song.wav" -n stat 2>&1 | awk '/^Maximum amplitude/ { print $3 }')
    between "$peak" 0.01 1 || fail "song.wav is silent (peak $peak)"
  else
    echo "SKIP the MIDI song: the SoundFont $(readlink "$font") is missing (timgm6mb-soundfont)"
  fi

  # The add-ons make a difference the program shows: the engine probes an
  # M4A file itself instead of leaving it to the container reader, and the
  # bit rate it lists differs. The relocated tree must list it as the build
  # tree does, and as it no longer does once its add-ons are gone.
  ffmpeg -v error -i "$in/tone.wav" -c:a aac "$in/tone.m4a"
  local built relocated bare
  built=$("$build/sondrel-cli" info "$in/tone.m4a")
  relocated=$("$cli" info "$in/tone.m4a")
  mv "$tree/lib/sondrel/addons" "$tree/lib/sondrel/addons.off"
  bare=$("$cli" info "$in/tone.m4a")
  [[ $relocated == "$built" ]] || fail "the relocated program lists '$relocated', the built one '$built'"
  [[ $relocated != "$bare" ]] || fail "the add-ons change nothing the program lists: '$bare'"
}

check_desktop() {
  [[ -f "$stage/share/applications/sondrel.desktop" ]] || fail "no desktop entry"
  [[ -f "$stage/share/metainfo/com.vantrel.Sondrel.metainfo.xml" ]] || fail "no AppStream metadata"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$stage/share/applications/sondrel.desktop" || fail "desktop entry"
  else
    echo "SKIP the desktop entry's validation: desktop-file-validate is missing (desktop-file-utils)"
  fi
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$work/stage" || fail "AppStream metadata"
  else
    echo "SKIP the AppStream validation: appstreamcli is missing (appstream)"
  fi

  for language in de fr es it pt_BR pl ja zh_CN; do
    for key in Name GenericName Comment Keywords; do
      grep -q "^$key\[$language\]=." "$stage/share/applications/sondrel.desktop" || fail "no $key[$language]"
    done
    grep -q "<summary xml:lang=\"$language\">" "$stage/share/metainfo/com.vantrel.Sondrel.metainfo.xml" ||
      fail "no $language summary in the AppStream metadata"
  done
  anchors() { grep -o 'name="[^"]*"\|href="[^"]*"' "$stage/lib/sondrel/sondrel-help$1.html"; }
  for language in de fr; do
    diff <(anchors "") <(anchors ".$language") || fail "the $language guide's anchors differ from the English"
  done

  [[ -f "$stage/share/icons/hicolor/scalable/apps/sondrel.svg" ]] || fail "no scalable icon"
  [[ -f "$stage/share/bash-completion/completions/sondrel-cli" ]] || fail "no bash completion"
  for size in 48 128 256; do
    local png="$stage/share/icons/hicolor/${size}x${size}/apps/sondrel.png"
    [[ $(ffprobe -v error -show_entries stream=width,height -of csv=p=0 "$png") == "$size,$size" ]] ||
      fail "$png is not $size by $size pixels"
  done

  local page="$stage/share/man/man1/sondrel-cli.1.gz"
  [[ -f $page ]] || fail "no manual page"
  if command -v groff >/dev/null; then
    local warnings
    warnings=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1)
    [[ -z $warnings ]] || fail "the manual page: $warnings"
    zcat "$page" | groff -man -Tutf8 2>/dev/null | grep -q "Sondrel $version" ||
      fail "the manual page does not carry the version $version"
  else
    echo "SKIP the manual page's check: groff is missing"
  fi
}

case "$mode" in
  programs) check_programs ;;
  desktop) check_desktop ;;
  *) fail "unknown mode $mode" ;;
esac
