#include "codecs/writers/M4aWriter.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "platform/tags/MultiValueTags.h"
#include "source/TagReading.h"

namespace {

// The audio profile level of the file's object descriptor: high quality
// audio.
constexpr uint8_t kHighQualityAudioProfile = 0x0F;

}  // namespace

M4aWriter::M4aWriter(const AacEncoderSettings& settings, std::optional<M4aTag> tag)
    : settings_(settings), tag_(std::move(tag)) {}

M4aWriter::~M4aWriter() {
  Close();
}

bool M4aWriter::Open(const std::string& path, const WriterFormat& format) {
  if (file_ || !encoder_.Open(format, AAC_OUTPUT_RAW)) return false;
  file_.reset(Mp4Create(path));
  if (!file_) {
    encoder_.Close();
    return false;
  }
  if (!encoder_.Start(settings_) || !StartTrack(format)) {
    file_.reset();
    remove(path.c_str());
    encoder_.Close();
    return false;
  }
  if (tag_) SetMetadata(*tag_);
  path_ = path;
  failed_ = false;
  return true;
}

// The track's time scale is the sample rate, and so is the movie's: the
// edit list that skips the encoder's delay is then exact to the sample.
bool M4aWriter::StartTrack(const WriterFormat& format) {
  Mp4File* file = file_.get();
  if (!Mp4SetTimeScale(file, format.rate)) return false;
  track_ = Mp4AddAudioTrack(file, format.rate, kMp4Mpeg4AudioType);
  if (track_ == kMp4InvalidTrackId || !Mp4SetAudioProfileLevel(file, kHighQualityAudioProfile))
    return false;
  const std::vector<uint8_t> config = encoder_.DecoderSpecificInfo();
  if (config.empty() || !Mp4SetTrackESConfiguration(file, track_, config.data(),
                                                    static_cast<uint32_t>(config.size())))
    return false;
  framesOut_ = 0;
  return true;
}

// Texts that are empty or not valid UTF-8 are left out; so is a track
// number that is not positive.
void M4aWriter::SetMetadata(const M4aTag& tag) {
  Mp4File* file = file_.get();
  const auto set = [file](bool (*setter)(Mp4File*, const std::string&), const std::string& text) {
    if (!text.empty() && IsValidUtf8(text)) setter(file, text);
  };
  set(Mp4SetMetadataName, tag.texts.title);
  set(Mp4SetMetadataArtist, tag.texts.artist);
  set(Mp4SetMetadataAlbum, tag.texts.album);
  // The items hold 16 bits.
  const auto held = [](int32_t number) {
    return static_cast<uint16_t>(std::clamp(number, 0, 65535));
  };
  if (tag.track > 0)
    Mp4SetMetadataTrack(file, held(tag.track), held(TotalFromText(tag.texts.track)));
  const int32_t disc = TrackNumberFromText(tag.texts.disc);
  if (disc > 0) Mp4SetMetadataDisk(file, held(disc), held(TotalFromText(tag.texts.disc)));
  set(Mp4SetMetadataAlbumArtist, tag.texts.albumArtist);
  set(Mp4SetMetadataYear, tag.texts.year);
  set(Mp4SetMetadataGenre, tag.texts.genre);
  set(Mp4SetMetadataComment, tag.texts.comment);
  set(Mp4SetMetadataWriter, tag.texts.composer);
}

// The items hold one value each as the file is made; several artists or
// genres are written into the finished file as lists. A tag with one value
// of each leaves the file as it is.
bool M4aWriter::WriteFurtherValues(const TagInfo& texts) const {
  if (texts.moreArtists.empty() && texts.moreGenres.empty()) return true;
  return WriteMultiValueTags(path_, FieldValues(texts.artist, texts.moreArtists),
                             FieldValues(texts.genre, texts.moreGenres));
}

bool M4aWriter::WriteBlock16(const int16_t* left, const int16_t* right, int count) {
  if (!file_ || failed_) return false;
  if (encoder_.Write16(left, right, count, *this)) return true;
  failed_ = true;
  return false;
}

bool M4aWriter::WriteBlock8(const uint8_t* left, const uint8_t* right, int count) {
  if (!file_ || failed_) return false;
  if (encoder_.Write8(left, right, count, *this)) return true;
  failed_ = true;
  return false;
}

bool M4aWriter::Close() {
  if (!file_) return true;
  bool ok = !failed_ && encoder_.Finish(*this) && encoder_.FramesIn() > 0;
  if (!Mp4Close(file_.release())) ok = false;
  if (ok && tag_) ok = WriteFurtherValues(tag_->texts);
  encoder_.Close();
  track_ = kMp4InvalidTrackId;
  framesOut_ = 0;
  failed_ = false;
  return ok;
}

// A frame lasts one frame length, but never longer than what the input
// still covers: the input frames plus the one frame of the encoder's delay
// less what is stored already. The first frame's rendering offset is that
// delay.
bool M4aWriter::StoreFrame(const uint8_t* bytes, size_t size) {
  const uint64_t frameLength = encoder_.FrameLength();
  const uint64_t covered = encoder_.FramesIn() + frameLength;
  const uint64_t duration =
      covered >= framesOut_ ? std::min(covered - framesOut_, frameLength) : frameLength;
  const int64_t offset = framesOut_ == 0 ? static_cast<int64_t>(frameLength) : 0;
  if (size > UINT32_MAX || !Mp4WriteSample(file_.get(), track_, bytes, static_cast<uint32_t>(size),
                                           duration, offset, true))
    return false;
  framesOut_ += duration;
  return true;
}
