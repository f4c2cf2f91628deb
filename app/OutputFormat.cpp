#include "app/OutputFormat.h"

#include <QtGlobal>

#include <strings.h>

namespace {

struct FormatRow {
  OutputFormat format;
  const char* extension;
  const char* displayName;
};

constexpr FormatRow kFormats[] = {
    {FORMAT_MP3, "mp3", "MP3"}, {FORMAT_WAV, "wav", "WAV"}, {FORMAT_OGG, "ogg", "OGG"},
    {FORMAT_AMR, "amr", "AMR"}, {FORMAT_AWB, "awb", "AWB"}, {FORMAT_AAC, "aac", "AAC"},
    {FORMAT_M4A, "m4a", "M4A"}, {FORMAT_MP4, "mp4", "MP4"}, {FORMAT_M4B, "m4b", "M4B"},
    {FORMAT_WMA, "wma", "WMA"}, {FORMAT_FLAC, "flac", "FLAC"},
    {FORMAT_OPUS, "opus", "Opus"},
};

const FormatRow* FindRow(uint32_t format) {
  for (const FormatRow& row : kFormats)
    if (row.format == format) return &row;
  return nullptr;
}

}  // namespace

std::string OutputExtension(uint32_t format) {
  const FormatRow* row = FindRow(format);
  return row ? row->extension : "";
}

std::string OutputFormatDisplayName(uint32_t format) {
  const FormatRow* row = FindRow(format);
  return row ? row->displayName : "";
}

bool IsKnownOutputFormat(uint32_t format) { return FindRow(format) != nullptr; }

uint32_t OutputFormatFromName(const std::string& name) {
  for (const FormatRow& row : kFormats)
    if (strcasecmp(name.c_str(), row.extension) == 0) return row.format;
  return 0;
}

const std::vector<OutputFormatChoice>& OutputFormatChoices() {
  static const std::vector<OutputFormatChoice> choices = {
      {FORMAT_MP3, "mp3", "MP3"},
      {FORMAT_WAV, "wav", "WAV"},
      {FORMAT_WMA, "wma", "WMA"},
      {FORMAT_OGG, "ogg", "OGG"},
      {FORMAT_AAC, "aac", "AAC"},
      {FORMAT_M4A, "m4a", QT_TRANSLATE_NOOP("CConvertDlg", "AAC for iPod/iTunes")},
      {FORMAT_MP4, "mp4", "MP4"},
      {FORMAT_M4A, "m4a", "M4A"},
      {FORMAT_M4B, "m4b", "M4B"},
      {FORMAT_AMR, "amr", "AMR"},
      {FORMAT_AWB, "awb", "AWB"},
      {FORMAT_FLAC, "flac", "FLAC"},
      {FORMAT_OPUS, "opus", "Opus"},
  };
  return choices;
}

int OutputFormatChoiceIndex(uint32_t format) {
  int index = -1;
  const std::vector<OutputFormatChoice>& choices = OutputFormatChoices();
  for (size_t i = 0; i < choices.size(); ++i)
    if (choices[i].format == format) index = static_cast<int>(i);
  return index;
}
