#include "codecs/writers/OpusWriter.h"

#include <opus/opusenc.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <utility>

#include "codecs/writers/VorbisComments.h"
#include "platform/files/OutputFile.h"

namespace {

// The highest input rate the encoder's resampler takes.
constexpr uint32_t kMaxInputRate = 768000;

// libopusenc's page output over the writer's stdio stream: 0 when every
// byte was written, else 1, which makes the encoder's call fail.
int WritePage(void* file, const unsigned char* bytes, opus_int32 size) {
  const auto wanted = static_cast<size_t>(size);
  return fwrite(bytes, 1, wanted, static_cast<FILE*>(file)) == wanted ? 0 : 1;
}

// The writer closes its stream itself, to see whether the close succeeded.
int KeepOpen(void* /*file*/) {
  return 0;
}

}  // namespace

// The encoder and its comments; both are freed when the object goes.
struct OpusWriter::Encoder {
  OggOpusComments* comments = ope_comments_create();
  OggOpusEnc* encoder = nullptr;

  ~Encoder() {
    if (encoder) ope_encoder_destroy(encoder);
    if (comments) ope_comments_destroy(comments);
  }
  Encoder() = default;
  Encoder(const Encoder&) = delete;
  Encoder& operator=(const Encoder&) = delete;
};

OpusWriter::OpusWriter(OpusSettings settings) : settings_(std::move(settings)) {}

OpusWriter::~OpusWriter() {
  Close();
}

bool OpusWriter::Open(const std::string& path, const WriterFormat& format) {
  if (file_ || format.bits != 16 || (format.channels != 1 && format.channels != 2) ||
      format.rate == 0 || format.rate > kMaxInputRate)
    return false;
  auto encoder = std::make_unique<Encoder>();
  if (!encoder->comments) return false;
  for (const auto& [name, text] : VorbisCommentFields(settings_.comments))
    if (ope_comments_add(encoder->comments, name.c_str(), text.c_str()) != OPE_OK) return false;

  file_.reset(OpenOutputStream(path));
  if (!file_) return false;
  const auto fail = [&] {
    encoder.reset();
    file_.reset();
    remove(path.c_str());
    return false;
  };
  static const OpusEncCallbacks callbacks = {WritePage, KeepOpen};
  int error = OPE_OK;
  // Mapping family 0: mono or stereo in one stream.
  encoder->encoder =
      ope_encoder_create_callbacks(&callbacks, file_.get(), encoder->comments,
                                   static_cast<opus_int32>(format.rate),
                                   static_cast<int>(format.channels), 0, &error);
  if (!encoder->encoder || error != OPE_OK) return fail();
  OggOpusEnc* e = encoder->encoder;
  // A serial of its own for each stream, so that outputs chained into one
  // file stay apart.
  std::random_device random;
  const int bitRate = std::clamp(settings_.bitsPerSecond, 6000, 510000);
  const bool configured =
      ope_encoder_ctl(e, OPE_SET_SERIALNO(static_cast<opus_int32>(random() & 0x7FFFFFFF))) ==
          OPE_OK &&
      ope_encoder_ctl(e, OPUS_SET_BITRATE(bitRate)) == OPE_OK &&
      ope_encoder_ctl(e, OPUS_SET_VBR(settings_.mode == OpusRateMode::CBR ? 0 : 1)) == OPE_OK &&
      ope_encoder_ctl(e, OPUS_SET_VBR_CONSTRAINT(
                             settings_.mode == OpusRateMode::CONSTRAINED_VBR ? 1 : 0)) == OPE_OK &&
      ope_encoder_ctl(e, OPUS_SET_COMPLEXITY(std::clamp(settings_.complexity, 0, 10))) == OPE_OK;
  // The headers go out now, so a file that cannot even take them fails here.
  if (!configured || ope_encoder_flush_header(e) != OPE_OK || fflush(file_.get()) != 0)
    return fail();
  encoder_ = std::move(encoder);
  channels_ = static_cast<int>(format.channels);
  failed_ = false;
  return true;
}

bool OpusWriter::WriteBlock16(const int16_t* left, const int16_t* right, int count) {
  if (!file_ || failed_) return false;
  if (count < 0 || (count > 0 && (!left || (channels_ == 2 && !right)))) {
    failed_ = true;
    return false;
  }
  if (count == 0) return true;
  const int16_t* samples = left;
  if (channels_ == 2) {
    interleaved_.resize(static_cast<size_t>(count) * 2);
    for (int i = 0; i < count; ++i) {
      interleaved_[static_cast<size_t>(i) * 2] = left[i];
      interleaved_[static_cast<size_t>(i) * 2 + 1] = right[i];
    }
    samples = interleaved_.data();
  }
  if (ope_encoder_write(encoder_->encoder, samples, count) != OPE_OK) {
    failed_ = true;
    return false;
  }
  return true;
}

bool OpusWriter::WriteBlock8(const uint8_t* /*left*/, const uint8_t* /*right*/, int /*count*/) {
  if (file_) failed_ = true;
  return false;
}

bool OpusWriter::Close() {
  if (!file_) {
    encoder_.reset();
    return true;
  }
  // Draining encodes the samples the encoder still holds (padded to its
  // frame) and writes the last page, whose granule position marks the end
  // of the samples written.
  bool ok = !failed_ && ope_encoder_drain(encoder_->encoder) == OPE_OK;
  encoder_.reset();
  // fclose writes out what stdio still holds; its failure is a lost tail.
  if (fclose(file_.release()) != 0) ok = false;
  channels_ = 0;
  failed_ = false;
  return ok;
}
