#include "app/SettingEffect.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/ConvertSettings.h"
#include "app/OutputFormat.h"
#include "app/SettingsCatalog.h"

namespace {

// The output formats whose options start with `prefix`.
struct FormatPrefix {
  const char* prefix;
  std::vector<uint32_t> formats;
};

// The first prefix that starts an option's name gives its formats; a
// preset value ("MP3Tag/Artist") goes by its subkey's first three letters.
const std::vector<FormatPrefix>& FormatPrefixes() {
  static const std::vector<FormatPrefix> prefixes = {
      {"AutoDestMP3", {FORMAT_MP3}},  {"AmplifyMp3", {FORMAT_MP3}},  {"MP3", {FORMAT_MP3}},
      {"AutoDestWAV", {FORMAT_WAV}},  {"AmplifyWav", {FORMAT_WAV}},  {"WAV", {FORMAT_WAV}},
      {"AutoDestWMA", {FORMAT_WMA}},  {"AmplifyWMA", {FORMAT_WMA}},  {"WMA", {FORMAT_WMA}},
      {"AutoDestOGG", {FORMAT_OGG}},  {"AmplifyOGG", {FORMAT_OGG}},  {"OGG", {FORMAT_OGG}},
      {"AutoDestAAC", {FORMAT_AAC}},  {"AmplifyAAC", {FORMAT_AAC}},  {"AAC", {FORMAT_AAC}},
      {"AutoDestM4A", {FORMAT_M4A, FORMAT_MP4, FORMAT_M4B}},
      {"AmplifyM4A", {FORMAT_M4A, FORMAT_MP4, FORMAT_M4B}},
      {"M4A", {FORMAT_M4A, FORMAT_MP4, FORMAT_M4B}},
      {"AmplifyAMR", {FORMAT_AMR, FORMAT_AWB}},
      {"AMR", {FORMAT_AMR}},
      {"AWB", {FORMAT_AWB}},
  };
  return prefixes;
}

// An option and what must hold for it to count. "*" in either stands for
// a preset's subkey ("MP3Tag"), whose first three letters name its format.
struct Condition {
  const char* option;
  const char* needs;
};

// In the order they are checked: the first condition that does not hold
// is the one reported.
const std::vector<Condition>& Conditions() {
  static const std::vector<Condition> conditions = {
      {"DestSpecifiedFolder", "DestOutputFolderOpt=custom"},
      {"CreateDirs", "DestOutputFolderOpt=custom"},
      {"KeepAddedSubfolders", "DestOutputFolderOpt=custom"},
      {"FilterExts", "EnableExtFilter=on"},
      {"MP3BitRate", "AutoDestMP3EncodingParam=off"},
      {"MP3SampleRate", "AutoDestMP3EncodingParam=off"},
      {"MP3ChannelMode", "AutoDestMP3EncodingParam=off"},
      {"AmplifyMp3Coeff", "AmplifyMp3=on"},
      {"MP3BitRate", "MP3VBR=off"},
      {"MP3VBR", "AutoDestMP3EncodingParam=off"},
      {"MP3VBRQuality", "AutoDestMP3EncodingParam=off"},
      {"MP3VBRQuality", "MP3VBR=on"},
      {"WAVBitsPerSample", "AutoDestWAVEncodingParam=off"},
      {"WAVSampleRate", "AutoDestWAVEncodingParam=off"},
      {"WAVChannelNum", "AutoDestWAVEncodingParam=off"},
      {"AmplifyWavCoeff", "AmplifyWav=on"},
      {"WMABitRate", "AutoDestWMAEncodingParam=off"},
      {"WMASampleRate", "AutoDestWMAEncodingParam=off"},
      {"WMAChannels", "AutoDestWMAEncodingParam=off"},
      {"AmplifyWMACoeff", "AmplifyWMA=on"},
      {"OGGBitRate", "AutoDestOGGEncodingParam=off"},
      {"OGGSampleRate", "AutoDestOGGEncodingParam=off"},
      {"OGGChannels", "AutoDestOGGEncodingParam=off"},
      {"AmplifyOGGCoeff", "AmplifyOGG=on"},
      {"OGGBitRate", "OGGQualityMode=off"},
      {"OGGQualityMode", "AutoDestOGGEncodingParam=off"},
      {"OGGQuality", "AutoDestOGGEncodingParam=off"},
      {"OGGQuality", "OGGQualityMode=on"},
      {"AACVBR", "AutoDestAACEncodingParam=off"},
      {"AACVBRQuality", "AutoDestAACEncodingParam=off"},
      {"AACVBRQuality", "AACVBR=on"},
      {"AACABRBitRate", "AutoDestAACEncodingParam=off"},
      {"AACABRBitRate", "AACVBR=off"},
      {"AACMpegVersion", "AutoDestAACEncodingParam=off"},
      {"AACEnableTNS", "AutoDestAACEncodingParam=off"},
      {"AACEnableMidside", "AutoDestAACEncodingParam=off"},
      {"AACBlockType", "AutoDestAACEncodingParam=off"},
      {"AmplifyAACCoef", "AmplifyAAC=on"},
      {"M4AVBR", "AutoDestM4AEncodingParam=off"},
      {"M4AVBRQuality", "AutoDestM4AEncodingParam=off"},
      {"M4AVBRQuality", "M4AVBR=on"},
      {"M4AABRBitRate", "AutoDestM4AEncodingParam=off"},
      {"M4AABRBitRate", "M4AVBR=off"},
      {"M4AEnableTNS", "AutoDestM4AEncodingParam=off"},
      {"M4AEnableMidside", "AutoDestM4AEncodingParam=off"},
      {"M4ABlockType", "AutoDestM4AEncodingParam=off"},
      {"AmplifyM4ACoef", "AmplifyM4A=on"},
      {"AMRMode", "AMRType=nb"},
      {"AMRWBMode", "AMRType=wb"},
      {"AmplifyAMRCoef", "AmplifyAMR=on"},
      {"AlbumBy", "ReplayGain=album"},
      {"*/", "#ID3TagType=preset"},
      {"*/Title", "*/TitleAsFileName=off"},
      {"*/CustomTrackNum", "*/TrackNumType=custom"},
  };
  return conditions;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// `pattern` with "*" replaced by the preset subkey and "#" by its format
// ("MP3Tag" gives "MP3").
std::string Expand(std::string pattern, const std::string& subkey) {
  const std::string::size_type star = pattern.find('*');
  if (star != std::string::npos) pattern.replace(star, 1, subkey);
  const std::string::size_type hash = pattern.find('#');
  if (hash != std::string::npos) pattern.replace(hash, 1, subkey.substr(0, 3));
  return pattern;
}

// Whether `name` is the option a condition is about: equal to it, or for
// a pattern ending in "/", any value of the preset.
bool Concerns(const std::string& pattern, const std::string& name) {
  if (!pattern.empty() && pattern.back() == '/') return StartsWith(name, pattern);
  return name == pattern;
}

// Whether "NAME=VALUE" holds in `settings`.
bool Holds(const std::string& assignment, const ConvertSettings& settings) {
  const std::string::size_type equals = assignment.find('=');
  ConvertSettings copy = settings;  // FindSettingField hands out writable fields
  const std::optional<SettingField> field = FindSettingField(assignment.substr(0, equals), copy);
  if (!field || !field->number) return true;
  const std::optional<uint32_t> wanted = field->values->Parse(assignment.substr(equals + 1));
  return !wanted || *field->number == *wanted;
}

}  // namespace

std::string AssignmentThatMakesItCount(const std::string& name, const ConvertSettings& settings,
                                       bool checkFormat) {
  const std::string::size_type slash = name.find('/');
  const std::string subkey = slash == std::string::npos ? "" : name.substr(0, slash);
  if (checkFormat) {
    const std::string ownName = subkey.empty() ? name : subkey.substr(0, 3);
    for (const FormatPrefix& prefix : FormatPrefixes()) {
      if (!StartsWith(ownName, prefix.prefix)) continue;
      const auto& formats = prefix.formats;
      if (std::find(formats.begin(), formats.end(), settings.outputFormat) == formats.end())
        return "OutputFormat=" + OutputExtension(formats.front());
      break;
    }
  }
  for (const Condition& condition : Conditions()) {
    const bool isPreset = condition.option[0] == '*';
    if (isPreset != !subkey.empty()) continue;
    if (!Concerns(Expand(condition.option, subkey), name)) continue;
    const std::string needs = Expand(condition.needs, subkey);
    if (!Holds(needs, settings)) return needs;
  }
  return std::string();
}

bool IsWindowOnlySetting(const std::string& name) {
  return name == "Folder" || name == "OptStartPageIndex" || name == "BrowseOutputFolder";
}
