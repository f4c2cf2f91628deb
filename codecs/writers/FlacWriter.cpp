#include "codecs/writers/FlacWriter.h"

#include <FLAC/metadata.h>
#include <FLAC/stream_encoder.h>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "codecs/writers/VorbisComments.h"
#include "platform/files/OutputFile.h"

namespace {

// The seek table's spacing, and the length assumed when the source does not
// tell its own.
constexpr uint64_t kSeekSpacingSeconds = 10;
constexpr uint64_t kUnknownLengthSeconds = 3600;

// libFLAC's stream callbacks over the writer's stdio stream. Every failed
// write makes the encoder stop with an error, which the block call and
// Close report.
FLAC__StreamEncoderWriteStatus WriteBytes(const FLAC__StreamEncoder* /*encoder*/,
                                          const FLAC__byte buffer[], size_t bytes,
                                          uint32_t /*samples*/, uint32_t /*frame*/,
                                          void* file) {
  return fwrite(buffer, 1, bytes, static_cast<FILE*>(file)) == bytes
             ? FLAC__STREAM_ENCODER_WRITE_STATUS_OK
             : FLAC__STREAM_ENCODER_WRITE_STATUS_FATAL_ERROR;
}

FLAC__StreamEncoderSeekStatus SeekTo(const FLAC__StreamEncoder* /*encoder*/, FLAC__uint64 offset,
                                     void* file) {
  return fseeko(static_cast<FILE*>(file), static_cast<off_t>(offset), SEEK_SET) == 0
             ? FLAC__STREAM_ENCODER_SEEK_STATUS_OK
             : FLAC__STREAM_ENCODER_SEEK_STATUS_ERROR;
}

FLAC__StreamEncoderTellStatus TellWhere(const FLAC__StreamEncoder* /*encoder*/,
                                        FLAC__uint64* offset, void* file) {
  const off_t at = ftello(static_cast<FILE*>(file));
  if (at < 0) return FLAC__STREAM_ENCODER_TELL_STATUS_ERROR;
  *offset = static_cast<FLAC__uint64>(at);
  return FLAC__STREAM_ENCODER_TELL_STATUS_OK;
}

}  // namespace

// The encoder and the metadata blocks it was given, which libFLAC uses
// (without copying them) until it finishes.
struct FlacWriter::Encoder {
  FLAC__StreamEncoder* encoder = FLAC__stream_encoder_new();
  FLAC__StreamMetadata* comments = FLAC__metadata_object_new(FLAC__METADATA_TYPE_VORBIS_COMMENT);
  FLAC__StreamMetadata* seekTable = FLAC__metadata_object_new(FLAC__METADATA_TYPE_SEEKTABLE);
  std::vector<FLAC__int32> left, right;
  uint64_t written = 0;  // frames per channel handed to the encoder

  ~Encoder() {
    if (encoder) FLAC__stream_encoder_delete(encoder);
    if (comments) FLAC__metadata_object_delete(comments);
    if (seekTable) FLAC__metadata_object_delete(seekTable);
  }
  Encoder() = default;
  Encoder(const Encoder&) = delete;
  Encoder& operator=(const Encoder&) = delete;

  bool Ready() const { return encoder && comments && seekTable; }
};

FlacWriter::FlacWriter(FlacSettings settings) : settings_(std::move(settings)) {}

FlacWriter::~FlacWriter() {
  Close();
}

bool FlacWriter::Open(const std::string& path, const WriterFormat& format) {
  if (file_ || (format.bits != 8 && format.bits != 16) ||
      (format.channels != 1 && format.channels != 2) || format.rate == 0 ||
      format.rate > FLAC__MAX_SAMPLE_RATE)
    return false;
  auto encoder = std::make_unique<Encoder>();
  if (!encoder->Ready()) return false;
  for (const auto& [name, text] : VorbisCommentFields(settings_.comments)) {
    FLAC__StreamMetadata_VorbisComment_Entry entry;
    if (!FLAC__metadata_object_vorbiscomment_entry_from_name_value_pair(&entry, name.c_str(),
                                                                       text.c_str()) ||
        !FLAC__metadata_object_vorbiscomment_append_comment(encoder->comments, entry, false))
      return false;
  }
  const uint64_t spacing = kSeekSpacingSeconds * format.rate;
  const uint64_t expected = settings_.expectedFrames != 0
                                ? settings_.expectedFrames + settings_.expectedFrames / 8
                                : kUnknownLengthSeconds * format.rate;
  // The first point, at 0, and one every ten seconds up to the expected end.
  if (!FLAC__metadata_object_seektable_template_append_spaced_points_by_samples(
          encoder->seekTable, static_cast<uint32_t>(spacing), expected + 1))
    return false;

  // libFLAC always computes the MD5 signature of the audio it encodes.
  FLAC__StreamEncoder* e = encoder->encoder;
  FLAC__StreamMetadata* metadata[] = {encoder->comments, encoder->seekTable};
  const bool configured =
      FLAC__stream_encoder_set_channels(e, format.channels) &&
      FLAC__stream_encoder_set_bits_per_sample(e, format.bits) &&
      FLAC__stream_encoder_set_sample_rate(e, format.rate) &&
      FLAC__stream_encoder_set_compression_level(
          e, static_cast<uint32_t>(std::clamp(settings_.compressionLevel, 0, 8))) &&
      FLAC__stream_encoder_set_total_samples_estimate(e, settings_.expectedFrames) &&
      FLAC__stream_encoder_set_metadata(e, metadata, 2);
  if (!configured) return false;

  file_.reset(OpenOutputStream(path));
  if (!file_) return false;
  // The metadata blocks are written here; a file that cannot take them
  // fails now.
  if (FLAC__stream_encoder_init_stream(e, WriteBytes, SeekTo, TellWhere, nullptr, file_.get()) !=
          FLAC__STREAM_ENCODER_INIT_STATUS_OK ||
      fflush(file_.get()) != 0) {
    FLAC__stream_encoder_delete(e);
    encoder->encoder = nullptr;
    file_.reset();
    remove(path.c_str());
    return false;
  }
  encoder_ = std::move(encoder);
  format_ = format;
  failed_ = false;
  return true;
}

template <typename Sample>
bool FlacWriter::Encode(const Sample* left, const Sample* right, int count, int bits) {
  if (!file_ || failed_) return false;
  if (count < 0 || static_cast<uint32_t>(bits) != format_.bits ||
      (count > 0 && (!left || (format_.channels == 2 && !right)))) {
    failed_ = true;
    return false;
  }
  if (count == 0) return true;
  Encoder& e = *encoder_;
  // 8-bit samples arrive unsigned, 128 being silence; FLAC stores them signed.
  const FLAC__int32 offset = bits == 8 ? 128 : 0;
  const size_t frames = static_cast<size_t>(count);
  e.left.resize(frames);
  e.right.resize(frames);
  for (size_t i = 0; i < frames; ++i) e.left[i] = left[i] - offset;
  if (format_.channels == 2)
    for (size_t i = 0; i < frames; ++i) e.right[i] = right[i] - offset;
  const FLAC__int32* channels[] = {e.left.data(), e.right.data()};
  if (!FLAC__stream_encoder_process(e.encoder, channels, static_cast<uint32_t>(count))) {
    failed_ = true;
    return false;
  }
  e.written += frames;
  return true;
}

bool FlacWriter::WriteBlock16(const int16_t* left, const int16_t* right, int count) {
  return Encode(left, right, count, 16);
}

bool FlacWriter::WriteBlock8(const uint8_t* left, const uint8_t* right, int count) {
  return Encode(left, right, count, 8);
}

bool FlacWriter::Close() {
  if (!file_) {
    encoder_.reset();
    return true;
  }
  bool ok = !failed_;
  // Points past the end the stream reached were never filled in: they become
  // placeholders, which readers skip, rather than points at offset 0. libFLAC
  // sorts them to the end as it writes the table.
  FLAC__StreamMetadata_SeekTable& table = encoder_->seekTable->data.seek_table;
  for (uint32_t i = 0; i < table.num_points; ++i) {
    if (table.points[i].sample_number >= encoder_->written) {
      table.points[i].sample_number = FLAC__STREAM_METADATA_SEEKPOINT_PLACEHOLDER;
      table.points[i].stream_offset = 0;
      table.points[i].frame_samples = 0;
    }
  }
  // Finishing encodes the last frame and writes the length, the MD5
  // signature and the seek table over their places in the header.
  if (!FLAC__stream_encoder_finish(encoder_->encoder)) ok = false;
  // fclose writes out what stdio still holds; its failure is a lost tail.
  if (fclose(file_.release()) != 0) ok = false;
  encoder_.reset();
  failed_ = false;
  return ok;
}
