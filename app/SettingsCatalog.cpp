#include "app/SettingsCatalog.h"

#include <algorithm>
#include <cctype>

#include "app/OutputFormat.h"
#include "platform/settings/SettingsKey.h"

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

uint32_t CorrectMp3VbrQuality(uint32_t stored) { return std::min<uint32_t>(stored, 9); }

uint32_t CorrectOggQuality(uint32_t stored) {
  const int level = OggQualityLevel(stored);
  return level >= -1 && level <= 10 ? stored : 3;
}
uint32_t CorrectFlacLevel(uint32_t stored) { return std::min<uint32_t>(stored, 8); }

uint32_t CorrectOpusBitRate(uint32_t stored) { return std::clamp<uint32_t>(stored, 6, 510); }

uint32_t CorrectOpusBitRateMode(uint32_t stored) { return stored <= 2 ? stored : 0; }

uint32_t CorrectOpusComplexity(uint32_t stored) { return std::min<uint32_t>(stored, 10); }

uint32_t CorrectConvertJobs(uint32_t stored) { return std::min(stored, MAX_CONVERT_JOBS); }

bool ValueRule::Allows(uint32_t code) const {
  if (!IsEnumerated()) return code >= low && code <= high;
  for (const ValueName& value : names)
    if (value.code == code) return true;
  return false;
}

std::string ValueRule::Text(uint32_t code) const {
  for (const ValueName& value : names)
    if (value.code == code && value.name) return value.name;
  return std::to_string(code);
}

std::optional<uint32_t> ValueRule::Parse(const std::string& text) const {
  for (const ValueName& value : names) {
    if (!value.name) continue;
    const std::string_view name(value.name);
    const bool same =
        std::equal(name.begin(), name.end(), text.begin(), text.end(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) ==
                 std::tolower(static_cast<unsigned char>(b));
        });
    if (same) return value.code;
  }
  return ParseUint32(text);
}

std::string ValueRule::Describe() const {
  if (!IsEnumerated()) {
    if (low == 0 && high == UINT32_MAX) return "a whole number from 0 to 4294967295";
    return std::to_string(low) + " to " + std::to_string(high);
  }
  std::string text;
  std::string codes;
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
    text += Text(names[i].code);
    codes += (codes.empty() ? "" : ", ") + std::to_string(names[i].code);
  }
  const bool anyName =
      std::any_of(names.begin(), names.end(), [](const ValueName& value) { return value.name; });
  return anyName ? text + " (or " + codes + ")" : text;
}

namespace {

using CS = ConvertSettings;

// The value sets of the enumerated options. The codes are what the
// settings file stores and the window reads; the names are what users type.
const ValueRule kOnOff{{{0, "off"}, {1, "on"}}};
const ValueRule kTargetExists{
    {{TARGET_AUTO_RENAME, "rename"}, {TARGET_OVERWRITE, "overwrite"}, {TARGET_SKIP, "skip"}}};
const ValueRule kDestFolder{{{DEST_SAME_AS_SOURCE, "source"}, {DEST_CUSTOM_FOLDER, "custom"}}};
const ValueRule kMonoType{{{MONO_AVERAGE, "average"}, {MONO_LEFT, "left"}, {MONO_RIGHT, "right"}}};
const ValueRule kTagOption{
    {{TAG_FROM_PRESET, "preset"}, {TAG_TRANSFER, "transfer"}, {TAG_NONE, "none"}}};
// The encoder knows no dual-channel mode; 2 is loaded as joint stereo.
const ValueRule kMp3Channels{{{0, "stereo"}, {1, "joint"}, {3, "mono"}, {4, "same"}}};
const ValueRule kId3Version{{{0, "v1"}, {1, "v2"}, {2, "both"}}};
// WAV and OGG: a channel count, 0 for the source's.
const ValueRule kStereoMonoSame{{{2, "stereo"}, {1, "mono"}, {0, "same"}}};
const ValueRule kWmaChannels{{{2, "stereo"}, {1, "mono"}}};
const ValueRule kWavBits{{{8, nullptr}, {16, nullptr}, {0, "same"}}};
const ValueRule kMpegVersion{{{0, "mpeg4"}, {1, "mpeg2"}}};
const ValueRule kBlockType{{{0, "both"}, {1, "noshort"}, {2, "nolong"}}};
const ValueRule kAmrType{{{0, "nb"}, {1, "wb"}}};
// The AMR modes by their bit rates in kbit/s.
const ValueRule kNarrowBandModes{{{0, "4.75"},
                                  {1, "5.15"},
                                  {2, "5.9"},
                                  {3, "6.7"},
                                  {4, "7.4"},
                                  {5, "7.95"},
                                  {6, "10.2"},
                                  {7, "12.2"}}};
const ValueRule kWideBandModes{{{0, "6.60"},
                                {1, "8.85"},
                                {2, "12.65"},
                                {3, "14.25"},
                                {4, "15.85"},
                                {5, "18.25"},
                                {6, "19.85"},
                                {7, "23.05"},
                                {8, "23.85"}}};
// The volume coefficient in percent, as the window's spin box allows it.
const ValueRule kCoefficient{{}, 10, 3000};
const ValueRule kTrackNumType{
    {{TRACK_NUM_NONE, "none"}, {TRACK_NUM_SEQUENCE, "sequence"}, {TRACK_NUM_CUSTOM, "custom"}}};
const ValueRule kAnyNumber{};
// MP3SampleRate: 0 for the source's rate, or a rate an MP3 stream can have.
ValueRule Mp3Rates() {
  ValueRule rule;
  rule.names.push_back({0, nullptr});
  for (const uint32_t rate : kMp3OutputRates) rule.names.push_back({rate, nullptr});
  return rule;
}
const ValueRule kMp3Rates = Mp3Rates();
// The level of a MIDI effect in percent; 0 turns it off.
const ValueRule kEffectLevel{{}, 0, 100};
// LAME's quality levels V0..V9.
const ValueRule kMp3VbrQuality{{}, 0, 9};
// Vorbis quality -1..10; -1 is stored as its two's complement.
const ValueRule kOggQuality{{{UINT32_MAX, "-1"},
                             {0, nullptr},
                             {1, nullptr},
                             {2, nullptr},
                             {3, nullptr},
                             {4, nullptr},
                             {5, nullptr},
                             {6, nullptr},
                             {7, nullptr},
                             {8, nullptr},
                             {9, nullptr},
                             {10, nullptr}}};
// Files converted at a time; 0 is one per processor.
const ValueRule kConvertJobs{{}, 0, MAX_CONVERT_JOBS};
const ValueRule kReplayGain{
    {{REPLAYGAIN_NONE, "off"}, {REPLAYGAIN_TRACK, "track"}, {REPLAYGAIN_ALBUM, "album"}}};
const ValueRule kAlbumBy{{{ALBUM_BY_FOLDER, "folder"}, {ALBUM_BY_BATCH, "batch"}}};
const ValueRule kNormalize{
    {{NORMALIZE_OFF, "off"}, {NORMALIZE_TRACK, "track"}, {NORMALIZE_ALBUM, "album"}}};
// The target as LUFS below full scale (16: -16 LUFS).
const ValueRule kNormalizeLufs{{}, 5, 40};
// The true-peak ceiling in tenths of a dB below full scale (10: -1.0 dBTP).
const ValueRule kNormalizeCeiling{{}, 0, 120};
const ValueRule kFlacLevel{{}, 0, 8};
const ValueRule kOpusBitRate{{}, 6, 510};
const ValueRule kOpusBitRateMode{{{0, "vbr"}, {1, "cvbr"}, {2, "cbr"}}};
const ValueRule kOpusComplexity{{}, 0, 10};

// The output formats by extension, once each, in the order of the main
// window's selector.
ValueRule OutputFormatRule() {
  ValueRule rule;
  for (const OutputFormatChoice& choice : OutputFormatChoices()) {
    const bool seen =
        std::any_of(rule.names.begin(), rule.names.end(),
                    [&](const ValueName& value) { return value.code == choice.format; });
    if (!seen) rule.names.push_back({choice.format, choice.extension});
  }
  return rule;
}

SettingValue Number(const char* name, uint32_t group, uint32_t CS::*field, const ValueRule& values,
                    const char* meaning, uint32_t (*correct)(uint32_t) = nullptr) {
  return SettingValue{name, group, field, nullptr, correct, 0, values, meaning};
}

SettingValue Text(const char* name, uint32_t group, std::string CS::*field, const char* meaning,
                  std::size_t maxBytes = 0) {
  return SettingValue{name, group, nullptr, field, nullptr, maxBytes, ValueRule{}, meaning};
}

constexpr uint32_t kOpt = GROUP_OPTIONS;

}  // namespace

const std::vector<SettingValue>& SettingsCatalog() {
  static const std::vector<SettingValue> catalog = {
      // General
      Number("OutputFormat", GROUP_MAIN_WINDOW, &CS::outputFormat, OutputFormatRule(),
             "the format the files are converted to", CorrectOutputFormat),
      Text("Folder", GROUP_FOLDER, &CS::folder, "the folder Add Folder starts in", MAX_PATH_BYTES),
      Number("DestOutputFolderOpt", kOpt, &CS::destOutputFolderOpt, kDestFolder,
             "write each output next to its source, or into DestSpecifiedFolder"),
      Text("DestSpecifiedFolder", kOpt, &CS::destSpecifiedFolder,
           "the output folder when DestOutputFolderOpt is custom", MAX_PATH_BYTES),
      Number("CreateDirs", kOpt, &CS::createDirs, kOnOff,
             "repeat the source's sub-folders under the custom output folder"),
      Number("KeepAddedSubfolders", kOpt, &CS::keepAddedSubfolders, kOnOff,
             "repeat, under the custom output folder, the sub-folders of each added folder "
             "for the files found in it (in place of CreateDirs for those files)"),
      Text("OutputNamePattern", kOpt, &CS::outputNamePattern,
           "the output's name and sub-folders from the source's tags, as "
           "{artist}/{album}/{track:02} - {title}; empty for the source's name",
           MAX_PATH_BYTES),
      Number("TargetExistsOpt", kOpt, &CS::targetExistsOpt, kTargetExists,
             "when the output file exists: write under a new name, overwrite it, or skip the file"),
      Number("OutputFiles2MyDocuments", kOpt, &CS::outputFiles2MyDocuments, kOnOff,
             "when the output folder cannot be written, write into the documents folder instead"),
      Number("BrowseOutputFolder", kOpt, &CS::browseOutputFolder, kOnOff,
             "show the outputs in the file manager after a conversion (window only)"),
      Number("MonoType", kOpt, &CS::monoType, kMonoType,
             "how a stereo source becomes mono: both channels averaged, or one of them"),
      Number("EnableExtFilter", kOpt, &CS::enableExtFilter, kOnOff,
             "add only files with the extensions of FilterExts when a folder is added"),
      Text("FilterExts", kOpt, &CS::filterExts,
           "the extensions the filter accepts, comma-separated"),
      Number("ConvertJobs", kOpt, &CS::convertJobs, kConvertJobs,
             "how many files convert at a time (0: one per processor); --jobs overrides it",
             CorrectConvertJobs),
      Number("ReplayGain", kOpt, &CS::replayGain, kReplayGain,
             "ReplayGain tags in MP3, OGG, FLAC, Opus, M4A, MP4, M4B and WMA outputs: off, the "
             "track's, or the track's and the album's (WAV, AMR, AWB and AAC hold none)"),
      Number("AlbumBy", kOpt, &CS::albumBy, kAlbumBy,
             "ReplayGain albums: the files of one source folder, or the whole batch"),
      Number("Normalize", kOpt, &CS::normalize, kNormalize,
             "normalise loudness with one gain per track or per album (the albums of "
             "AlbumBy); in place of the format's amplify option"),
      Number("NormalizeLufs", kOpt, &CS::normalizeLufs, kNormalizeLufs,
             "the loudness Normalize brings outputs to, in LUFS below full scale (16: -16 LUFS)"),
      Number("NormalizeCeiling", kOpt, &CS::normalizeCeiling, kNormalizeCeiling,
             "the true peak Normalize keeps below, in tenths of a dB below full scale "
             "(10: -1.0 dBTP)"),
      Number("VerifyOutputs", kOpt, &CS::verifyOutputs, kOnOff,
             "decode each output and check its rate, channels, length and level before it "
             "takes its name; --verify sets it for a run"),
      Number("CoverFromFolder", kOpt, &CS::coverFromFolder, kOnOff,
             "outputs that transfer the source's tags and pictures take cover.jpg, folder.jpg "
             "(or .png) from the source's folder when the source holds no picture; "
             "--cover-from-folder sets it for a run"),
      Number("OptStartPageIndex", GROUP_MAIN_WINDOW, &CS::optStartPageIndex, kAnyNumber,
             "the page the window's options sheet opens on"),
      // MP3
      Number("AutoDestMP3EncodingParam", kOpt, &CS::autoDestMP3EncodingParam, kOnOff,
             "MP3: take rate, bit rate and channels from the source, ignoring the three below"),
      Number("MP3BitRate", kOpt, &CS::mp3BitRate, kAnyNumber,
             "MP3: bit rate in kbit/s (0: the source's)"),
      Number("MP3SampleRate", kOpt, &CS::mp3SampleRate, kMp3Rates,
             "MP3: sample rate in Hz (0: the source's)"),
      Number("MP3ChannelMode", kOpt, &CS::mp3ChannelMode, kMp3Channels,
             "MP3: stereo, joint stereo, mono, or as the source", CorrectMp3ChannelMode),
      Number("MP3ID3TagType", kOpt, &CS::mp3ID3TagType, kTagOption,
             "MP3: tag from the MP3 preset, copied from the source, or none"),
      Number("MP3WriteID3Version", kOpt, &CS::mp3WriteID3Version, kId3Version,
             "MP3: write an ID3v1 tag, an ID3v2 tag, or both"),
      Number("AmplifyMp3", kOpt, &CS::amplifyMp3, kOnOff,
             "MP3: change the volume by AmplifyMp3Coeff"),
      Number("AmplifyMp3Coeff", kOpt, &CS::amplifyMp3Coeff, kCoefficient,
             "MP3: volume in percent of the source's", CorrectAmplifyCoeff),
      Number("MP3VBR", kOpt, &CS::mp3VBR, kOnOff,
             "MP3: variable bit rate by MP3VBRQuality (off: constant bit rate MP3BitRate)"),
      Number("MP3VBRQuality", kOpt, &CS::mp3VBRQuality, kMp3VbrQuality,
             "MP3: quality of the variable bit rate, 0 (best, largest) to 9 (smallest)",
             CorrectMp3VbrQuality),
      Number("MP3Gapless", kOpt, &CS::mp3Gapless, kOnOff,
             "MP3: write the Info frame with the encoder delay and padding, so players give "
             "back the source's exact length (variable-bit-rate files always have it)"),
      // WAV
      Number("AutoDestWAVEncodingParam", kOpt, &CS::autoDestWAVEncodingParam, kOnOff,
             "WAV: take rate, bits and channels from the source, ignoring the three below"),
      Number("WAVBitsPerSample", kOpt, &CS::wavBitsPerSample, kWavBits,
             "WAV: bits per sample (same: the source's)"),
      Number("WAVSampleRate", kOpt, &CS::wavSampleRate, kAnyNumber,
             "WAV: sample rate in Hz (0: the source's)"),
      Number("WAVChannelNum", kOpt, &CS::wavChannelNum, kStereoMonoSame,
             "WAV: stereo, mono, or as the source", CorrectStereoMonoSame),
      Number("AmplifyWav", kOpt, &CS::amplifyWav, kOnOff,
             "WAV: change the volume by AmplifyWavCoeff"),
      Number("AmplifyWavCoeff", kOpt, &CS::amplifyWavCoeff, kCoefficient,
             "WAV: volume in percent of the source's", CorrectAmplifyCoeff),
      // WMA
      Number("AutoDestWMAEncodingParam", kOpt, &CS::autoDestWMAEncodingParam, kOnOff,
             "WMA: take rate, bit rate and channels from the source, ignoring the three below"),
      Number("WMABitRate", kOpt, &CS::wmaBitRate, kAnyNumber, "WMA: bit rate in bit/s"),
      Number("WMASampleRate", kOpt, &CS::wmaSampleRate, kAnyNumber, "WMA: sample rate in Hz"),
      Number("WMAChannels", kOpt, &CS::wmaChannels, kWmaChannels, "WMA: stereo or mono",
             CorrectWmaChannels),
      Number("WMAID3TagType", kOpt, &CS::wmaID3TagType, kTagOption,
             "WMA: tag from the WMA preset, copied from the source, or none", CorrectTagOption),
      Number("AmplifyWMA", kOpt, &CS::amplifyWMA, kOnOff,
             "WMA: change the volume by AmplifyWMACoeff"),
      Number("AmplifyWMACoeff", kOpt, &CS::amplifyWMACoeff, kCoefficient,
             "WMA: volume in percent of the source's", CorrectAmplifyCoeff),
      // OGG
      Number("AutoDestOGGEncodingParam", kOpt, &CS::autoDestOGGEncodingParam, kOnOff,
             "OGG: take rate, bit rate and channels from the source, ignoring the three below"),
      Number("OGGBitRate", kOpt, &CS::oggBitRate, kAnyNumber,
             "OGG: bit rate in kbit/s (a value above 1000 is taken as bit/s)", CorrectOggBitRate),
      Number("OGGSampleRate", kOpt, &CS::oggSampleRate, kAnyNumber,
             "OGG: sample rate in Hz (0: the source's)"),
      Number("OGGChannels", kOpt, &CS::oggChannels, kStereoMonoSame,
             "OGG: stereo, mono, or as the source", CorrectStereoMonoSame),
      Number("OGGID3TagType", kOpt, &CS::oggID3TagType, kTagOption,
             "OGG: tag from the OGG preset, copied from the source, or none"),
      Number("AmplifyOGG", kOpt, &CS::amplifyOGG, kOnOff,
             "OGG: change the volume by AmplifyOGGCoeff"),
      Number("AmplifyOGGCoeff", kOpt, &CS::amplifyOGGCoeff, kCoefficient,
             "OGG: volume in percent of the source's", CorrectAmplifyCoeff),
      Number("OGGQualityMode", kOpt, &CS::oggQualityMode, kOnOff,
             "OGG: encode at the quality OGGQuality (off: at the bit rate OGGBitRate)"),
      Number("OGGQuality", kOpt, &CS::oggQuality, kOggQuality,
             "OGG: Vorbis quality, -1 (smallest) to 10 (best)", CorrectOggQuality),
      // AAC
      Number("AutoDestAACEncodingParam", kOpt, &CS::autoDestAACEncodingParam, kOnOff,
             "AAC: the encoder's defaults, ignoring the options below"),
      Number("AACVBR", kOpt, &CS::aacVBR, kOnOff,
             "AAC: variable bit rate by AACVBRQuality (off: average bit rate AACABRBitRate)"),
      Number("AACVBRQuality", kOpt, &CS::aacVBRQuality, kAnyNumber,
             "AAC: quality of the variable bit rate"),
      Number("AACABRBitRate", kOpt, &CS::aacABRBitRate, kAnyNumber,
             "AAC: average bit rate in kbit/s"),
      Number("AACMpegVersion", kOpt, &CS::aacMpegVersion, kMpegVersion,
             "AAC: MPEG-4 or MPEG-2 AAC"),
      Number("AACEnableTNS", kOpt, &CS::aacEnableTNS, kOnOff, "AAC: temporal noise shaping"),
      Number("AACEnableMidside", kOpt, &CS::aacEnableMidside, kOnOff,
             "AAC: mid/side stereo coding"),
      Number("AACBlockType", kOpt, &CS::aacBlockType, kBlockType,
             "AAC: long and short blocks, no short blocks, or no long blocks"),
      Number("AmplifyAAC", kOpt, &CS::amplifyAAC, kOnOff,
             "AAC: change the volume by AmplifyAACCoef"),
      Number("AmplifyAACCoef", kOpt, &CS::amplifyAACCoef, kCoefficient,
             "AAC: volume in percent of the source's"),
      // M4A
      Number("AutoDestM4AEncodingParam", kOpt, &CS::autoDestM4AEncodingParam, kOnOff,
             "M4A, MP4, M4B: the encoder's defaults, ignoring the options below"),
      Number("M4AVBR", kOpt, &CS::m4aVBR, kOnOff,
             "M4A: variable bit rate by M4AVBRQuality (off: average bit rate M4AABRBitRate)"),
      Number("M4AVBRQuality", kOpt, &CS::m4aVBRQuality, kAnyNumber,
             "M4A: quality of the variable bit rate"),
      Number("M4AABRBitRate", kOpt, &CS::m4aABRBitRate, kAnyNumber,
             "M4A: average bit rate in kbit/s"),
      Number("M4AEnableTNS", kOpt, &CS::m4aEnableTNS, kOnOff, "M4A: temporal noise shaping"),
      Number("M4AEnableMidside", kOpt, &CS::m4aEnableMidside, kOnOff,
             "M4A: mid/side stereo coding"),
      Number("M4ABlockType", kOpt, &CS::m4aBlockType, kBlockType,
             "M4A: long and short blocks, no short blocks, or no long blocks"),
      Number("AmplifyM4A", kOpt, &CS::amplifyM4A, kOnOff,
             "M4A: change the volume by AmplifyM4ACoef"),
      Number("AmplifyM4ACoef", kOpt, &CS::amplifyM4ACoef, kCoefficient,
             "M4A: volume in percent of the source's"),
      Number("M4AID3TagType", kOpt, &CS::m4aID3TagType, kTagOption,
             "M4A: tag from the M4A preset, copied from the source, or none", CorrectTagOption),
      // AMR
      Number("AMRType", kOpt, &CS::amrType, kAmrType,
             "AMR: .amr output in narrow band or wide band"),
      Number("AMRMode", kOpt, &CS::amrMode, kNarrowBandModes,
             "AMR: narrow-band bit rate in kbit/s"),
      Number("AMRWBMode", kOpt, &CS::amrWBMode, kWideBandModes,
             "AMR: wide-band bit rate in kbit/s"),
      Number("AMRDTX", kOpt, &CS::amrDTX, kOnOff,
             "AMR: discontinuous transmission (silence sent as noise frames)"),
      Number("AWBMode", kOpt, &CS::awbMode, kWideBandModes, "AWB: bit rate in kbit/s"),
      Number("AWBDTX", kOpt, &CS::awbDTX, kOnOff,
             "AWB: discontinuous transmission (silence sent as noise frames)"),
      Number("AmplifyAMR", kOpt, &CS::amplifyAMR, kOnOff,
             "AMR, AWB: change the volume by AmplifyAMRCoef"),
      Number("AmplifyAMRCoef", kOpt, &CS::amplifyAMRCoef, kCoefficient,
             "AMR, AWB: volume in percent of the source's"),
      // FLAC
      Number("AutoDestFLACEncodingParam", kOpt, &CS::autoDestFLACEncodingParam, kOnOff,
             "FLAC: take rate and channels from the source, ignoring FLACSampleRate and "
             "FLACChannels"),
      Number("FLACCompressionLevel", kOpt, &CS::flacCompressionLevel, kFlacLevel,
             "FLAC: compression level, 0 (fastest) to 8 (smallest); every level is lossless",
             CorrectFlacLevel),
      Number("FLACSampleRate", kOpt, &CS::flacSampleRate, kAnyNumber,
             "FLAC: sample rate in Hz (0: the source's)"),
      Number("FLACChannels", kOpt, &CS::flacChannels, kStereoMonoSame,
             "FLAC: stereo, mono, or as the source", CorrectStereoMonoSame),
      Number("FLACTagType", kOpt, &CS::flacTagType, kTagOption,
             "FLAC: tag from the FLAC preset, copied from the source, or none", CorrectTagOption),
      Number("AmplifyFLAC", kOpt, &CS::amplifyFLAC, kOnOff,
             "FLAC: change the volume by AmplifyFLACCoeff"),
      Number("AmplifyFLACCoeff", kOpt, &CS::amplifyFLACCoeff, kCoefficient,
             "FLAC: volume in percent of the source's", CorrectAmplifyCoeff),
      // Opus
      Number("AutoDestOpusEncodingParam", kOpt, &CS::autoDestOpusEncodingParam, kOnOff,
             "Opus: the source's channels at 64 kbit/s per channel, ignoring OpusBitRate and "
             "OpusChannels"),
      Number("OpusBitRate", kOpt, &CS::opusBitRate, kOpusBitRate, "Opus: bit rate in kbit/s",
             CorrectOpusBitRate),
      Number("OpusChannels", kOpt, &CS::opusChannels, kStereoMonoSame,
             "Opus: stereo, mono, or as the source", CorrectStereoMonoSame),
      Number("OpusBitRateMode", kOpt, &CS::opusBitRateMode, kOpusBitRateMode,
             "Opus: variable, constrained variable or constant bit rate",
             CorrectOpusBitRateMode),
      Number("OpusComplexity", kOpt, &CS::opusComplexity, kOpusComplexity,
             "Opus: encoder complexity, 0 (fastest) to 10 (best sound)", CorrectOpusComplexity),
      Number("OpusTagType", kOpt, &CS::opusTagType, kTagOption,
             "Opus: tag from the Opus preset, copied from the source, or none", CorrectTagOption),
      Number("AmplifyOpus", kOpt, &CS::amplifyOpus, kOnOff,
             "Opus: change the volume by AmplifyOpusCoeff"),
      Number("AmplifyOpusCoeff", kOpt, &CS::amplifyOpusCoeff, kCoefficient,
             "Opus: volume in percent of the source's", CorrectAmplifyCoeff),
      // MIDI
      Text("SoundFontFile", kOpt, &CS::soundFontFile,
           "MIDI: the SoundFont that renders MIDI songs (empty: ct4mgm.sf2 beside the program)",
           MAX_PATH_BYTES),
      Number("MidiReverb", kOpt, &CS::midiReverb, kEffectLevel,
             "MIDI: the synthesizer's reverb level in percent (0: off)"),
      Number("MidiChorus", kOpt, &CS::midiChorus, kEffectLevel,
             "MIDI: the synthesizer's chorus level in percent (0: off)"),
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
      {"TitleAsFileName", &TagPreset::titleAsFileName, nullptr, kOnOff,
       "the title is the source file name without its extension"},
      {"Title", nullptr, &TagPreset::title, {}, "the title, when TitleAsFileName is off"},
      {"Artist", nullptr, &TagPreset::artist, {}, "the artist"},
      {"Album", nullptr, &TagPreset::album, {}, "the album"},
      {"Year", nullptr, &TagPreset::year, {}, "the year"},
      {"Genre", nullptr, &TagPreset::genre, {}, "the genre"},
      {"Comment", nullptr, &TagPreset::comment, {}, "the comment"},
      {"Composer", nullptr, &TagPreset::composer, {}, "the composer"},
      {"Copyright", nullptr, &TagPreset::copyright, {}, "the copyright"},
      {"TrackNumType", &TagPreset::trackNumType, nullptr, kTrackNumType,
       "the track number: none, the position in the list, or CustomTrackNum"},
      {"CustomTrackNum", &TagPreset::customTrackNum, nullptr, kAnyNumber,
       "the track number when TrackNumType is custom"},
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
      {"FLAC", &CS::flacTag},
      {"Opus", &CS::opusTag},
  };
  return slots;
}

const PresetSlot* FindPresetSlot(std::string_view subkeyName) {
  for (const PresetSlot& slot : PresetSlots())
    if (subkeyName == std::string(slot.name) + "Tag") return &slot;
  return nullptr;
}

std::optional<SettingField> FindSettingField(const std::string& name, ConvertSettings& settings) {
  SettingField field;
  if (const SettingValue* setting = FindSetting(name)) {
    field.group = setting->group;
    field.correct = setting->correct;
    field.maxBytes = setting->maxBytes;
    field.values = &setting->values;
    field.meaning = setting->meaning;
    if (setting->IsText())
      field.text = &(settings.*setting->text);
    else
      field.number = &(settings.*setting->number);
    return field;
  }
  const std::string::size_type slash = name.find('/');
  const PresetSlot* slot =
      slash == std::string::npos ? nullptr : FindPresetSlot(name.substr(0, slash));
  const PresetValue* value = slot ? FindPresetValue(name.substr(slash + 1)) : nullptr;
  if (!value) return std::nullopt;
  TagPreset& preset = settings.*slot->preset;
  field.values = &value->values;
  field.meaning = value->meaning;
  if (value->IsText())
    field.text = &(preset.*value->text);
  else
    field.number = &(preset.*value->number);
  return field;
}
