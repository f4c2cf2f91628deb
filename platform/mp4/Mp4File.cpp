#include "platform/mp4/Mp4File.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/ffmpeg/OutputAvio.h"
#include "platform/ffmpeg/FfmpegOwners.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/mem.h>
}

// The muxers write the sample tables, the movie header and the iTunes items
// (title, artist, album, track, date, genre, comment and composer become
// ©nam, ©ART, ©alb, trkn, ©day, ©gen, ©cmt, ©wrt) when the file completes.
// The first sample's rendering offset becomes a negative start time: the
// muxers then write an edit list that skips the priming, and the last
// sample's duration ends the track where the input ended.

struct Mp4File {
  ~Mp4File() {
    if (context && context->pb) avio_closep(&context->pb);
  }

  OutputContextPtr context;
  PacketPtr packet;
  std::string brand;  // empty: the muxer's own
  uint32_t timeScale = 0;
  int profileLevel = -1;
  AVStream* stream = nullptr;
  uint32_t sampleRate = 0;
  bool configured = false;  // the track has its AudioSpecificConfig
  bool started = false;     // the header is written
  bool failed = false;
  int64_t elapsed = 0;  // track units stored so far
  int64_t priming = 0;  // the first sample's rendering offset
};

namespace {

std::string LowerExtension(const std::string& path) {
  const size_t slash = path.rfind('/');
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string extension = path.substr(dot + 1);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

// Reads big-endian bit fields of an AudioSpecificConfig.
class BitReader {
 public:
  BitReader(const uint8_t* bytes, uint32_t size) : bytes_(bytes), bits_(uint64_t{size} * 8) {}
  // False once a read passed the end.
  bool ok() const { return at_ <= bits_; }
  uint32_t Read(int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i, ++at_) {
      const uint32_t bit = at_ < bits_ ? (bytes_[at_ / 8] >> (7 - at_ % 8)) & 1 : 0;
      value = (value << 1) | bit;
    }
    return value;
  }

 private:
  const uint8_t* bytes_;
  uint64_t bits_;
  uint64_t at_ = 0;
};

// The channel count and samples per frame an AudioSpecificConfig announces;
// false for one without a channel configuration (a program config element)
// or cut short.
bool ReadAudioSpecificConfig(const uint8_t* config, uint32_t size, int& channels,
                             int& frameLength) {
  BitReader bits(config, size);
  uint32_t objectType = bits.Read(5);
  if (objectType == 31) objectType = 32 + bits.Read(6);
  if (bits.Read(4) == 15) bits.Read(24);  // an explicit rate
  const uint32_t channelConfig = bits.Read(4);
  // The general audio types (Main, LC, SSR, LTP) say 960 or 1024 next.
  const bool frameLengthFlag = objectType >= 1 && objectType <= 4 && bits.Read(1) == 1;
  if (!bits.ok() || channelConfig == 0 || channelConfig > 7) return false;
  channels = channelConfig == 7 ? 8 : static_cast<int>(channelConfig);
  frameLength = frameLengthFlag ? 960 : 1024;
  return true;
}

bool SetText(Mp4File* file, const char* key, const std::string& text) {
  if (!file || !file->context) return false;
  return av_dict_set(&file->context->metadata, key, text.empty() ? nullptr : text.c_str(), 0) >= 0;
}

// Writes the file header with the options gathered so far.
bool StartFile(Mp4File& file) {
  Dictionary options;
  if (file.timeScale > 0 && !options.Set("movie_timescale", std::to_string(file.timeScale).c_str()))
    return false;
  if (!file.brand.empty() && !options.Set("brand", file.brand.c_str())) return false;
  if (file.profileLevel >= 0 &&
      (!options.Set("iods_audio_profile", std::to_string(file.profileLevel).c_str()) ||
       !options.Set("skip_iods", "0")))
    return false;
  if (avformat_write_header(file.context.get(), options.Address()) < 0) return false;
  file.started = true;
  return true;
}

}  // namespace

Mp4File* Mp4Create(const std::string& path) {
  const std::string extension = LowerExtension(path);
  const char* muxer = extension == "mp4" ? "mp4" : "ipod";
  AVFormatContext* raw = nullptr;
  if (avformat_alloc_output_context2(&raw, nullptr, muxer, path.c_str()) < 0 || !raw)
    return nullptr;
  auto file = std::make_unique<Mp4File>();
  file->context.reset(raw);
  file->packet.reset(av_packet_alloc());
  if (!file->packet || OpenOutputAvio(&file->context->pb, path) < 0)
    return nullptr;
  if (extension == "m4b") file->brand = "M4B ";
  return file.release();
}

bool Mp4SetTimeScale(Mp4File* file, uint32_t timeScale) {
  if (!file || file->started || timeScale == 0 || timeScale > INT32_MAX) return false;
  file->timeScale = timeScale;
  return true;
}

Mp4TrackId Mp4AddAudioTrack(Mp4File* file, uint32_t sampleRate, uint8_t audioType) {
  if (!file || file->started || file->stream || audioType != kMp4Mpeg4AudioType ||
      sampleRate == 0 || sampleRate > INT32_MAX)
    return kMp4InvalidTrackId;
  AVStream* stream = avformat_new_stream(file->context.get(), nullptr);
  if (!stream) return kMp4InvalidTrackId;
  stream->codecpar->codec_type = AVMEDIA_TYPE_AUDIO;
  stream->codecpar->codec_id = AV_CODEC_ID_AAC;
  stream->codecpar->sample_rate = static_cast<int>(sampleRate);
  stream->time_base = AVRational{1, static_cast<int>(sampleRate)};
  file->stream = stream;
  file->sampleRate = sampleRate;
  return 1;
}

bool Mp4SetAudioProfileLevel(Mp4File* file, uint8_t level) {
  if (!file || file->started) return false;
  file->profileLevel = level;
  return true;
}

bool Mp4SetTrackESConfiguration(Mp4File* file, Mp4TrackId track, const uint8_t* config,
                                uint32_t size) {
  if (!file || file->started || !file->stream || track != 1 || !config || size == 0 || size > 1024)
    return false;
  int channels = 0, frameLength = 0;
  if (!ReadAudioSpecificConfig(config, size, channels, frameLength)) return false;
  AVCodecParameters* parameters = file->stream->codecpar;
  auto* copy = static_cast<uint8_t*>(av_mallocz(size + AV_INPUT_BUFFER_PADDING_SIZE));
  if (!copy) return false;
  std::memcpy(copy, config, size);
  av_freep(&parameters->extradata);
  parameters->extradata = copy;
  parameters->extradata_size = static_cast<int>(size);
  av_channel_layout_uninit(&parameters->ch_layout);
  av_channel_layout_default(&parameters->ch_layout, channels);
  // A frame size tells the muxer that samples are compressed frames.
  parameters->frame_size = frameLength;
  file->configured = true;
  return true;
}

bool Mp4WriteSample(Mp4File* file, Mp4TrackId track, const uint8_t* bytes, uint32_t size,
                    uint64_t duration, int64_t renderingOffset, bool isSyncSample) {
  if (!file || file->failed || !file->configured || track != 1 || !bytes || size == 0 ||
      size > INT32_MAX || duration > INT32_MAX) {
    if (file) file->failed = true;
    return false;
  }
  const bool first = !file->started;
  if (first) {
    file->priming = std::max<int64_t>(renderingOffset, 0);
    if (!StartFile(*file)) {
      file->failed = true;
      return false;
    }
  }
  const int64_t decodeTime = file->elapsed - file->priming;
  AVPacket* packet = file->packet.get();
  packet->data = const_cast<uint8_t*>(bytes);
  packet->size = static_cast<int>(size);
  packet->stream_index = 0;
  packet->dts = decodeTime;
  packet->pts = first ? decodeTime : decodeTime + renderingOffset;
  packet->duration = static_cast<int64_t>(duration);
  packet->flags = isSyncSample ? AV_PKT_FLAG_KEY : 0;
  av_packet_rescale_ts(packet, AVRational{1, static_cast<int>(file->sampleRate)},
                       file->stream->time_base);
  const bool written = av_write_frame(file->context.get(), packet) >= 0;
  av_packet_unref(packet);
  if (!written) {
    file->failed = true;
    return false;
  }
  file->elapsed += static_cast<int64_t>(duration);
  return true;
}

bool Mp4SetMetadataName(Mp4File* file, const std::string& text) {
  return SetText(file, "title", text);
}

bool Mp4SetMetadataArtist(Mp4File* file, const std::string& text) {
  return SetText(file, "artist", text);
}

bool Mp4SetMetadataAlbum(Mp4File* file, const std::string& text) {
  return SetText(file, "album", text);
}

bool Mp4SetMetadataTrack(Mp4File* file, uint16_t track, uint16_t totalTracks) {
  if (track == 0) return SetText(file, "track", "");
  std::string text = std::to_string(track);
  if (totalTracks > 0) text += "/" + std::to_string(totalTracks);
  return SetText(file, "track", text);
}

bool Mp4SetMetadataDisk(Mp4File* file, uint16_t disk, uint16_t totalDisks) {
  if (disk == 0) return SetText(file, "disc", "");
  std::string text = std::to_string(disk);
  if (totalDisks > 0) text += "/" + std::to_string(totalDisks);
  return SetText(file, "disc", text);
}

bool Mp4SetMetadataAlbumArtist(Mp4File* file, const std::string& text) {
  return SetText(file, "album_artist", text);
}

bool Mp4SetMetadataYear(Mp4File* file, const std::string& text) {
  return SetText(file, "date", text);
}

bool Mp4SetMetadataGenre(Mp4File* file, const std::string& text) {
  return SetText(file, "genre", text);
}

bool Mp4SetMetadataComment(Mp4File* file, const std::string& text) {
  return SetText(file, "comment", text);
}

bool Mp4SetMetadataWriter(Mp4File* file, const std::string& text) {
  return SetText(file, "composer", text);
}

bool Mp4Close(Mp4File* file) {
  if (!file) return true;
  const std::unique_ptr<Mp4File> owned(file);
  bool ok = !file->failed && file->configured;
  if (ok && !file->started) ok = StartFile(*file);
  // The trailer also frees what the muxer holds, so it runs on every file
  // whose header was written.
  if (file->started && av_write_trailer(file->context.get()) < 0) ok = false;
  AVIOContext* io = file->context->pb;
  if (io) {
    // Closing reports no error of its last flush: ask for it first.
    avio_flush(io);
    if (io->error < 0) ok = false;
    if (avio_closep(&file->context->pb) < 0) ok = false;
  }
  return ok;
}
