#include "app/SettingsCatalog.h"

#include <algorithm>

#include "app/OutputFormat.h"

uint32_t CorrectOutputFormat(uint32_t stored) {
  return OutputFormatChoiceIndex(stored) < 0 ? FORMAT_MP3 : stored;
}

uint32_t CorrectMp3ChannelMode(uint32_t stored) {
  return (stored == 0 || stored == 1 || stored == 3 || stored == 4) ? stored : 1;
}

uint32_t CorrectStereoMonoSame(uint32_t stored) { return stored <= 2 ? stored : 2; }

uint32_t CorrectWmaChannels(uint32_t stored) { return (stored == 1 || stored == 2) ? stored : 2; }

uint32_t CorrectTagOption(uint32_t stored) { return stored <= 2 ? stored : 2; }

uint32_t CorrectAmplifyCoeff(uint32_t stored) { return std::clamp<uint32_t>(stored, 10, 3000); }

uint32_t CorrectOggBitRate(uint32_t stored) { return stored > 1000 ? stored / 1000 : stored; }

namespace {

using CS = ConvertSettings;

SettingValue Number(const char* name, uint32_t group, uint32_t CS::*field,
                    uint32_t (*correct)(uint32_t) = nullptr) {
  return SettingValue{name, group, field, nullptr, correct, 0};
}

SettingValue Text(const char* name, uint32_t group, std::string CS::*field,
                  std::size_t maxBytes = 0) {
  return SettingValue{name, group, nullptr, field, nullptr, maxBytes};
}

constexpr uint32_t kOpt = GROUP_OPTIONS;

}  // namespace

const std::vector<SettingValue>& SettingsCatalog() {
  static const std::vector<SettingValue> catalog = {
      // General
      Number("OutputFormat", GROUP_MAIN_WINDOW, &CS::outputFormat, CorrectOutputFormat),
      Text("Folder", GROUP_FOLDER, &CS::folder, MAX_PATH_BYTES),
      Number("DestOutputFolderOpt", kOpt, &CS::destOutputFolderOpt),
      Text("DestSpecifiedFolder", kOpt, &CS::destSpecifiedFolder, MAX_PATH_BYTES),
      Number("CreateDirs", kOpt, &CS::createDirs),
      Number("TargetExistsOpt", kOpt, &CS::targetExistsOpt),
      Number("OutputFiles2MyDocuments", kOpt, &CS::outputFiles2MyDocuments),
      Number("BrowseOutputFolder", kOpt, &CS::browseOutputFolder),
      Number("MonoType", kOpt, &CS::monoType),
      Number("EnableExtFilter", kOpt, &CS::enableExtFilter),
      Text("FilterExts", kOpt, &CS::filterExts),
      Number("OptStartPageIndex", GROUP_MAIN_WINDOW, &CS::optStartPageIndex),
      // MP3
      Number("AutoDestMP3EncodingParam", kOpt, &CS::autoDestMP3EncodingParam),
      Number("MP3BitRate", kOpt, &CS::mp3BitRate),
      Number("MP3SampleRate", kOpt, &CS::mp3SampleRate),
      Number("MP3ChannelMode", kOpt, &CS::mp3ChannelMode, CorrectMp3ChannelMode),
      Number("MP3ID3TagType", kOpt, &CS::mp3ID3TagType),
      Number("MP3WriteID3Version", kOpt, &CS::mp3WriteID3Version),
      Number("AmplifyMp3", kOpt, &CS::amplifyMp3),
      Number("AmplifyMp3Coeff", kOpt, &CS::amplifyMp3Coeff, CorrectAmplifyCoeff),
      // WAV
      Number("AutoDestWAVEncodingParam", kOpt, &CS::autoDestWAVEncodingParam),
      Number("WAVBitsPerSample", kOpt, &CS::wavBitsPerSample),
      Number("WAVSampleRate", kOpt, &CS::wavSampleRate),
      Number("WAVChannelNum", kOpt, &CS::wavChannelNum, CorrectStereoMonoSame),
      Number("AmplifyWav", kOpt, &CS::amplifyWav),
      Number("AmplifyWavCoeff", kOpt, &CS::amplifyWavCoeff, CorrectAmplifyCoeff),
      // WMA
      Number("AutoDestWMAEncodingParam", kOpt, &CS::autoDestWMAEncodingParam),
      Number("WMABitRate", kOpt, &CS::wmaBitRate),
      Number("WMASampleRate", kOpt, &CS::wmaSampleRate),
      Number("WMAChannels", kOpt, &CS::wmaChannels, CorrectWmaChannels),
      Number("WMAID3TagType", kOpt, &CS::wmaID3TagType, CorrectTagOption),
      Number("AmplifyWMA", kOpt, &CS::amplifyWMA),
      Number("AmplifyWMACoeff", kOpt, &CS::amplifyWMACoeff, CorrectAmplifyCoeff),
      // OGG
      Number("AutoDestOGGEncodingParam", kOpt, &CS::autoDestOGGEncodingParam),
      Number("OGGBitRate", kOpt, &CS::oggBitRate, CorrectOggBitRate),
      Number("OGGSampleRate", kOpt, &CS::oggSampleRate),
      Number("OGGChannels", kOpt, &CS::oggChannels, CorrectStereoMonoSame),
      Number("OGGID3TagType", kOpt, &CS::oggID3TagType),
      Number("AmplifyOGG", kOpt, &CS::amplifyOGG),
      Number("AmplifyOGGCoeff", kOpt, &CS::amplifyOGGCoeff, CorrectAmplifyCoeff),
      // AAC
      Number("AutoDestAACEncodingParam", kOpt, &CS::autoDestAACEncodingParam),
      Number("AACVBR", kOpt, &CS::aacVBR),
      Number("AACVBRQuality", kOpt, &CS::aacVBRQuality),
      Number("AACABRBitRate", kOpt, &CS::aacABRBitRate),
      Number("AACMpegVersion", kOpt, &CS::aacMpegVersion),
      Number("AACEnableTNS", kOpt, &CS::aacEnableTNS),
      Number("AACEnableMidside", kOpt, &CS::aacEnableMidside),
      Number("AACBlockType", kOpt, &CS::aacBlockType),
      Number("AmplifyAAC", kOpt, &CS::amplifyAAC),
      Number("AmplifyAACCoef", kOpt, &CS::amplifyAACCoef),
      // M4A
      Number("AutoDestM4AEncodingParam", kOpt, &CS::autoDestM4AEncodingParam),
      Number("M4AVBR", kOpt, &CS::m4aVBR),
      Number("M4AVBRQuality", kOpt, &CS::m4aVBRQuality),
      Number("M4AABRBitRate", kOpt, &CS::m4aABRBitRate),
      Number("M4AEnableTNS", kOpt, &CS::m4aEnableTNS),
      Number("M4AEnableMidside", kOpt, &CS::m4aEnableMidside),
      Number("M4ABlockType", kOpt, &CS::m4aBlockType),
      Number("AmplifyM4A", kOpt, &CS::amplifyM4A),
      Number("AmplifyM4ACoef", kOpt, &CS::amplifyM4ACoef),
      Number("M4AID3TagType", kOpt, &CS::m4aID3TagType, CorrectTagOption),
      // AMR
      Number("AMRType", kOpt, &CS::amrType),
      Number("AMRMode", kOpt, &CS::amrMode),
      Number("AMRWBMode", kOpt, &CS::amrWBMode),
      Number("AMRDTX", kOpt, &CS::amrDTX),
      Number("AWBMode", kOpt, &CS::awbMode),
      Number("AWBDTX", kOpt, &CS::awbDTX),
      Number("AmplifyAMR", kOpt, &CS::amplifyAMR),
      Number("AmplifyAMRCoef", kOpt, &CS::amplifyAMRCoef),
  };
  return catalog;
}

const SettingValue* FindSetting(std::string_view name) {
  for (const SettingValue& value : SettingsCatalog())
    if (name == value.name) return &value;
  return nullptr;
}

const std::vector<PresetValue>& PresetCatalog() {
  static const std::vector<PresetValue> catalog = {
      {"TitleAsFileName", &TagPreset::titleAsFileName, nullptr},
      {"Title", nullptr, &TagPreset::title},
      {"Artist", nullptr, &TagPreset::artist},
      {"Album", nullptr, &TagPreset::album},
      {"Year", nullptr, &TagPreset::year},
      {"Genre", nullptr, &TagPreset::genre},
      {"Comment", nullptr, &TagPreset::comment},
      {"Composer", nullptr, &TagPreset::composer},
      {"Copyright", nullptr, &TagPreset::copyright},
      {"TrackNumType", &TagPreset::trackNumType, nullptr},
      {"CustomTrackNum", &TagPreset::customTrackNum, nullptr},
  };
  return catalog;
}

const PresetValue* FindPresetValue(std::string_view name) {
  for (const PresetValue& value : PresetCatalog())
    if (name == value.name) return &value;
  return nullptr;
}

const std::vector<PresetSlot>& PresetSlots() {
  static const std::vector<PresetSlot> slots = {
      {"MP3", &CS::mp3Tag},
      {"OGG", &CS::oggTag},
      {"WMA", &CS::wmaTag},
      {"M4A", &CS::m4aTag},
  };
  return slots;
}

const PresetSlot* FindPresetSlot(std::string_view subkeyName) {
  for (const PresetSlot& slot : PresetSlots())
    if (subkeyName == std::string(slot.name) + "Tag") return &slot;
  return nullptr;
}
