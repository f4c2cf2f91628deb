#include "platform/tags/ReplayGainTags.h"

#include <taglib/asffile.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/textidentificationframe.h>
#include <taglib/vorbisfile.h>
#include <taglib/xiphcomment.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <utility>
#include <memory>
#include <vector>

#include "platform/tags/TagStream.h"

namespace {

std::string GainText(double gain) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f dB", gain);
  return text;
}

std::string PeakText(double peak) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6f", peak);
  return text;
}

// The NAME / value pairs of the given values, names in upper case.
std::vector<std::pair<std::string, std::string>> Fields(const ReplayGainValues& values) {
  std::vector<std::pair<std::string, std::string>> fields;
  if (values.trackGain) fields.emplace_back("REPLAYGAIN_TRACK_GAIN", GainText(*values.trackGain));
  if (values.trackPeak) fields.emplace_back("REPLAYGAIN_TRACK_PEAK", PeakText(*values.trackPeak));
  if (values.albumGain) fields.emplace_back("REPLAYGAIN_ALBUM_GAIN", GainText(*values.albumGain));
  if (values.albumPeak) fields.emplace_back("REPLAYGAIN_ALBUM_PEAK", PeakText(*values.albumPeak));
  return fields;
}

TagLib::String Utf8(const std::string& text) { return TagLib::String(text, TagLib::String::UTF8); }

bool WriteMp3(TagLib::IOStream* stream, const ReplayGainValues& values) {
  TagLib::MPEG::File file(stream, TagLib::ID3v2::FrameFactory::instance(), false);
  if (!file.isValid()) return false;
  const bool had = file.hasID3v2Tag();
  TagLib::ID3v2::Tag* tag = file.ID3v2Tag(true);
  const int version = had && tag->header()->majorVersion() == 4 ? 4 : 3;
  for (const auto& [name, value] : Fields(values)) {
    while (TagLib::ID3v2::UserTextIdentificationFrame* old =
               TagLib::ID3v2::UserTextIdentificationFrame::find(tag, Utf8(name)))
      tag->removeFrame(old);
    auto* frame = new TagLib::ID3v2::UserTextIdentificationFrame(TagLib::String::Latin1);
    frame->setDescription(Utf8(name));
    frame->setText(Utf8(value));
    tag->addFrame(frame);
  }
  return file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone,
                   version == 4 ? TagLib::ID3v2::v4 : TagLib::ID3v2::v3,
                   TagLib::File::DoNotDuplicate);
}

void SetComments(TagLib::Ogg::XiphComment& comment,
                 const std::vector<std::pair<std::string, std::string>>& fields) {
  for (const auto& [name, value] : fields) comment.addField(Utf8(name), Utf8(value), true);
}

bool WriteOpus(TagLib::IOStream* stream, const ReplayGainValues& values) {
  TagLib::Ogg::Opus::File file(stream, false);
  if (!file.isValid() || !file.tag()) return false;
  std::vector<std::pair<std::string, std::string>> fields;
  if (values.trackGain)
    fields.emplace_back("R128_TRACK_GAIN", std::to_string(OpusR128Gain(*values.trackGain)));
  if (values.albumGain)
    fields.emplace_back("R128_ALBUM_GAIN", std::to_string(OpusR128Gain(*values.albumGain)));
  SetComments(*file.tag(), fields);
  return file.save();
}

bool WriteMp4(TagLib::IOStream* stream, const ReplayGainValues& values) {
  TagLib::MP4::File file(stream, false);
  if (!file.isValid() || !file.tag()) return false;
  for (const auto& [name, value] : Fields(values)) {
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    file.tag()->setItem(Utf8("----:com.apple.iTunes:" + lower),
                        TagLib::MP4::Item(TagLib::StringList(Utf8(value))));
  }
  return file.save();
}

bool WriteAsf(TagLib::IOStream* stream, const ReplayGainValues& values) {
  TagLib::ASF::File file(stream, false);
  if (!file.isValid() || !file.tag()) return false;
  for (const auto& [name, value] : Fields(values))
    file.tag()->setAttribute(Utf8(name), TagLib::ASF::Attribute(Utf8(value)));
  return file.save();
}

}  // namespace

bool HoldsReplayGainTags(const std::string& path) { return TagFormatOf(path) != TagFormat::NONE; }

int OpusR128Gain(double replayGain) {
  // -18 LUFS reference to -23 LUFS reference: 5 dB less gain.
  const double steps = std::round((replayGain - 5.0) * 256.0);
  return static_cast<int>(std::clamp(steps, -32768.0, 32767.0));
}

bool WriteReplayGainTags(const std::string& path, const ReplayGainValues& values) {
  const TagFormat kind = TagFormatOf(path);
  if (kind == TagFormat::NONE) return false;
  const std::unique_ptr<TagLib::FileStream> opened = OpenTagStreamForWriting(path);
  if (!opened) return false;
  TagLib::IOStream* stream = opened.get();
  switch (kind) {
    case TagFormat::MP3: return WriteMp3(stream, values);
    case TagFormat::VORBIS: {
      TagLib::Ogg::Vorbis::File file(stream, false);
      if (!file.isValid() || !file.tag()) return false;
      SetComments(*file.tag(), Fields(values));
      return file.save();
    }
    case TagFormat::FLAC: {
      TagLib::FLAC::File file(stream, TagLib::ID3v2::FrameFactory::instance(), false);
      if (!file.isValid()) return false;
      SetComments(*file.xiphComment(true), Fields(values));
      return file.save();
    }
    case TagFormat::OPUS: return WriteOpus(stream, values);
    case TagFormat::MP4: return WriteMp4(stream, values);
    case TagFormat::ASF: return WriteAsf(stream, values);
    case TagFormat::NONE: return false;
  }
  return false;
}
