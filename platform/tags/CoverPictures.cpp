#include "platform/tags/CoverPictures.h"

#include <taglib/aifffile.h>
#include <taglib/asffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4coverart.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/tfilestream.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

#include <algorithm>
#include <memory>

#include "platform/files/SourceFileOpen.h"
#include "platform/tags/TagStream.h"

namespace {

const char kMp4Pictures[] = "covr";
const char kAsfPicture[] = "WM/Picture";

TagLib::String Utf8(const std::string& text) {
  return TagLib::String(text, TagLib::String::UTF8);
}

std::vector<uint8_t> Bytes(const TagLib::ByteVector& bytes) {
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

TagLib::ByteVector Vector(const std::vector<uint8_t>& bytes) {
  return TagLib::ByteVector(reinterpret_cast<const char*>(bytes.data()),
                            static_cast<unsigned int>(bytes.size()));
}

std::vector<CoverPicture> FromId3(const TagLib::ID3v2::Tag* tag) {
  std::vector<CoverPicture> pictures;
  if (!tag) return pictures;
  for (const TagLib::ID3v2::Frame* frame : tag->frameList("APIC")) {
    const auto* apic = dynamic_cast<const TagLib::ID3v2::AttachedPictureFrame*>(frame);
    if (!apic) continue;
    pictures.push_back({static_cast<int>(apic->type()), apic->mimeType().to8Bit(true),
                        apic->description().to8Bit(true), Bytes(apic->picture())});
  }
  return pictures;
}

std::vector<CoverPicture> FromFlac(const TagLib::List<TagLib::FLAC::Picture*>& list) {
  std::vector<CoverPicture> pictures;
  for (const TagLib::FLAC::Picture* picture : list)
    pictures.push_back({static_cast<int>(picture->type()), picture->mimeType().to8Bit(true),
                        picture->description().to8Bit(true), Bytes(picture->data())});
  return pictures;
}

// MP4 names the image format, not a MIME type.
struct Mp4Format {
  TagLib::MP4::CoverArt::Format format;
  const char* mimeType;
};
const Mp4Format kMp4Formats[] = {
    {TagLib::MP4::CoverArt::JPEG, "image/jpeg"},
    {TagLib::MP4::CoverArt::PNG, "image/png"},
    {TagLib::MP4::CoverArt::GIF, "image/gif"},
    {TagLib::MP4::CoverArt::BMP, "image/bmp"},
};

std::vector<CoverPicture> FromMp4(const TagLib::MP4::Tag* tag) {
  std::vector<CoverPicture> pictures;
  if (!tag || !tag->contains(kMp4Pictures)) return pictures;
  for (const TagLib::MP4::CoverArt& art : tag->item(kMp4Pictures).toCoverArtList()) {
    CoverPicture picture;
    picture.data = Bytes(art.data());
    picture.mimeType = ImageMimeType(picture.data);
    for (const Mp4Format& known : kMp4Formats)
      if (known.format == art.format()) picture.mimeType = known.mimeType;
    pictures.push_back(std::move(picture));
  }
  return pictures;
}

std::vector<CoverPicture> FromAsf(const TagLib::ASF::Tag* tag) {
  std::vector<CoverPicture> pictures;
  if (!tag || !tag->contains(kAsfPicture)) return pictures;
  for (const TagLib::ASF::Attribute& attribute : tag->attribute(kAsfPicture)) {
    const TagLib::ASF::Picture picture = attribute.toPicture();
    if (!picture.isValid()) continue;
    pictures.push_back({static_cast<int>(picture.type()), picture.mimeType().to8Bit(true),
                        picture.description().to8Bit(true), Bytes(picture.picture())});
  }
  return pictures;
}

TagLib::FLAC::Picture* NewFlacPicture(const CoverPicture& picture) {
  auto* flac = new TagLib::FLAC::Picture();
  flac->setType(static_cast<TagLib::FLAC::Picture::Type>(picture.type));
  flac->setMimeType(Utf8(picture.mimeType));
  flac->setDescription(Utf8(picture.description));
  flac->setData(Vector(picture.data));
  return flac;
}

PictureWrite WriteMp3(TagLib::IOStream* stream, const std::vector<CoverPicture>& pictures) {
  TagLib::MPEG::File file(stream, TagLib::ID3v2::FrameFactory::instance(), false);
  if (!file.isValid()) return PictureWrite::FAILED;
  const bool had = file.hasID3v2Tag();
  TagLib::ID3v2::Tag* tag = file.ID3v2Tag(true);
  if (!tag->frameList("APIC").isEmpty()) return PictureWrite::ALREADY_HELD;
  const bool version4 = had && tag->header()->majorVersion() == 4;
  for (const CoverPicture& picture : pictures) {
    auto* frame = new TagLib::ID3v2::AttachedPictureFrame();
    const TagLib::String description = Utf8(picture.description);
    // ISO-8859-1 where it holds the text, as the frames of the texts are.
    if (!description.isLatin1())
      frame->setTextEncoding(version4 ? TagLib::String::UTF8 : TagLib::String::UTF16);
    frame->setType(static_cast<TagLib::ID3v2::AttachedPictureFrame::Type>(picture.type));
    frame->setMimeType(Utf8(picture.mimeType));
    frame->setDescription(description);
    frame->setPicture(Vector(picture.data));
    tag->addFrame(frame);
  }
  const bool saved =
      file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone,
                version4 ? TagLib::ID3v2::v4 : TagLib::ID3v2::v3, TagLib::File::DoNotDuplicate);
  return saved ? PictureWrite::WRITTEN : PictureWrite::FAILED;
}

// Ogg Vorbis and Opus: METADATA_BLOCK_PICTURE comments.
template <typename OggFile>
PictureWrite WriteXiph(TagLib::IOStream* stream, const std::vector<CoverPicture>& pictures) {
  OggFile file(stream, false);
  if (!file.isValid() || !file.tag()) return PictureWrite::FAILED;
  if (!file.tag()->pictureList().isEmpty()) return PictureWrite::ALREADY_HELD;
  for (const CoverPicture& picture : pictures) file.tag()->addPicture(NewFlacPicture(picture));
  return file.save() ? PictureWrite::WRITTEN : PictureWrite::FAILED;
}

PictureWrite WriteFlac(TagLib::IOStream* stream, const std::vector<CoverPicture>& pictures) {
  TagLib::FLAC::File file(stream, TagLib::ID3v2::FrameFactory::instance(), false);
  if (!file.isValid()) return PictureWrite::FAILED;
  if (!file.pictureList().isEmpty()) return PictureWrite::ALREADY_HELD;
  for (const CoverPicture& picture : pictures) file.addPicture(NewFlacPicture(picture));
  return file.save() ? PictureWrite::WRITTEN : PictureWrite::FAILED;
}

PictureWrite WriteMp4(TagLib::IOStream* stream, const std::vector<CoverPicture>& pictures) {
  TagLib::MP4::File file(stream, false);
  if (!file.isValid() || !file.tag()) return PictureWrite::FAILED;
  if (file.tag()->contains(kMp4Pictures)) return PictureWrite::ALREADY_HELD;
  TagLib::MP4::CoverArtList list;
  for (const CoverPicture& picture : pictures) {
    const std::string mimeType =
        picture.mimeType.empty() ? ImageMimeType(picture.data) : picture.mimeType;
    TagLib::MP4::CoverArt::Format format = TagLib::MP4::CoverArt::Unknown;
    for (const Mp4Format& known : kMp4Formats)
      if (mimeType == known.mimeType) format = known.format;
    if (mimeType == "image/jpg") format = TagLib::MP4::CoverArt::JPEG;
    list.append(TagLib::MP4::CoverArt(format, Vector(picture.data)));
  }
  file.tag()->setItem(kMp4Pictures, TagLib::MP4::Item(list));
  return file.save() ? PictureWrite::WRITTEN : PictureWrite::FAILED;
}

PictureWrite WriteAsf(TagLib::IOStream* stream, const std::vector<CoverPicture>& pictures) {
  TagLib::ASF::File file(stream, false);
  if (!file.isValid() || !file.tag()) return PictureWrite::FAILED;
  if (file.tag()->contains(kAsfPicture)) return PictureWrite::ALREADY_HELD;
  for (const CoverPicture& picture : pictures) {
    TagLib::ASF::Picture asf;
    asf.setType(static_cast<TagLib::ASF::Picture::Type>(picture.type));
    asf.setMimeType(Utf8(picture.mimeType));
    asf.setDescription(Utf8(picture.description));
    asf.setPicture(Vector(picture.data));
    // A value past 64 KiB goes to the header's metadata library object.
    file.tag()->addAttribute(kAsfPicture, TagLib::ASF::Attribute(asf));
  }
  return file.save() ? PictureWrite::WRITTEN : PictureWrite::FAILED;
}

uint32_t BigEndian32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}

// The segments before the scan data, a frame header among them, and an
// end marker after the scan's header.
bool IsWholeJpeg(const std::vector<uint8_t>& b) {
  if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return false;
  bool frame = false;
  for (size_t at = 2; at + 4 <= b.size();) {
    if (b[at] != 0xFF) return false;
    const uint8_t marker = b[at + 1];
    if (marker == 0xFF) {  // a fill byte
      ++at;
      continue;
    }
    if (marker == 0xD8 || marker == 0xD9) return false;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // markers without a length
      at += 2;
      continue;
    }
    const size_t length = size_t{b[at + 2]} << 8 | b[at + 3];
    if (length < 2 || length > b.size() - at - 2) return false;
    // The frame headers: SOF0 to SOF15 but DHT, JPG and DAC.
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
      frame = true;
    if (marker == 0xDA) {
      if (!frame) return false;
      for (size_t end = b.size() - 1; end > at + 2 + length; --end)
        if (b[end - 1] == 0xFF && b[end] == 0xD9) return true;
      return false;
    }
    at += 2 + length;
  }
  return false;
}

bool IsWholePng(const std::vector<uint8_t>& b) {
  static const uint8_t kSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (b.size() < sizeof kSignature || !std::equal(kSignature, kSignature + 8, b.begin()))
    return false;
  for (size_t at = 8; at + 12 <= b.size();) {
    const uint32_t length = BigEndian32(b, at);
    if (length > b.size() - at - 12) return false;
    const std::string type(b.begin() + static_cast<std::ptrdiff_t>(at + 4),
                           b.begin() + static_cast<std::ptrdiff_t>(at + 8));
    if (at == 8 && (type != "IHDR" || length != 13)) return false;
    if (type == "IEND") return true;
    at += 12 + length;
  }
  return false;
}

}  // namespace

std::vector<CoverPicture> ReadCoverPictures(const std::string& path) {
  // TagLib would open a file it is given by name for writing, and wait on
  // a named pipe.
  if (!IsRegularFile(path)) return {};
  TagLib::FileStream stream(path.c_str(), true);
  if (!stream.isOpen()) return {};
  const TagLib::FileRef ref(&stream, false);
  TagLib::File* file = ref.isNull() ? nullptr : ref.file();
  if (!file) return {};
  if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file))
    return FromId3(mpeg->hasID3v2Tag() ? mpeg->ID3v2Tag() : nullptr);
  if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(file))
    return FromId3(wav->hasID3v2Tag() ? wav->ID3v2Tag() : nullptr);
  if (auto* aiff = dynamic_cast<TagLib::RIFF::AIFF::File*>(file))
    return FromId3(aiff->hasID3v2Tag() ? aiff->tag() : nullptr);
  if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file)) return FromFlac(flac->pictureList());
  if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(file)) return FromMp4(mp4->tag());
  if (auto* asf = dynamic_cast<TagLib::ASF::File*>(file)) return FromAsf(asf->tag());
  if (auto* xiph = dynamic_cast<TagLib::Ogg::XiphComment*>(file->tag()))
    return FromFlac(xiph->pictureList());
  return {};
}

bool HoldsCoverPictures(const std::string& path) {
  return TagFormatOf(path) != TagFormat::NONE;
}

PictureWrite WriteCoverPictures(const std::string& path,
                                const std::vector<CoverPicture>& pictures) {
  const TagFormat format = TagFormatOf(path);
  if (format == TagFormat::NONE) return PictureWrite::FAILED;
  const std::unique_ptr<TagLib::FileStream> opened = OpenTagStreamForWriting(path);
  if (!opened) return PictureWrite::FAILED;
  TagLib::IOStream* stream = opened.get();
  switch (format) {
    case TagFormat::MP3:
      return WriteMp3(stream, pictures);
    case TagFormat::VORBIS:
      return WriteXiph<TagLib::Ogg::Vorbis::File>(stream, pictures);
    case TagFormat::OPUS:
      return WriteXiph<TagLib::Ogg::Opus::File>(stream, pictures);
    case TagFormat::FLAC:
      return WriteFlac(stream, pictures);
    case TagFormat::MP4:
      return WriteMp4(stream, pictures);
    case TagFormat::ASF:
      return WriteAsf(stream, pictures);
    case TagFormat::NONE:
      break;
  }
  return PictureWrite::FAILED;
}

std::string ImageMimeType(const std::vector<uint8_t>& bytes) {
  if (IsWholeJpeg(bytes)) return "image/jpeg";
  if (IsWholePng(bytes)) return "image/png";
  return std::string();
}
