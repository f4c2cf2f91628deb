#include "codecs/writers/OggWriter.h"

#include <ogg/ogg.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <random>
#include <utility>

#include "codecs/writers/VorbisComments.h"
#include "platform/files/OutputFile.h"

// The libvorbis and libogg states of one stream. The info and comment are
// set up with the object; the analysis, block and stream states once the
// headers are made. Each state that was set up is cleared when the object
// goes, on every path, in the order libvorbis asks for.
struct OggWriter::Encoder {
  vorbis_info info{};
  vorbis_comment comment{};
  vorbis_dsp_state dsp{};
  vorbis_block block{};
  ogg_stream_state stream{};
  ogg_page page{};
  ogg_packet packet{};
  bool analysing = false;  // dsp and block are set up
  bool streaming = false;  // stream is set up
  bool ended = false;      // the end-of-stream page is written

  Encoder() {
    vorbis_info_init(&info);
    vorbis_comment_init(&comment);
  }
  ~Encoder() {
    if (streaming) ogg_stream_clear(&stream);
    if (analysing) {
      vorbis_block_clear(&block);
      vorbis_dsp_clear(&dsp);
    }
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
  }
  Encoder(const Encoder&) = delete;
  Encoder& operator=(const Encoder&) = delete;
};

OggWriter::OggWriter(int nominalBitsPerSecond, TagInfo comments)
    : nominalBitsPerSecond_(nominalBitsPerSecond), quality_(-2), comments_(std::move(comments)) {}

OggWriter::OggWriter(OggQuality quality, TagInfo comments)
    : nominalBitsPerSecond_(0),
      quality_(std::clamp(quality.level, -1, 10)),
      comments_(std::move(comments)) {}

OggWriter::~OggWriter() {
  Close();
}

bool OggWriter::Open(const std::string& path, const WriterFormat& format) {
  if (file_ || format.bits != 16 || (format.channels != 1 && format.channels != 2) ||
      format.rate == 0 || format.rate > static_cast<uint32_t>(INT_MAX))
    return false;
  // The encoder is set up before the file exists, so a set-up that
  // libvorbisenc refuses leaves the file system as it was.
  encoder_ = std::make_unique<Encoder>();
  if (!Configure(format)) {
    encoder_.reset();
    return false;
  }
  AddComments();
  file_.reset(OpenOutputStream(path));
  if (!file_) {
    encoder_.reset();
    return false;
  }
  channels_ = static_cast<int>(format.channels);
  failed_ = false;
  if (WriteHeaders()) return true;
  // Close must not end a stream whose headers are not out.
  failed_ = true;
  Close();
  remove(path.c_str());
  return false;
}

bool OggWriter::Configure(const WriterFormat& format) {
  vorbis_info* info = &encoder_->info;
  // libvorbisenc counts quality in tenths: -0.1 to 1.0.
  if (quality_ >= -1)
    return vorbis_encode_init_vbr(info, static_cast<long>(format.channels),
                                  static_cast<long>(format.rate), quality_ / 10.0f) == 0;
  // No maximum and no minimum; then management off, so the nominal rate
  // only picks the quality.
  return vorbis_encode_setup_managed(info, static_cast<long>(format.channels),
                                     static_cast<long>(format.rate), -1, nominalBitsPerSecond_,
                                     -1) == 0 &&
         vorbis_encode_ctl(info, OV_ECTL_RATEMANAGE2_SET, nullptr) == 0 &&
         vorbis_encode_setup_init(info) == 0;
}

void OggWriter::AddComments() {
  for (const auto& [name, text] : VorbisCommentFields(comments_))
    vorbis_comment_add_tag(&encoder_->comment, name.c_str(), text.c_str());
}

bool OggWriter::WriteHeaders() {
  Encoder& e = *encoder_;
  if (vorbis_analysis_init(&e.dsp, &e.info) != 0) return false;
  vorbis_block_init(&e.dsp, &e.block);
  e.analysing = true;
  // A serial of its own for each stream, so that outputs chained into one
  // file stay apart.
  std::random_device random;
  if (ogg_stream_init(&e.stream, static_cast<int>(random())) != 0) return false;
  e.streaming = true;

  ogg_packet identification, comments, setup;
  if (vorbis_analysis_headerout(&e.dsp, &e.comment, &identification, &comments, &setup) != 0)
    return false;
  ogg_stream_packetin(&e.stream, &identification);
  ogg_stream_packetin(&e.stream, &comments);
  ogg_stream_packetin(&e.stream, &setup);
  // Flushed now, so the audio starts on a page of its own; and out of
  // stdio at once, so a file that cannot even take them fails here.
  while (ogg_stream_flush(&e.stream, &e.page) != 0) {
    if (!WritePage(e.page.header, e.page.header_len, e.page.body, e.page.body_len)) return false;
  }
  return fflush(file_.get()) == 0;
}

bool OggWriter::WriteBlock16(const int16_t* left, const int16_t* right, int count) {
  if (!file_ || failed_) return false;
  if (count < 0 || (count > 0 && (!left || (channels_ == 2 && !right)))) {
    failed_ = true;
    return false;
  }
  if (count == 0) return true;
  float** buffer = vorbis_analysis_buffer(&encoder_->dsp, count);
  constexpr float kScale = 1.0f / 32768;
  for (int i = 0; i < count; ++i) buffer[0][i] = left[i] * kScale;
  if (channels_ == 2) {
    for (int i = 0; i < count; ++i) buffer[1][i] = right[i] * kScale;
  }
  vorbis_analysis_wrote(&encoder_->dsp, count);
  return Drain();
}

bool OggWriter::WriteBlock8(const uint8_t* /*left*/, const uint8_t* /*right*/, int /*count*/) {
  if (file_) failed_ = true;
  return false;
}

bool OggWriter::Drain() {
  Encoder& e = *encoder_;
  // Without bit-rate management libvorbis holds one analysed block at a
  // time, so each block's packet is taken before the next block is asked
  // for.
  while (vorbis_analysis_blockout(&e.dsp, &e.block) == 1) {
    vorbis_analysis(&e.block, nullptr);
    vorbis_bitrate_addblock(&e.block);
    while (vorbis_bitrate_flushpacket(&e.dsp, &e.packet) == 1) {
      ogg_stream_packetin(&e.stream, &e.packet);
      while (!e.ended && ogg_stream_pageout(&e.stream, &e.page) != 0) {
        if (!WritePage(e.page.header, e.page.header_len, e.page.body, e.page.body_len))
          return false;
        if (ogg_page_eos(&e.page)) e.ended = true;
      }
    }
  }
  return true;
}

bool OggWriter::WritePage(const void* header, long headerBytes, const void* body, long bodyBytes) {
  const auto writeAll = [this](const void* bytes, long size) {
    return size <= 0 ||
           fwrite(bytes, 1, static_cast<size_t>(size), file_.get()) == static_cast<size_t>(size);
  };
  if (writeAll(header, headerBytes) && writeAll(body, bodyBytes)) return true;
  failed_ = true;
  return false;
}

bool OggWriter::Close() {
  if (!file_) {
    encoder_.reset();
    return true;
  }
  bool ok = !failed_;
  if (ok) {
    // No samples follow: the encoder finishes the stream, and its last
    // page carries the end-of-stream flag.
    vorbis_analysis_wrote(&encoder_->dsp, 0);
    ok = Drain() && encoder_->ended;
  }
  // fclose writes out what stdio still holds; its failure is a lost tail.
  if (fclose(file_.release()) != 0) ok = false;
  encoder_.reset();
  channels_ = 0;
  failed_ = false;
  return ok;
}
