# The comparisons of the format benchmarks, shared by bench/run_all.sh and
# the per-format scripts: for each kind, Sondrel's command and a reference
# tool's command doing the same work (same bit rate, sample rate and
# channels) on the same input. Needs $cli and $work (bench/common.sh).
#   pair KIND INPUT   sets ref_name, ref_cmd, our_cmd, ref_out and our_out
# Kinds: mp3 mp3vbr mp3verify ogg aac m4a wma amr awb wav48k midi flac opus (midi takes a .mid
# INPUT and the SoundFont in $font). mp3verify holds sondrel-cli's own MP3 conversion as the
# reference, against the same with --verify (target: 1.15 or below).

# sondrel-cli converting INPUT to FORMAT into $work/sondrel, overwriting,
# with the options given.
sondrel_command() {
  local format=$1 input=$2
  echo "'$cli' convert --to $format --out '$work/sondrel' --overwrite \
    --set BrowseOutputFolder=off ${*:3} '$input'"
}

# Builds, once, a small C loop over the AMR encoders Sondrel uses, for
# machines whose ffmpeg has no AMR encoder: raw mono PCM in, the storage
# format out (the magic, then one frame per 160 or 320 samples, the last
# padded with silence).
amr_reference_loop() {
  [ -x "$work/amrref" ] && return
  cat > "$work/amrref.c" <<'C'
#include <opencore-amrnb/interf_enc.h>
#include <vo-amrwbenc/enc_if.h>
#include <stdio.h>
#include <string.h>
int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const int wide = strcmp(argv[1], "wb") == 0;
  FILE* in = fopen(argv[2], "rb");
  FILE* out = fopen(argv[3], "wb");
  if (!in || !out) return 1;
  const int frame = wide ? 320 : 160;
  void* state = wide ? E_IF_init() : Encoder_Interface_init(0);
  fputs(wide ? "#!AMR-WB\n" : "#!AMR\n", out);
  short samples[320];
  unsigned char bytes[128];
  size_t got;
  while ((got = fread(samples, 2, frame, in)) > 0) {
    memset(samples + got, 0, (frame - got) * 2);
    const int n = wide ? E_IF_encode(state, 8, samples, bytes, 0)
                       : Encoder_Interface_Encode(state, MR122, samples, bytes, 0);
    if (n <= 0 || fwrite(bytes, 1, n, out) != (size_t)n) return 1;
  }
  if (wide) E_IF_exit(state); else Encoder_Interface_exit(state);
  return fclose(out) == 0 ? 0 : 1;
}
C
  cc -O2 -o "$work/amrref" "$work/amrref.c" $(pkg-config --cflags --libs opencore-amrnb vo-amrwbenc)
}

ffmpeg_has_encoder() {
  ffmpeg -hide_banner -encoders 2>/dev/null | grep -q " $1 "
}

pair() {
  # Two statements: the words of one `local` are expanded before any is set.
  local kind=$1 input=$2
  local ff="ffmpeg -nostdin -v error -y -i '$input'"
  local stem
  stem=$(basename "${input%.*}")
  case "$kind" in
    mp3)
      ref_name=lame ref_out=$work/ref.mp3
      ref_cmd="lame --quiet -b 128 '$input' '$ref_out'"
      our_cmd=$(sondrel_command mp3 "$input" --set AutoDestMP3EncodingParam=off \
        --set MP3BitRate=128 --set MP3SampleRate=44100 --set MP3ChannelMode=joint \
        --set MP3ID3TagType=none) ;;
    mp3verify)
      ref_name=sondrel ref_out=$work/sondrel/$stem.mp3
      ref_cmd=$(sondrel_command mp3 "$input" --set AutoDestMP3EncodingParam=off \
        --set MP3BitRate=128 --set MP3ChannelMode=joint --set MP3ID3TagType=none)
      our_cmd="$ref_cmd --verify" ;;
    mp3vbr)
      ref_name=lame ref_out=$work/ref.mp3
      ref_cmd="lame --quiet -V 2 '$input' '$ref_out'"
      our_cmd=$(sondrel_command mp3 "$input" --quality 2 --set MP3SampleRate=44100 \
        --set MP3ChannelMode=joint --set MP3ID3TagType=none) ;;
    ogg)
      ref_name=oggenc ref_out=$work/ref.ogg
      ref_cmd="oggenc --quiet -b 128 -o '$ref_out' '$input'"
      our_cmd=$(sondrel_command ogg "$input" --set AutoDestOGGEncodingParam=off \
        --set OGGBitRate=128 --set OGGSampleRate=44100 --set OGGChannels=stereo \
        --set OGGID3TagType=none) ;;
    aac|m4a)
      local option=${kind^^}
      ref_name=ffmpeg ref_out=$work/ref.$kind
      ref_cmd="$ff -c:a aac -b:a 128k '$ref_out'"
      our_cmd=$(sondrel_command "$kind" "$input" --set AutoDest${option}EncodingParam=off \
        --set ${option}VBR=off --set ${option}ABRBitRate=128 --set M4AID3TagType=none) ;;
    wma)
      ref_name=ffmpeg ref_out=$work/ref.wma
      ref_cmd="$ff -c:a wmav2 -b:a 128k '$ref_out'"
      our_cmd=$(sondrel_command wma "$input" --set AutoDestWMAEncodingParam=off \
        --set WMASampleRate=44100 --set WMAChannels=stereo --set WMABitRate=128000 \
        --set WMAID3TagType=none) ;;
    amr|awb)
      local rate=8000 band=nb encoder=libopencore_amrnb bits=12.2k
      if [ "$kind" = awb ]; then rate=16000 band=wb encoder=libvo_amrwbenc bits=23.85k; fi
      ref_out=$work/ref.$kind
      if ffmpeg_has_encoder "$encoder"; then
        ref_name=ffmpeg
        ref_cmd="$ff -ac 1 -ar $rate -c:a $encoder -b:a $bits '$ref_out'"
      else
        # sox mixes to mono at the band's rate, then the loop encodes: the
        # same work Sondrel does, both timed.
        amr_reference_loop
        ref_name="sox+loop"
        ref_cmd="sox '$input' -r $rate -c 1 -b 16 -e signed '$work/in$rate.raw' &&
          '$work/amrref' $band '$work/in$rate.raw' '$ref_out'"
      fi
      our_cmd=$(sondrel_command "$kind" "$input" --set AMRType=nb --set AMRMode=12.2 \
        --set AWBMode=23.85 --set AMRDTX=off --set AWBDTX=off) ;;
    wav48k)
      ref_name=sox ref_out=$work/ref.wav
      ref_cmd="sox '$input' -r 48000 '$ref_out' rate -h"
      our_cmd=$(sondrel_command wav "$input" --set AutoDestWAVEncodingParam=off \
        --set WAVBitsPerSample=16 --set WAVChannelNum=stereo --set WAVSampleRate=48000) ;;
    midi)
      ref_name=fluidsynth ref_out=$work/ref.wav
      ref_cmd="fluidsynth -q -n -i -r 44100 -R 0 -C 0 -F '$ref_out' '$font' '$input'"
      our_cmd=$(sondrel_command wav "$input" --set AutoDestWAVEncodingParam=off \
        --set WAVBitsPerSample=16 --set WAVChannelNum=stereo --set WAVSampleRate=44100) ;;
    flac)
      ref_name=flac ref_out=$work/ref.flac
      ref_cmd="flac --silent --force -5 -o '$ref_out' '$input'"
      our_cmd=$(sondrel_command flac "$input" --set AutoDestFLACEncodingParam=on \
        --set FLACCompressionLevel=5 --set FLACTagType=none) ;;
    opus)
      ref_name=opusenc ref_out=$work/ref.opus
      ref_cmd="opusenc --quiet --bitrate 128 '$input' '$ref_out'"
      our_cmd=$(sondrel_command opus "$input" --set AutoDestOpusEncodingParam=off \
        --set OpusBitRate=128 --set OpusChannels=stereo --set OpusBitRateMode=vbr \
        --set OpusComplexity=10 --set OpusTagType=none) ;;
    *) echo "unknown kind $kind" >&2; return 2 ;;
  esac
  local extension=$kind
  case "$kind" in wav48k|midi) extension=wav ;; mp3vbr|mp3verify) extension=mp3 ;; esac
  our_out=$work/sondrel/$stem.$extension
}
