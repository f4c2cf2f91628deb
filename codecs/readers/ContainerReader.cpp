#include "codecs/readers/ContainerReader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "codecs/readers/AmrFrameCount.h"
#include "codecs/readers/FrameSamples.h"
#include "platform/engine/FfmpegStream.h"
#include "platform/files/FileHandle.h"
#include "platform/files/SourceFileOpen.h"
#include "source/SourceKind.h"
#include "source/TagReading.h"

namespace {

// The first non-empty value under one of `keys` (compared without regard to
// case), looked up in `first` and then in `second`; "" when none.
std::string Lookup(const AVDictionary* first, const AVDictionary* second,
                   std::initializer_list<const char*> keys) {
  for (const AVDictionary* dict : {first, second}) {
    if (dict == nullptr) continue;
    for (const char* key : keys) {
      const AVDictionaryEntry* entry = av_dict_get(dict, key, nullptr, 0);
      if (entry != nullptr && entry->value != nullptr && entry->value[0] != '\0') {
        return entry->value;
      }
    }
  }
  return std::string();
}

// True when `text` begins (after blanks) with a number above 0, as in "7",
// "7/12" or "2004-05-01".
bool StartsPositive(const std::string& text) {
  size_t i = text.find_first_not_of(" \t");
  if (i == std::string::npos) return false;
  bool positive = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (text[i] != '0') positive = true;
  }
  return positive;
}

}  // namespace

namespace {

// True when `path` begins as a RIFF WAVE file.
bool StartsAsRiffWave(const std::string& path) {
  char head[12];
  FilePtr file(OpenRegularFile(path));
  return file && std::fread(head, 1, sizeof head, file.get()) == sizeof head &&
         std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0;
}

// Opens the container of `url` as a local file. Only local files: the
// "file:" prefix keeps a name with a colon from being read as a protocol,
// and the whitelist keeps playlists and other referencing formats from
// reaching anything but local files. With `shortStreamProbe` the demuxer's
// content probe of a stream's first packets stops after one packet.
FormatContextPtr OpenDemuxer(const std::string& url, bool shortStreamProbe) {
  Dictionary options;
  if (!options.Set("protocol_whitelist", "file")) return nullptr;
  if (shortStreamProbe && !options.Set("max_probe_packets", "1")) return nullptr;
  AVFormatContext* raw = nullptr;
  // On failure the library frees the context it allocated.
  if (avformat_open_input(&raw, url.c_str(), nullptr, options.Address()) < 0) return nullptr;
  return FormatContextPtr(raw);
}

}  // namespace

bool ContainerReader::OpenContainer(const std::string& path) {
  CloseContainer();
  const std::string url = "file:" + path;
  struct stat info;
  // The library opens the file itself, and would wait on a named pipe.
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  allowance_.Grant(info.st_size);
  // A WAV file is first opened with the stream probe cut short, and opened
  // again in full when the whole probe might have found more.
  if (StartsAsRiffWave(path)) {
    format_ = OpenDemuxer(url, true);
    if (format_ && (std::strcmp(format_->iformat->name, "wav") != 0 ||
                    engine::StreamProbeMightRecode(format_.get(), path))) {
      format_.reset();
    }
  }
  if (!format_) format_ = OpenDemuxer(url, false);
  if (!format_) {
    allowance_.Release();
    return false;
  }
  // The library shows text files (".txt", ".nfo" and the like) as video of
  // rendered text; they hold no media.
  if (std::strcmp(format_->iformat->name, "tty") == 0 ||
      avformat_find_stream_info(format_.get(), nullptr) < 0) {
    CloseContainer();
    return false;
  }
  const AVStream* audio = FirstStream(AVMEDIA_TYPE_AUDIO);
  audioStream_ = audio ? audio->index : -1;
  // The library estimates an AMR file's length from one bit rate, which
  // frames of other modes and silence frames throw off by seconds; the
  // frames themselves tell it exactly.
  const AVCodecID codec = audio ? audio->codecpar->codec_id : AV_CODEC_ID_NONE;
  if (codec == AV_CODEC_ID_AMR_NB || codec == AV_CODEC_ID_AMR_WB)
    amrFrames_ = CountAmrStorageFrames(path);
  return true;
}

void ContainerReader::CloseContainer() {
  format_.reset();
  allowance_.Release();
  audioStream_ = -1;
  amrFrames_ = -1;
}

AVStream* ContainerReader::FirstStream(AVMediaType type) const {
  if (!format_) return nullptr;
  for (unsigned i = 0; i < format_->nb_streams; ++i) {
    AVStream* stream = format_->streams[i];
    if (stream->codecpar == nullptr || stream->codecpar->codec_type != type) continue;
    if (type == AVMEDIA_TYPE_VIDEO && (stream->disposition & AV_DISPOSITION_ATTACHED_PIC)) continue;
    return stream;
  }
  return nullptr;
}

void ContainerReader::SetAudioFields(int channelCount, int rate, int64_t streamBitRate,
                                     int sampleFormat) {
  channels_ = channelCount > 0 ? static_cast<uint32_t>(channelCount) : 0;
  outputChannels_ = channels_ < 2 ? 1 : 2;
  mp3ChannelMode_ = channels_ < 2 ? CHANNEL_MODE_MONO : CHANNEL_MODE_STEREO;
  sampleRate_ = rate > 0 ? static_cast<uint32_t>(rate) : 0;
  int64_t bitRate = streamBitRate > 0 ? streamBitRate : format_->bit_rate;
  bitRate_ = bitRate > 0 ? static_cast<uint32_t>(std::min<int64_t>(bitRate / 1000, UINT32_MAX)) : 0;
  bitsPerSample_ = frame_samples::IsUnsigned8(sampleFormat) ? 8 : 16;
  bytesPerSample_ = bitsPerSample_ / 8;
  const int64_t duration = format_->duration;
  if (amrFrames_ >= 0)
    SetDuration(static_cast<double>(amrFrames_) / kAmrFramesPerSecond);
  else if (duration != AV_NOPTS_VALUE && duration > 0)
    SetDuration(static_cast<double>(duration) / AV_TIME_BASE);
  const AVCodecParameters* audio =
      audioStream_ >= 0 ? format_->streams[audioStream_]->codecpar : nullptr;
  contentKind_ =
      SourceKindFromFormat(format_->iformat->name, audio ? avcodec_get_name(audio->codec_id) : "");
}

bool ContainerReader::ReadTags(TagInfo& tags) {
  if (!format_) return false;
  const AVDictionary* container = format_->metadata;
  const AVDictionary* stream =
      audioStream_ >= 0 ? format_->streams[audioStream_]->metadata : nullptr;
  bool found = false;
  const auto take = [&](std::string& field, std::initializer_list<const char*> keys, bool numeric) {
    const std::string value = Lookup(container, stream, keys);
    if (value.empty() || !IsValidUtf8(value) || (numeric && !StartsPositive(value))) return;
    field = value;
    found = true;
  };
  take(tags.title, {"title"}, false);
  take(tags.artist, {"artist", "author"}, false);
  take(tags.album, {"album"}, false);
  take(tags.year, {"date", "year"}, true);
  take(tags.genre, {"genre"}, false);
  take(tags.comment, {"comment", "description"}, false);
  take(tags.track, {"track", "tracknumber"}, true);
  take(tags.composer, {"composer"}, false);
  take(tags.copyright, {"copyright"}, false);
  take(tags.albumArtist, {"album_artist"}, false);
  take(tags.disc, {"disc"}, true);
  return found;
}
