#include "cli/FormatFlags.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <ostream>

#include "app/ConvertSettings.h"
#include "app/OutputFormat.h"
#include "convert/Mp3Output.h"
#include "convert/OggOutput.h"
#include "convert/WmaOutput.h"
#include "platform/settings/SettingsKey.h"
#include "platform/wma/WmaRuntime.h"

namespace {

// The options that the format flags set for one output format; null where
// the format has no such option (AMR and AWB have fixed rates, WAV has no
// bit rate, AAC takes no tags).
struct FormatOptionNames {
  uint32_t format;
  const char* automatic;  // the switch that takes the values from the source
  const char* bitRate;    // kbit/s, or bit/s when `bitsPerSecond`
  bool bitsPerSecond;
  const char* averageMode;  // switched off so that the bit rate counts
  const char* sampleRate;
  const char* channels;
  const char* tag;
};

const FormatOptionNames kFormatOptions[] = {
    {FORMAT_MP3, "AutoDestMP3EncodingParam", "MP3BitRate", false, "MP3VBR", "MP3SampleRate",
     "MP3ChannelMode", "MP3ID3TagType"},
    {FORMAT_WAV, "AutoDestWAVEncodingParam", nullptr, false, nullptr, "WAVSampleRate",
     "WAVChannelNum", nullptr},
    {FORMAT_WMA, "AutoDestWMAEncodingParam", "WMABitRate", true, nullptr, "WMASampleRate",
     "WMAChannels", "WMAID3TagType"},
    {FORMAT_OGG, "AutoDestOGGEncodingParam", "OGGBitRate", false, "OGGQualityMode", "OGGSampleRate",
     "OGGChannels", "OGGID3TagType"},
    {FORMAT_AAC, "AutoDestAACEncodingParam", "AACABRBitRate", false, "AACVBR", nullptr, nullptr,
     nullptr},
    {FORMAT_M4A, "AutoDestM4AEncodingParam", "M4AABRBitRate", false, "M4AVBR", nullptr, nullptr,
     "M4AID3TagType"},
    {FORMAT_MP4, "AutoDestM4AEncodingParam", "M4AABRBitRate", false, "M4AVBR", nullptr, nullptr,
     "M4AID3TagType"},
    {FORMAT_M4B, "AutoDestM4AEncodingParam", "M4AABRBitRate", false, "M4AVBR", nullptr, nullptr,
     "M4AID3TagType"},
    {FORMAT_AMR, nullptr, nullptr, false, nullptr, nullptr, nullptr, nullptr},
    {FORMAT_AWB, nullptr, nullptr, false, nullptr, nullptr, nullptr, nullptr},
    {FORMAT_FLAC, "AutoDestFLACEncodingParam", nullptr, false, nullptr, "FLACSampleRate",
     "FLACChannels", "FLACTagType"},
    // Opus always takes the source's rate.
    {FORMAT_OPUS, "AutoDestOpusEncodingParam", "OpusBitRate", false, nullptr, nullptr,
     "OpusChannels", "OpusTagType"},
};

// The formats with a quality level, for --quality: the switch that turns a
// quality mode on (none where the level applies in automatic mode too and
// leaves the bit rate alone: FLAC's compression level, Opus's complexity),
// the option that holds the level and the levels it takes.
struct QualityOptionNames {
  uint32_t format;
  const char* mode;
  const char* level;
  int low, high;
  const char* scale;  // what the levels mean, for messages
};

const QualityOptionNames kQualityOptions[] = {
    {FORMAT_MP3, "MP3VBR", "MP3VBRQuality", 0, 9, "0 best, 9 smallest"},
    {FORMAT_OGG, "OGGQualityMode", "OGGQuality", -1, 10, "-1 smallest, 10 best"},
    {FORMAT_FLAC, nullptr, "FLACCompressionLevel", 0, 8, "0 fastest, 8 smallest"},
    {FORMAT_OPUS, nullptr, "OpusComplexity", 0, 10, "0 fastest, 10 best sound"},
};

const QualityOptionNames* QualityOptionsOf(uint32_t format) {
  for (const QualityOptionNames& names : kQualityOptions)
    if (names.format == format) return &names;
  return nullptr;
}

// The assignments of --quality for the output format of `settings`: the
// level and the quality mode; empty with a message on `err` when the format
// has no quality level or the value is not one of its levels.
std::vector<std::string> QualityAssignments(const std::string& value,
                                            const ConvertSettings& settings, std::ostream& err) {
  const QualityOptionNames* names = QualityOptionsOf(settings.outputFormat);
  if (!names) {
    err << "sondrel-cli: --quality does not apply to "
        << OutputFormatDisplayName(settings.outputFormat)
        << " output; only MP3 (0 to 9), OGG (-1 to 10), FLAC (0 to 8) and Opus (0 to 10) have a "
           "quality level.\n";
    return {};
  }
  const bool negative = !value.empty() && value[0] == '-';
  const std::optional<uint32_t> magnitude = ParseUint32(negative ? value.substr(1) : value);
  const int64_t level = magnitude ? (negative ? -int64_t{*magnitude} : int64_t{*magnitude}) : 0;
  if (!magnitude || level < names->low || level > names->high) {
    err << "sondrel-cli: --quality takes a whole number from " << names->low << " to "
        << names->high << " for " << OutputFormatDisplayName(names->format) << " (" << names->scale
        << "), not \"" << value << "\".\n";
    return {};
  }
  std::vector<std::string> assignments = {std::string(names->level) + "=" + std::to_string(level)};
  if (names->mode) assignments.push_back(std::string(names->mode) + "=on");
  return assignments;
}

const FormatOptionNames* FormatOptionsOf(uint32_t format) {
  for (const FormatOptionNames& names : kFormatOptions)
    if (names.format == format) return &names;
  return nullptr;
}

// A number as a person reads it: 22,050.
std::string Grouped(uint32_t number) {
  std::string text = std::to_string(number);
  for (int at = static_cast<int>(text.size()) - 3; at > 0; at -= 3)
    text.insert(static_cast<size_t>(at), ",");
  return text;
}

// "NAME=VALUE" for the option of `format` that `flag` sets, with the value
// as the catalogue takes it; "" with a message on `err` when the format has
// no such option or the value is not one the flag takes.
std::string FormatAssignment(const Arguments::Flag& flag, const FormatOptionNames& names,
                             std::ostream& err) {
  const std::string formatName = OutputFormatDisplayName(names.format);
  const char* option = flag.name == "--bitrate"    ? names.bitRate
                       : flag.name == "--rate"     ? names.sampleRate
                       : flag.name == "--channels" ? names.channels
                                                   : names.tag;
  if (!option) {
    err << "sondrel-cli: " << flag.name << " does not apply to " << formatName << " output.\n";
    return std::string();
  }
  std::string value = flag.value;
  if (flag.name == "--bitrate" || flag.name == "--rate") {
    const std::optional<uint32_t> number = ParseUint32(value);
    const uint32_t scale = flag.name == "--bitrate" && names.bitsPerSecond ? 1000 : 1;
    if (!number || *number == 0 || *number > UINT32_MAX / scale) {
      err << "sondrel-cli: " << flag.name << " takes a whole number above 0"
          << (flag.name == "--bitrate" ? " (kbit/s)" : " (Hz)") << ", not \"" << value << "\".\n";
      return std::string();
    }
    value = std::to_string(*number * scale);
    if (flag.name == "--rate" && names.format == FORMAT_MP3 &&
        std::find(std::begin(kMp3OutputRates), std::end(kMp3OutputRates), *number) ==
            std::end(kMp3OutputRates)) {
      const size_t count = std::size(kMp3OutputRates);
      std::string taken;
      for (size_t i = 0; i < count; ++i)
        taken += (i == 0           ? ""
                  : i + 1 == count ? " or "
                                   : ", ") +
                 std::to_string(kMp3OutputRates[i]);
      err << "sondrel-cli: MP3 cannot be written at " << Grouped(*number) << " Hz; --rate takes "
          << taken << ".\n";
      return std::string();
    }
  } else if (flag.name == "--channels") {
    if (value == "1" || value == "mono") {
      value = "mono";
    } else if (value == "2" || value == "stereo") {
      value = "stereo";
    } else {
      err << "sondrel-cli: --channels takes 1, 2, mono or stereo, not \"" << value << "\".\n";
      return std::string();
    }
  }
  return std::string(option) + "=" + value;
}

// "22,050 Hz mono", for a rate and a channel count the output is written with.
std::string RateAndChannels(uint32_t rate, uint32_t channels) {
  return Grouped(rate) + " Hz " + (channels == 1 ? "mono" : "stereo");
}

int AsInt(uint32_t value) {
  return static_cast<int>(std::min<uint32_t>(value, INT_MAX));
}

// Which format flags the command line gave.
struct GivenFlags {
  bool bitRate = false;
  bool rate = false;
};

// "at most 80 kbit/s" or "at least 32 kbit/s": the side of a limit that
// moved the bit rate from `wanted` to `used`.
std::string LimitText(int wanted, int used) {
  return std::string(used < wanted ? "at most " : "at least ") + std::to_string(used) + " kbit/s";
}

// The MP3 rules (a rate the encoder cannot write was refused with its flag):
// a bit rate goes to the nearest of MP3's bit rates, then within what the
// output rate allows.
bool CheckMp3Values(const GivenFlags& given, const ConvertSettings& settings, std::ostream& err) {
  const uint32_t rate = settings.mp3SampleRate;
  if (!given.bitRate) return true;
  const int wanted = AsInt(settings.mp3BitRate);
  const int rounded = RoundMp3BitRate(wanted);
  // Without a rate of its own the output takes each source's rate, whose
  // limit is not known yet.
  const int used = rate != 0 ? LimitMp3BitRate(rounded, AsInt(rate)) : rounded;
  if (used != rounded)
    err << "sondrel-cli: MP3 allows " << LimitText(rounded, used) << " at " << Grouped(rate)
        << " Hz; " << used << " is used.\n";
  else if (used != wanted)
    err << "sondrel-cli: MP3 has no bit rate of " << wanted << " kbit/s; the nearest, " << used
        << ", is used.\n";
  return true;
}

// The OGG rules: the stream is encoded at the nearest rate the encoder has
// limits for; a bit rate goes to the nearest of the list, then within the
// limits of that rate and the channel count.
void CheckOggValues(const GivenFlags& given, const ConvertSettings& settings, std::ostream& err) {
  const uint32_t rate = settings.oggSampleRate;
  if (given.rate && OggEncodingRate(rate) != rate)
    err << "sondrel-cli: OGG does not encode at " << Grouped(rate) << " Hz; the nearest rate it "
        << "does, " << Grouped(OggEncodingRate(rate)) << " Hz, is used.\n";
  if (!given.bitRate) return;
  const int wanted = AsInt(settings.oggBitRate);
  const int rounded = RoundOggBitRate(wanted);
  int used = rounded;
  // The limits are those of the rate and channels written, known here when
  // the options fix both rather than taking them from each source.
  if (rate != 0 && settings.oggChannels != 0) {
    const OggChoice choice = ChooseOggSettings(settings, 0, SourceInfo());
    used = choice.bitRate;
    if (used != rounded) {
      err << "sondrel-cli: OGG allows " << LimitText(rounded, used) << " at "
          << RateAndChannels(choice.input.rate, choice.input.channels) << "; " << used
          << " is used.\n";
      return;
    }
  }
  if (used != wanted)
    err << "sondrel-cli: OGG has no bit rate of " << wanted << " kbit/s; the nearest, " << used
        << ", is used.\n";
}

// "96", or "95.5" for a bit rate in bit/s that is not whole kbit/s.
std::string Kbps(uint32_t bitsPerSecond) {
  std::string text = std::to_string(bitsPerSecond / 1000);
  if (bitsPerSecond % 1000 == 0) return text;
  std::string fraction = std::to_string(1000 + bitsPerSecond % 1000).substr(1);
  while (fraction.back() == '0') fraction.pop_back();
  return text + "." + fraction;
}

// WMA is written in one of the codec formats of the runtime's list; the
// nearest to the rate, bit rate and channels asked for is the one used.
void CheckWmaValues(const GivenFlags& given, const ConvertSettings& settings, std::ostream& err) {
  if ((!given.bitRate && !given.rate) || !LoadWmaRuntime()) return;
  const WmaTarget wanted = ChooseWmaTarget(settings, SourceInfo());
  const WmaFormat* format =
      ProgramWmaFormats().FindFormat(wanted.rate, wanted.bitRate, wanted.channels);
  if (!format || (format->wave.samplesPerSec == wanted.rate && format->bitRate == wanted.bitRate))
    return;
  err << "sondrel-cli: WMA has no codec format of " << Kbps(wanted.bitRate) << " kbit/s at "
      << RateAndChannels(wanted.rate, wanted.channels) << "; the nearest, " << format->description
      << ", is used.\n";
}

}  // namespace

bool IsFormatFlag(const std::string& name) {
  return name == "--bitrate" || name == "--rate" || name == "--channels" || name == "--tag" ||
         name == "--quality";
}

bool ApplyFormatFlags(const std::vector<Arguments::Flag>& flags, ConvertSettings& settings,
                      std::ostream& err) {
  if (flags.empty()) return true;
  const FormatOptionNames* names = FormatOptionsOf(settings.outputFormat);
  if (!names) {
    err << "sondrel-cli: " << flags.front().name << " needs a known output format (--to).\n";
    return false;
  }
  const auto named = [&](const char* name) {
    return std::any_of(flags.begin(), flags.end(),
                       [&](const Arguments::Flag& flag) { return flag.name == name; });
  };
  const QualityOptionNames* quality = QualityOptionsOf(settings.outputFormat);
  if (named("--quality") && named("--bitrate") && quality && quality->mode) {
    err << "sondrel-cli: --quality and --bitrate exclude each other: the quality level decides "
           "the bit rate.\n";
    return false;
  }
  GivenFlags given;
  for (const Arguments::Flag& flag : flags) {
    std::vector<std::string> assignments;
    if (flag.name == "--quality") {
      assignments = QualityAssignments(flag.value, settings, err);
    } else {
      assignments.push_back(FormatAssignment(flag, *names, err));
      if (assignments.back().empty()) assignments.clear();
    }
    if (assignments.empty()) return false;
    for (const std::string& assignment : assignments)
      if (!ApplyAssignmentArgument(assignment, settings, err)) return false;
    // The tag, and a level that applies in automatic mode too, leave that
    // mode as it is.
    if (flag.name == "--tag" || (flag.name == "--quality" && !quality->mode)) continue;
    given.bitRate = given.bitRate || flag.name == "--bitrate";
    given.rate = given.rate || flag.name == "--rate";
    if (!ApplyAssignmentArgument(std::string(names->automatic) + "=off", settings, err))
      return false;
    if (flag.name == "--bitrate" && names->averageMode &&
        !ApplyAssignmentArgument(std::string(names->averageMode) + "=off", settings, err))
      return false;
  }
  // The values as the run's settings hold them, after every flag.
  if (settings.outputFormat == FORMAT_MP3) return CheckMp3Values(given, settings, err);
  if (settings.outputFormat == FORMAT_OGG) CheckOggValues(given, settings, err);
  if (settings.outputFormat == FORMAT_WMA) CheckWmaValues(given, settings, err);
  return true;
}
