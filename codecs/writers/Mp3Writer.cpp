#include "codecs/writers/Mp3Writer.h"

#include <lame.h>

#include <algorithm>
#include <climits>
#include <mutex>
#include <shared_mutex>
#include <utility>

#include "platform/files/OutputFile.h"

namespace {

// LAME keeps tables shared by every encoder of the process (the powers and
// logarithms of its quantiser): lame_init fills the logarithms behind an
// unguarded flag, and lame_init_params refills the power tables for every
// new encoder. So the calls that set an encoder up hold this lock alone,
// and the calls that encode, which read the tables, hold it shared: files
// on several threads encode at once and wait only while another file's
// encoder is being set up.
std::shared_mutex& LameTablesLock() {
  static std::shared_mutex lock;
  return lock;
}

lame_global_flags* NewEncoder() {
  std::unique_lock<std::shared_mutex> lock(LameTablesLock());
  return lame_init();
}

}  // namespace

void Mp3Writer::EncoderCloser::operator()(lame_global_struct* encoder) const {
  lame_close(encoder);
}

Mp3Writer::Mp3Writer(const Mp3EncoderSettings& settings, Id3Images tags)
    : settings_(settings), tags_(std::move(tags)) {}

int Mp3Writer::ChunkSamples(int inRate, int outRate) {
  if (inRate <= 0 || outRate <= inRate) return kChunkSamples;
  const int64_t fits = int64_t{kMaxEncodedSamples} * inRate / outRate;
  return static_cast<int>(std::clamp<int64_t>(fits, 1, kChunkSamples));
}

size_t Mp3Writer::BufferBytes(int inRate, int outRate) {
  const int64_t chunk = ChunkSamples(inRate, outRate);
  // Rounded up, and one more for the resampler's rounding from call to
  // call; never counted below the piece itself.
  int64_t encoded = chunk;
  if (inRate > 0 && outRate > inRate) encoded = (chunk * outRate + inRate - 1) / inRate + 1;
  return static_cast<size_t>(encoded * 5 / 4 + 1 + kFlushBytes);
}

Mp3Writer::~Mp3Writer() {
  Close();
}

bool Mp3Writer::Open(const std::string& path, const WriterFormat& format) {
  if (file_ || format.bits != 16 || (format.channels != 1 && format.channels != 2) ||
      format.rate == 0 || format.rate > static_cast<uint32_t>(INT_MAX))
    return false;
  if (!Open(path)) return false;
  // An image that the writer refuses (an ID3v1 block that is not 128 bytes)
  // is left out rather than failing the file.
  if (!tags_.v1.empty()) SetId3v1(tags_.v1.data(), tags_.v1.size());
  if (!tags_.v2.empty()) SetId3v2(tags_.v2.data(), tags_.v2.size());
  SetInputRate(static_cast<int>(format.rate));
  SetChannels(static_cast<int>(format.channels));
  if (settings_.mode >= 0) SetMode(settings_.mode);
  if (settings_.outputRate > 0) SetOutputRate(settings_.outputRate);
  if (settings_.bitRate > 0) SetBitRate(settings_.bitRate);
  SetVbrQuality(settings_.vbrQuality);
  SetInfoFrame(settings_.infoFrame);
  if (Start()) return true;
  Close();
  remove(path.c_str());
  return false;
}

bool Mp3Writer::Open(const std::string& path) {
  Close();
  FilePtr file(OpenOutputStream(path));
  if (!file) return false;
  std::unique_ptr<lame_global_struct, EncoderCloser> encoder(NewEncoder());
  if (!encoder) {
    file.reset();
    remove(path.c_str());
    return false;
  }
  path_ = path;
  file_ = std::move(file);
  encoder_ = std::move(encoder);
  vbrQuality_ = -1;
  infoFrame_ = false;
  started_ = false;
  failed_ = false;
  return true;
}

bool Mp3Writer::SetId3v1(const uint8_t* image, size_t length) {
  if (!file_ || !image || length != kId3v1Bytes) return false;
  id3v1_.assign(image, image + length);
  return true;
}

bool Mp3Writer::SetId3v2(const uint8_t* image, size_t length) {
  if (!Configurable() || (!image && length > 0)) return false;
  if (length == 0) {
    id3v2_.clear();
  } else {
    id3v2_.assign(image, image + length);
  }
  return true;
}

void Mp3Writer::SetInputRate(int hz) {
  if (Configurable()) lame_set_in_samplerate(encoder_.get(), hz);
}

void Mp3Writer::SetChannels(int n) {
  if (Configurable()) lame_set_num_channels(encoder_.get(), std::clamp(n, 1, 2));
}

void Mp3Writer::SetMode(int mode) {
  if (!Configurable()) return;
  const MPEG_mode value = mode == 1 ? JOINT_STEREO : mode == 3 ? MONO : STEREO;
  lame_set_mode(encoder_.get(), value);
}

void Mp3Writer::SetOutputRate(int hz) {
  if (Configurable()) lame_set_out_samplerate(encoder_.get(), hz);
}

void Mp3Writer::SetBitRate(int kbps) {
  if (Configurable()) lame_set_brate(encoder_.get(), std::clamp(kbps, 8, 320));
}

void Mp3Writer::SetVbrQuality(int level) {
  if (Configurable()) vbrQuality_ = level < 0 ? -1 : std::min(level, 9);
}

void Mp3Writer::SetInfoFrame(bool on) {
  if (Configurable()) infoFrame_ = on;
}

bool Mp3Writer::Start() {
  if (!Configurable()) return false;
  lame_global_flags* encoder = encoder_.get();
  const bool vbr = vbrQuality_ >= 0;
  // With the tag on, LAME puts an empty Info frame first in its output;
  // Close fills it in.
  lame_set_bWriteVbrTag(encoder, vbr || infoFrame_ ? 1 : 0);
  if (vbr) {
    lame_set_VBR(encoder, vbr_default);
    lame_set_VBR_quality(encoder, static_cast<float>(vbrQuality_));
  } else {
    lame_set_VBR(encoder, vbr_off);
  }
  // The tags come from the program's own images only.
  lame_set_write_id3tag_automatic(encoder, 0);
  {
    std::unique_lock<std::shared_mutex> lock(LameTablesLock());
    if (lame_init_params(encoder) < 0) return false;
  }
  const int inRate = lame_get_in_samplerate(encoder);
  const int outRate = lame_get_out_samplerate(encoder);
  chunkSamples_ = ChunkSamples(inRate, outRate);
  buffer_.assign(BufferBytes(inRate, outRate), 0);
  started_ = true;
  // The image goes out at once, so that a file that cannot even take its
  // tag fails here rather than at a later block.
  if (!id3v2_.empty() && (!WriteAll(id3v2_.data(), id3v2_.size()) || fflush(file_.get()) != 0)) {
    failed_ = true;
    return false;
  }
  return true;
}

bool Mp3Writer::WriteBlock16(const int16_t* left, const int16_t* right, int count) {
  if (!started_ || failed_) return false;
  const bool stereo = lame_get_num_channels(encoder_.get()) == 2;
  if (count < 0 || (count > 0 && (!left || (stereo && !right)))) {
    failed_ = true;
    return false;
  }
  for (int at = 0; at < count; at += chunkSamples_) {
    const int chunk = std::min(chunkSamples_, count - at);
    std::shared_lock<std::shared_mutex> lock(LameTablesLock());
    // LAME reads the right array only for two input channels.
    const int produced =
        lame_encode_buffer(encoder_.get(), left + at, stereo ? right + at : left + at, chunk,
                           buffer_.data(), static_cast<int>(buffer_.size()));
    lock.unlock();
    if (produced < 0 || !WriteAll(buffer_.data(), static_cast<size_t>(produced))) {
      failed_ = true;
      return false;
    }
  }
  return true;
}

bool Mp3Writer::WriteBlock8(const uint8_t* /*left*/, const uint8_t* /*right*/, int /*count*/) {
  if (file_) failed_ = true;
  return false;
}

bool Mp3Writer::Close() {
  if (!file_) return true;
  bool ok = started_ && !failed_;
  if (ok) {
    std::shared_lock<std::shared_mutex> lock(LameTablesLock());
    const int produced =
        lame_encode_flush(encoder_.get(), buffer_.data(), static_cast<int>(buffer_.size()));
    lock.unlock();
    if (produced < 0 || !WriteAll(buffer_.data(), static_cast<size_t>(produced))) ok = false;
    if (ok && !id3v1_.empty() && !WriteAll(id3v1_.data(), id3v1_.size())) ok = false;
    if (ok && lame_get_bWriteVbrTag(encoder_.get()) && !WriteInfoFrame()) ok = false;
  }
  // fclose writes out what stdio still holds; its failure is a lost tail.
  if (fclose(file_.release()) != 0) ok = false;
  encoder_.reset();
  id3v1_.clear();
  id3v2_.clear();
  path_.clear();
  started_ = false;
  failed_ = false;
  return ok;
}

bool Mp3Writer::WriteAll(const void* bytes, size_t size) {
  if (size == 0) return true;
  if (fwrite(bytes, 1, size, file_.get()) == size) return true;
  failed_ = true;
  return false;
}

bool Mp3Writer::WriteInfoFrame() {
  // The frame is at most one frame long: 1,441 bytes at 320 kbit/s and
  // 32000 Hz, the largest an MPEG audio frame gets.
  unsigned char frame[2880];
  const size_t size = lame_get_lametag_frame(encoder_.get(), frame, sizeof frame);
  // None when LAME turned its tag off, and then it wrote no placeholder.
  if (size == 0) return true;
  if (size > sizeof frame) return false;
  const long at = static_cast<long>(id3v2_.size());
  if (fflush(file_.get()) != 0 || fseek(file_.get(), at, SEEK_SET) != 0) {
    failed_ = true;
    return false;
  }
  return WriteAll(frame, size);
}

int Mp3Writer::InputRate() const {
  return encoder_ ? lame_get_in_samplerate(encoder_.get()) : 0;
}

int Mp3Writer::OutputRate() const {
  return encoder_ ? lame_get_out_samplerate(encoder_.get()) : 0;
}

int Mp3Writer::BitRate() const {
  return encoder_ ? lame_get_brate(encoder_.get()) : 0;
}

int Mp3Writer::Channels() const {
  return encoder_ ? lame_get_num_channels(encoder_.get()) : 0;
}

int Mp3Writer::Mode() const {
  return encoder_ ? static_cast<int>(lame_get_mode(encoder_.get())) : 0;
}
