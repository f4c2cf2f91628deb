#include "platform/engine/FfmpegStream.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/bytes/ByteOrder.h"
#include "platform/engine/Engine.h"
#include "platform/engine/MpegFrameScan.h"
#include "platform/files/FileHandle.h"
#include "platform/files/SourceFileOpen.h"

namespace engine {

namespace {

// MPEG audio may follow this much junk after its tags (FFmpeg's own limit).
constexpr int64_t kMpegJunkWindow = 64 * 1024;
constexpr int kMaxId3v2Tags = 64;

// A demuxer name may be a comma list ("mov,mp4,m4a,3gp,3g2,mj2"): the gate
// may allow the whole name or any one of its parts.
bool DemuxerAllowed(const FormatGate& gate, const std::string& name) {
  if (gate.AllowsDemuxer(name)) return true;
  std::string::size_type start = 0;
  while (start <= name.size()) {
    const std::string::size_type comma = std::min(name.find(',', start), name.size());
    if (comma > start && gate.AllowsDemuxer(name.substr(start, comma - start))) return true;
    start = comma + 1;
  }
  return false;
}

// Opens `url` with the "file" protocol only, so that a file name is never
// taken for a network address or another protocol. With `format` null the
// container is probed and returned there.
bool OpenInput(const std::string& url, const AVInputFormat*& format, FfmpegInput& input) {
  // The library opens the file itself, blocking on a named pipe.
  if (url.rfind("file:", 0) == 0 && !IsRegularFile(url.substr(std::strlen("file:")))) return false;
  AVIOContext* io = nullptr;
  if (avio_open2(&io, url.c_str(), AVIO_FLAG_READ, nullptr, nullptr) < 0) return false;
  input.io.reset(io);
  input.allowance.Grant(avio_size(io));
  if (!format && av_probe_input_buffer2(io, &format, url.c_str(), nullptr, 0, 0) < 0) {
    return false;
  }
  return format != nullptr;
}

// The WAV demuxer of this library generation hands the first packets of a
// 16-bit PCM stream to a content probe over every demuxer, at each power of
// two of the bytes gathered, so that compressed audio stored as PCM (an MP3
// or AC-3 stream in a WAV file) is decoded as what it is. That probe costs
// milliseconds per file. It can only recode the stream as one of the raw
// audio formats below, and only when that format's own probe scores at
// least the demuxer's request at one of those points; a stream on which
// none of them reaches it keeps its codec whatever the other demuxers say.
constexpr int kWavStreamProbePackets = 32;
constexpr int kWavPacketBytes = 4096;
constexpr int kWavStreamProbeRequest = AVPROBE_SCORE_EXTENSION;

// Where each byte value occurs in the window a scan looks at: found once
// per value and shared by every format whose frames or sync words begin
// with it, and by the two formats that count the same AC-3 runs.
class ByteIndex {
 public:
  ByteIndex(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  const uint8_t* Begin() const { return data_; }
  const uint8_t* End() const { return data_ + size_; }

  // The offsets of `byte`, in ascending order.
  const std::vector<uint32_t>& Offsets(uint8_t byte) {
    std::vector<uint32_t>& offsets = offsets_[byte];
    if (!found_[byte]) {
      found_[byte] = true;
      const uint8_t* at = data_;
      const uint8_t* const end = End();
      while ((at = static_cast<const uint8_t*>(std::memchr(at, byte, static_cast<size_t>(end - at))))) {
        offsets.push_back(static_cast<uint32_t>(at - data_));
        ++at;
      }
    }
    return offsets;
  }

  // `count` over this window, counted once.
  int64_t Counted(int64_t (*count)(ByteIndex&)) {
    for (const auto& [function, result] : counted_)
      if (function == count) return result;
    const int64_t result = count(*this);
    counted_.emplace_back(count, result);
    return result;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  std::array<std::vector<uint32_t>, 256> offsets_;
  std::array<bool, 256> found_{};
  std::vector<std::pair<int64_t (*)(ByteIndex&), int64_t>> counted_;
};

// The longest run of AC-3 or E-AC-3 frames (in either byte order, each
// perhaps after a 16-byte block that begins 01 10) that follow one another
// in the window of `index`, each whole within it. A frame counts when its header passes the checks every reader of the format
// makes: the sync word, a bitstream id up to 16, and a known sample rate
// and frame size (ATSC A/52 table 5.18, in 16-bit words).
int64_t LongestAc3Run(ByteIndex& index) {
  static constexpr uint16_t kWords[3][19] = {
      {64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 448, 512, 640, 768, 896, 1024, 1152, 1280},
      {69, 87, 104, 121, 139, 174, 208, 243, 278, 348, 417, 487, 557, 696, 835, 975, 1114, 1253, 1393},
      {96, 120, 144, 168, 192, 240, 288, 336, 384, 480, 576, 672, 768, 960, 1152, 1344, 1536, 1728, 1920}};
  const uint8_t* const begin = index.Begin();
  const uint8_t* const end = index.End();
  const auto frameBytes = [&](const uint8_t* at) -> int64_t {
    if (end - at < 6) return 0;
    uint8_t h[6];
    if (at[0] == 0x0B && at[1] == 0x77) {
      std::copy_n(at, 6, h);
    } else if (at[0] == 0x77 && at[1] == 0x0B) {
      for (int i = 0; i < 6; i += 2) h[i] = at[i + 1], h[i + 1] = at[i];
    } else {
      return 0;
    }
    const int bsid = h[5] >> 3;
    if (bsid > 16) return 0;
    const int fscod = h[4] >> 6;
    if (bsid <= 10) {
      const int code = h[4] & 0x3F;
      if (fscod == 3 || code >= 38) return 0;
      return 2 * int64_t{kWords[fscod][code / 2]} + (fscod == 1 && code % 2 ? 2 : 0);
    }
    if ((h[2] >> 6) == 3 || (fscod == 3 && ((h[4] >> 4) & 3) == 3)) return 0;
    return (((h[2] & 7) << 8 | h[3]) + 1) * 2;
  };
  const auto runFrom = [&](const uint8_t* at) {
    int64_t run = 0;
    for (const uint8_t* next = at; next < end; ++run) {
      if (end - next >= 2 && next[0] == 0x01 && next[1] == 0x10) next += 16;
      const int64_t length = next < end ? frameBytes(next) : 0;
      if (length <= 0 || length > end - next) break;
      next += length;
    }
    return run;
  };
  // A run starts at the first byte or at a sync word in either order.
  int64_t longest = runFrom(begin);
  for (const uint8_t first : {uint8_t{0x0B}, uint8_t{0x77}}) {
    const uint8_t second = first == 0x0B ? 0x77 : 0x0B;
    for (const uint32_t offset : index.Offsets(first)) {
      const uint8_t* at = begin + offset;
      if (offset >= 1 && end - at >= 2 && at[1] == second) longest = std::max(longest, runFrom(at));
    }
  }
  return longest;
}

// The header of a frame of a raw format: the bytes it needs, its first
// byte, and the frame's length, or 0 where the bytes at `at` do not start a
// frame that the format's probe counts.
struct FrameHeader {
  uint8_t firstByte;
  int bytes;
  int (*length)(const uint8_t* at);
};

int MpegFrameLength(const uint8_t* at) {
  MpegFrameHeader header;
  return ParseMpegFrameHeader(at, header) ? header.frameBytes : 0;
}

int AdtsFrameLength(const uint8_t* at) {
  if ((LoadBe<16>(at) & 0xFFF6) != 0xFFF0) return 0;
  const int length = static_cast<int>((LoadBe<32>(at + 3) >> 13) & 0x1FFF);
  return length >= 7 ? length : 0;
}

int LoasFrameLength(const uint8_t* at) {
  const uint32_t header = LoadBe<24>(at);
  if ((header >> 13) != 0x2B7) return 0;
  const int length = static_cast<int>(header & 0x1FFF) + 3;
  return length >= 7 ? length : 0;
}

constexpr FrameHeader kMpegHeader{0xFF, 4, MpegFrameLength};
constexpr FrameHeader kAdtsHeader{0xFF, 7, AdtsFrameLength};
constexpr FrameHeader kLoasHeader{0x56, 3, LoasFrameLength};

// A raw audio format the stream probe may recode to. Its probe counts
// frames and needs at least `framesNeeded` of them for the request's
// score; data that cannot hold that many need no probe (0: always probed).
// The count bounded is that of the longest run of frames that follow one
// another when the format's `header` is known, else that of its sync words
// (big-endian, the first `syncBytes` bytes of each value), with one of
// which every frame begins.
struct RecodingFormat {
  const char* name;
  int framesNeeded;
  const FrameHeader* header;
  std::vector<uint32_t> syncs;
  int syncBytes;
  // Counts the run instead, where the frames' lengths need more than a header.
  int64_t (*run)(ByteIndex& index) = nullptr;
};

const RecodingFormat kRecodingFormats[] = {
    {"aac", 3, &kAdtsHeader, {}, 0},
    {"ac3", 7, nullptr, {0x0B770000, 0x770B0000}, 2, LongestAc3Run},  // either byte order
    {"aptx", 0, nullptr, {}, 0},
    {"dts", 4, nullptr, {0x7FFE8001, 0xFE7F0180, 0x1FFFE800, 0xFF1F00E8, 0x64582025}, 4},
    {"eac3", 7, nullptr, {0x0B770000, 0x770B0000}, 2, LongestAc3Run},
    {"loas", 3, &kLoasHeader, {}, 0},
    {"mp3", 7, &kMpegHeader, {}, 0},
    {"truehd", 1, nullptr, {0xF8726FBA}, 4},
};

// The longest run of frames in the window of `index` whose headers all lie
// within it.
int64_t LongestFrameRun(const FrameHeader& frame, ByteIndex& index) {
  int64_t longest = 0;
  const uint8_t* const end = index.End();
  for (const uint32_t offset : index.Offsets(frame.firstByte)) {
    int64_t run = 0;
    int length = 0;
    for (const uint8_t* next = index.Begin() + offset;
         end - next >= frame.bytes && (length = frame.length(next)) > 0; next += length) {
      ++run;
    }
    longest = std::max(longest, run);
  }
  return longest;
}

// How often the sync words of `format` occur in the window of `index`, at
// any offset. The probe sees zeros after the bytes it is given, so a word's
// trailing zero bytes are not compared: a word cut short by the end still
// counts.
int64_t SyncCount(const RecodingFormat& format, ByteIndex& index) {
  int64_t count = 0;
  const uint8_t* const end = index.End();
  for (const uint32_t sync : format.syncs) {
    uint8_t word[4];
    StoreBe<32>(word, sync);
    size_t bytes = static_cast<size_t>(format.syncBytes);
    while (bytes > 1 && word[bytes - 1] == 0) --bytes;
    for (const uint32_t offset : index.Offsets(word[0])) {
      const uint8_t* at = index.Begin() + offset;
      if (static_cast<size_t>(end - at) < bytes) continue;
      size_t same = 1;
      while (same < bytes && at[same] == word[same]) ++same;
      if (same == bytes) ++count;
    }
  }
  return count;
}

// The probe score of the raw format `format` on the first `size` bytes of
// `data`, which has room for the probe's zero padding after them.
int RawFormatScore(const AVInputFormat* format, std::vector<uint8_t>& data, size_t size) {
  uint8_t saved[AVPROBE_PADDING_SIZE];
  std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(size), sizeof saved, saved);
  std::fill_n(data.begin() + static_cast<std::ptrdiff_t>(size), sizeof saved, 0);
  AVProbeData probe{};
  probe.filename = "";
  probe.buf = data.data();
  probe.buf_size = static_cast<int>(size);
  const int score = format->read_probe(&probe);
  std::copy_n(saved, sizeof saved, data.begin() + static_cast<std::ptrdiff_t>(size));
  return score;
}

// True when `format` may reach the request's score at one of the probe's
// points after the first packet, over `data` read in packets of `packet`
// bytes.
bool FormatMayRecode(const RecodingFormat& recoding, const AVInputFormat* format,
                     const std::string& path, std::vector<uint8_t>& data, ByteIndex& index,
                     int64_t packet) {
  if (!format) return false;  // not in this build: it cannot win
  if (!format->read_probe) {
    // Such a format scores by file name alone.
    return format->extensions && av_match_ext(path.c_str(), format->extensions);
  }
  if (recoding.framesNeeded > 0) {
    const int64_t frames = recoding.header ? LongestFrameRun(*recoding.header, index)
                           : recoding.run  ? index.Counted(recoding.run)
                                           : SyncCount(recoding, index);
    if (frames < recoding.framesNeeded) return false;
  }
  for (int64_t count = 2; count <= kWavStreamProbePackets; ++count) {
    const int64_t size = count * packet;
    const bool point =
        count == kWavStreamProbePackets ||
        av_log2(static_cast<unsigned>(size)) != av_log2(static_cast<unsigned>(size - packet));
    if (point &&
        RawFormatScore(format, data, static_cast<size_t>(size)) >= kWavStreamProbeRequest) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool StreamProbeMightRecode(AVFormatContext* context, const std::string& path) {
  if (context->nb_streams != 1) return true;
  const AVStream* stream = context->streams[0];
  const AVCodecParameters* par = stream->codecpar;
  // Other PCM is not probed; a stream the demuxer took for S/PDIF data may
  // still be.
  if (par->codec_id != AV_CODEC_ID_PCM_S16LE) {
    if (LIBAVFORMAT_VERSION_MAJOR != 59 || (avformat_version() >> 16) != 59) return true;
    return std::strncmp(avcodec_get_name(par->codec_id), "pcm_", 4) != 0;
  }
  if (par->sample_rate <= 0) return true;
  const int64_t frames = stream->duration != AV_NOPTS_VALUE ? stream->duration : -1;
  return Pcm16DataMightRecode(path, avio_tell(context->pb), avio_size(context->pb),
                              par->block_align, frames);
}

bool Pcm16DataMightRecode(const std::string& path, int64_t dataStart, int64_t fileSize,
                          int64_t blockAlign, int64_t frames) {
  if (LIBAVFORMAT_VERSION_MAJOR != 59 || (avformat_version() >> 16) != 59) return true;
  if (blockAlign <= 0) return true;

  // The demuxer's packets: 4096 bytes cut down to whole blocks. Only a
  // stream whose first packets are all full is looked at.
  const int64_t block = blockAlign;
  const int64_t packet = std::max<int64_t>(kWavPacketBytes, block) / block * block;
  const int64_t window = packet * kWavStreamProbePackets;
  if (dataStart < 0 || fileSize < 0 || fileSize - dataStart < window) return true;
  if (frames >= 0 && frames < window / block) return true;

  std::vector<uint8_t> data(static_cast<size_t>(window) + AVPROBE_PADDING_SIZE);
  FilePtr file(OpenRegularFile(path));
  if (!file || fseeko(file.get(), dataStart, SEEK_SET) != 0 ||
      std::fread(data.data(), 1, static_cast<size_t>(window), file.get()) !=
          static_cast<size_t>(window)) {
    return true;
  }
  // The library's probe looks past an ID3v2 tag at the start; such data is
  // left to the full probe.
  if (data[0] == 'I' && data[1] == 'D' && data[2] == '3') return true;

  // The library's list of formats does not change: each is looked up once.
  static const std::vector<const AVInputFormat*> formats = [] {
    std::vector<const AVInputFormat*> found;
    for (const RecodingFormat& recoding : kRecodingFormats)
      found.push_back(av_find_input_format(recoding.name));
    return found;
  }();
  ByteIndex index(data.data(), static_cast<size_t>(window));
  for (size_t i = 0; i < std::size(kRecodingFormats); ++i) {
    if (FormatMayRecode(kRecodingFormats[i], formats[i], path, data, index, packet)) return true;
  }
  return false;
}

namespace {

// Opens the demuxer `format` on the I/O of `input`. With `shortStreamProbe`
// the demuxer's content probe of a stream's first packets stops after one
// packet.
bool OpenDemuxer(const std::string& url, const AVInputFormat* format, bool shortStreamProbe,
                 FfmpegInput& input) {
  AVFormatContext* context = avformat_alloc_context();
  if (!context) return false;
  context->pb = input.io.get();
  Dictionary options;
  options.Set("protocol_whitelist", "file");
  if (shortStreamProbe) options.Set("max_probe_packets", "1");
  if (avformat_open_input(&context, url.c_str(), format, options.Address()) < 0) {
    return false;  // the context is freed on failure
  }
  input.format.reset(context);
  return true;
}

bool StartDemuxer(const std::string& url, const AVInputFormat* format, FfmpegInput& input) {
  // A WAV file is first opened with the demuxer's stream probe cut short,
  // and opened again in full when the whole probe might have found more.
  if (std::strcmp(format->name, "wav") == 0) {
    const std::string path = url.substr(std::strlen("file:"));
    if (OpenDemuxer(url, format, true, input) && !StreamProbeMightRecode(input.format.get(), path)) {
      return avformat_find_stream_info(input.format.get(), nullptr) >= 0;
    }
    input.format.reset();
    input.io.reset();
    const AVInputFormat* known = format;
    if (!OpenInput(url, known, input)) return false;
  }
  if (!OpenDemuxer(url, format, false, input)) return false;
  return avformat_find_stream_info(input.format.get(), nullptr) >= 0;
}

int FirstAudioStream(AVFormatContext* format) {
  for (unsigned i = 0; i < format->nb_streams; ++i) {
    if (format->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO) return static_cast<int>(i);
  }
  return -1;
}

void DiscardOtherStreams(AVFormatContext* format, int keep) {
  for (unsigned i = 0; i < format->nb_streams; ++i) {
    if (static_cast<int>(i) != keep) format->streams[i]->discard = AVDISCARD_ALL;
  }
}

// An opened decoder for `stream`, or null.
CodecContextPtr OpenDecoderFor(const AVStream* stream) {
  const AVCodec* decoder = avcodec_find_decoder(stream->codecpar->codec_id);
  if (!decoder) return nullptr;
  CodecContextPtr codec(avcodec_alloc_context3(decoder));
  if (!codec || avcodec_parameters_to_context(codec.get(), stream->codecpar) < 0) return nullptr;
  codec->pkt_timebase = stream->time_base;
  if (avcodec_open2(codec.get(), decoder, nullptr) < 0) return nullptr;
  return codec;
}

// Opens `url` with its known `container` again for one more pass over its
// first audio stream, the other streams discarded. The stream's index; -1
// when the file does not open or holds no audio.
int ReopenFirstAudio(const std::string& url, const AVInputFormat* container, FfmpegInput& input) {
  if (!OpenInput(url, container, input) || !StartDemuxer(url, container, input)) return -1;
  const int index = FirstAudioStream(input.format.get());
  if (index >= 0) DiscardOtherStreams(input.format.get(), index);
  return index;
}

// Codecs whose container states the decoded length exactly.
bool DurationIsExact(AVCodecID codec) {
  switch (codec) {
    case AV_CODEC_ID_FLAC:
    case AV_CODEC_ID_ALAC:
    case AV_CODEC_ID_WAVPACK:
    case AV_CODEC_ID_TTA:
    case AV_CODEC_ID_APE:
    case AV_CODEC_ID_VORBIS:
    case AV_CODEC_ID_SPEEX:
    case AV_CODEC_ID_OPUS:
      return true;
    default:
      return std::strncmp(avcodec_get_name(codec), "pcm_", 4) == 0;
  }
}

// The samples per channel that decoding the stream will deliver, counted by
// demuxing the whole file once: packet durations, less what the demuxer
// marks for the decoder to skip at the start or discard at the end. -1 when
// a packet's duration is unknown.
int64_t ScanSamples(const std::string& url, const AVInputFormat* container, int rate) {
  FfmpegInput input;
  const int index = ReopenFirstAudio(url, container, input);
  if (index < 0) return -1;
  AVFormatContext* format = input.format.get();
  const AVStream* stream = format->streams[index];
  const AVRational perSample{1, rate};
  // A time base finer than a sample stores each packet's duration rounded,
  // and rounding back per packet restores it; a coarser one (a tick per
  // frame) is summed first and rescaled once.
  const bool fineTicks =
      static_cast<int64_t>(stream->time_base.num) * rate <= stream->time_base.den;
  PacketPtr packet(av_packet_alloc());
  if (!packet) return -1;

  int64_t samples = 0;
  int64_t coarseTicks = 0;
  int64_t trimmed = 0;
  while (av_read_frame(format, packet.get()) >= 0) {
    if (packet->stream_index == index) {
      int64_t frameSamples = 0;
      if (packet->duration > 0) {
        frameSamples = av_rescale_q(packet->duration, stream->time_base, perSample);
        if (fineTicks) {
          samples += frameSamples;
        } else {
          coarseTicks += packet->duration;
        }
      } else {
        frameSamples = av_get_audio_frame_duration2(stream->codecpar, packet->size);
        if (frameSamples <= 0) return -1;
        samples += frameSamples;
      }
      size_t sideSize = 0;
      const uint8_t* side =
          av_packet_get_side_data(packet.get(), AV_PKT_DATA_SKIP_SAMPLES, &sideSize);
      if (side && sideSize >= 10) {
        const int64_t skip = std::min<int64_t>(LoadLe<32>(side), frameSamples);
        const int64_t discard = LoadLe<32>(side + 4);
        trimmed += skip;
        if (discard > 0 && discard <= frameSamples - skip) trimmed += discard;
      }
    }
    av_packet_unref(packet.get());
  }
  const int64_t total = samples + av_rescale_q(coarseTicks, stream->time_base, perSample) - trimmed;
  return std::max<int64_t>(0, total);
}

// The samples per channel that decoding the stream delivers (frames of
// another rate counted at `rate`), by decoding the whole file once; -1 when
// it does not open. For containers whose packet times are too coarse to
// add up and whose decoders keep back part of the first packet.
int64_t CountDecodedSamples(const std::string& url, const AVInputFormat* container, int rate) {
  FfmpegInput input;
  const int index = ReopenFirstAudio(url, container, input);
  if (index < 0) return -1;
  AVFormatContext* format = input.format.get();
  CodecContextPtr codec = OpenDecoderFor(format->streams[index]);
  PacketPtr packet(av_packet_alloc());
  FramePtr frame(av_frame_alloc());
  if (!codec || !packet || !frame) return -1;

  int64_t samples = 0;
  const auto receiveAll = [&] {
    while (avcodec_receive_frame(codec.get(), frame.get()) == 0) {
      const int frameRate = codec->sample_rate > 0 ? codec->sample_rate : rate;
      samples += av_rescale(frame->nb_samples, rate, frameRate);
      av_frame_unref(frame.get());
    }
  };
  while (av_read_frame(format, packet.get()) >= 0) {
    // A damaged packet is refused and skipped, as in decoding.
    if (packet->stream_index == index && avcodec_send_packet(codec.get(), packet.get()) == 0) {
      receiveAll();
    }
    av_packet_unref(packet.get());
  }
  if (avcodec_send_packet(codec.get(), nullptr) == 0) receiveAll();
  return samples;
}

// Where the MPEG audio of a file begins, and its Xing/Info header if the
// first frame carries one.
struct MpegLayout {
  int64_t tagEnd = 0;  // end of the leading ID3v2 tags
  int64_t firstFrame = -1;
  bool hasInfo = false;
  MpegFrameHeader header;
  MpegInfoHeader info;
};

MpegLayout ReadMpegLayout(const std::string& path, int64_t fileLength) {
  MpegLayout layout;
  FilePtr file(OpenRegularFile(path));
  if (!file || fileLength <= 0) return layout;
  for (int i = 0; i < kMaxId3v2Tags && layout.tagEnd < fileLength; ++i) {
    uint8_t head[10];
    if (fseeko(file.get(), layout.tagEnd, SEEK_SET) != 0 ||
        std::fread(head, 1, sizeof head, file.get()) != sizeof head) {
      break;
    }
    const uint64_t size = Id3v2TagSize(head, sizeof head);
    if (size == 0) break;
    layout.tagEnd += static_cast<int64_t>(size);
  }
  if (layout.tagEnd >= fileLength) return layout;

  const int64_t wanted =
      std::min(fileLength - layout.tagEnd, kMpegJunkWindow + 2 * kMaxMpegFrameBytes + 4);
  std::vector<uint8_t> bytes(static_cast<size_t>(wanted));
  if (fseeko(file.get(), layout.tagEnd, SEEK_SET) != 0) return layout;
  const size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
  const bool endsFile = layout.tagEnd + static_cast<int64_t>(got) == fileLength;
  const int64_t at = FindFirstMpegFrame(bytes.data(), got, endsFile);
  if (at < 0) return layout;
  layout.firstFrame = layout.tagEnd + at;
  const uint8_t* frame = bytes.data() + at;
  if (ParseMpegFrameHeader(frame, layout.header)) {
    layout.hasInfo =
        ParseMpegInfoHeader(frame, got - static_cast<size_t>(at), layout.header, layout.info);
  }
  return layout;
}

// The length that an Info header gives, or -1 when FFmpeg will not follow
// it: the header must sit where the demuxer looks for it (right after the
// tags, with no junk before), count its frames, and agree with the file's
// size. A byte count beyond the file means a cut file; a file much longer
// than the count means joined files, whose header FFmpeg ignores.
int64_t InfoHeaderSamples(const MpegLayout& layout, int64_t fileLength) {
  if (!layout.hasInfo || layout.firstFrame != layout.tagEnd || layout.info.frames == 0) return -1;
  // The demuxer compares the count with what follows the frame's header.
  const int64_t rest = fileLength - layout.firstFrame - 4;
  const int64_t bytes = layout.info.bytes;
  if (bytes > rest + 4) return -1;
  if (bytes > 0 && rest > bytes && rest - bytes > (bytes >> 4)) return -1;
  return MpegGaplessSamples(layout.info, layout.header.samplesPerFrame);
}

}  // namespace

std::unique_ptr<EngineStream> OpenSampledStream(const std::string& path, const FormatGate& gate) {
  return FfmpegStream::Open(path, gate);
}

std::unique_ptr<FfmpegStream> FfmpegStream::Open(const std::string& path, const FormatGate& gate) {
  std::unique_ptr<FfmpegStream> stream(new FfmpegStream());
  if (!stream->Start(path, gate)) return nullptr;
  return stream;
}

bool FfmpegStream::Start(const std::string& path, const FormatGate& gate) {
  const std::string url = "file:" + path;
  const AVInputFormat* container = nullptr;
  // The gate is asked before the demuxer reads any header, so that a
  // refused container (a tracker module, say) is never parsed.
  if (!OpenInput(url, container, input_) || !DemuxerAllowed(gate, container->name) ||
      !StartDemuxer(url, container, input_)) {
    return false;
  }
  AVFormatContext* format = input_.format.get();
  streamIndex_ = FirstAudioStream(format);
  if (streamIndex_ < 0) return false;
  DiscardOtherStreams(format, streamIndex_);
  const AVCodecParameters* par = format->streams[streamIndex_]->codecpar;
  if (!gate.AllowsCodec(avcodec_get_name(par->codec_id))) return false;
  if (par->sample_rate <= 0 || par->ch_layout.nb_channels <= 0) return false;

  format_.eightBit = par->codec_id == AV_CODEC_ID_PCM_U8 || par->codec_id == AV_CODEC_ID_PCM_S8 ||
                     par->codec_id == AV_CODEC_ID_PCM_S8_PLANAR;
  outputFormat_ = format_.eightBit ? AV_SAMPLE_FMT_U8 : AV_SAMPLE_FMT_S16;
  if (!OpenDecoder()) return false;
  fileLength_ = avio_size(input_.io.get());
  if (fileLength_ < 0) fileLength_ = -1;

  // The first packet tells where the audio data begin when nothing better
  // is known. The first frame is decoded now: it announces the stream's
  // rate and channels (the stream information may already describe a
  // later part of joined files), and a file that opens but yields no sound
  // (no packet read, none that decodes) is refused here.
  packetHeld_ = ReadPacket();
  if (packetHeld_ && packet_->pos >= 0) firstFrame_ = packet_->pos;
  if (!DecodeMore()) return false;

  // A stream that announces no samples would deliver nothing.
  const bool mpegFile = std::strcmp(container->name, "mp3") == 0;
  const int64_t samples = LengthSamples(path, mpegFile);
  if (samples <= 0) return false;
  lengthBytes_ = static_cast<uint64_t>(samples) * format_.BytesPerFrame();
  return true;
}

bool FfmpegStream::OpenDecoder() {
  codec_ = OpenDecoderFor(input_.format->streams[streamIndex_]);
  packet_.reset(av_packet_alloc());
  frame_.reset(av_frame_alloc());
  return codec_ && packet_ && frame_;
}

// The decoded length in samples per channel, exact wherever the file allows.
int64_t FfmpegStream::LengthSamples(const std::string& path, bool mpegFile) {
  const AVStream* stream = input_.format->streams[streamIndex_];
  const AVCodecParameters* par = stream->codecpar;
  const int rate = static_cast<int>(format_.rate);

  if (mpegFile) {
    const MpegLayout layout = ReadMpegLayout(path, fileLength_);
    if (layout.firstFrame >= 0) firstFrame_ = layout.firstFrame;
    const int64_t fromHeader = InfoHeaderSamples(layout, fileLength_);
    if (fromHeader >= 0) return fromHeader;
  }

  // ASF times its packets in milliseconds, and its decoders keep back part
  // of the first packet: only decoding tells the length.
  if (std::strcmp(input_.format->iformat->name, "asf") == 0) {
    const int64_t counted = CountDecodedSamples("file:" + path, input_.format->iformat, rate);
    if (counted >= 0) return counted;
  }

  int64_t duration = -1;
  if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0) {
    duration = av_rescale_q(stream->duration, stream->time_base, AVRational{1, rate});
  } else if (input_.format->duration != AV_NOPTS_VALUE && input_.format->duration > 0) {
    duration = av_rescale(input_.format->duration, rate, AV_TIME_BASE);
  }
  if (par->codec_id == AV_CODEC_ID_OPUS && duration > 0) {
    duration = std::max<int64_t>(0, duration - par->initial_padding);
  }
  // The MPEG-4 family states the playable length in its edit list, without
  // the encoder's priming and padding.
  const bool mpeg4 = std::strstr(input_.format->iformat->name, "mp4") != nullptr;
  if (duration >= 0 && (DurationIsExact(par->codec_id) || mpeg4)) return duration;

  const int64_t scanned = ScanSamples("file:" + path, input_.format->iformat, rate);
  if (scanned >= 0) return scanned;
  return std::max<int64_t>(0, duration);
}

}  // namespace engine
