#include "source/SourceKind.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/files/FileHandle.h"
#include "platform/files/SourceFileOpen.h"

namespace {

struct KindRow {
  const char* extension;
  SourceKind kind;
};

// Each extension stands in one row only.
constexpr KindRow kKinds[] = {
    {".mp3", KIND_MPEG_AUDIO}, {".mp2", KIND_MPEG_AUDIO}, {".mp1", KIND_MPEG_AUDIO},
    {".wav", KIND_WAVE},
    {".mod", KIND_MODULE},     {".xm", KIND_MODULE},      {".it", KIND_MODULE},
    {".s3m", KIND_MODULE},     {".mtm", KIND_MODULE},     {".umx", KIND_MODULE},
    {".mo3", KIND_MODULE},
    {".midi", KIND_MIDI},      {".mid", KIND_MIDI},       {".rmi", KIND_MIDI},
    {".kar", KIND_MIDI},
    {".cda", KIND_CD_AUDIO},
    {".flac", KIND_FLAC},
    {".wv", KIND_WAVPACK},
    {".ac3", KIND_AC3},
    {".adx", KIND_ADX},
    {".ape", KIND_MONKEYS_AUDIO}, {".mac", KIND_MONKEYS_AUDIO},
    {".mpc", KIND_MUSEPACK},   {".mpp", KIND_MUSEPACK},   {".mp+", KIND_MUSEPACK},
    {".spx", KIND_SPEEX},
    {".tta", KIND_TRUE_AUDIO},
    {".ogg", KIND_OGG},        {".oga", KIND_OGG},        {".opus", KIND_OGG},
    {".au", KIND_AU},          {".snd", KIND_AU},
    {".aif", KIND_AIFF},       {".aiff", KIND_AIFF},      {".aifc", KIND_AIFF},
    {".afc", KIND_AIFF},
    {".amr", KIND_AMR},        {".awb", KIND_AMR},
    {".aac", KIND_AAC},
    {".mp4", KIND_MPEG4},      {".m4a", KIND_MPEG4},      {".m4b", KIND_MPEG4},
    {".m4v", KIND_MPEG4},
    {".wma", KIND_WINDOWS_MEDIA}, {".wmv", KIND_WINDOWS_MEDIA}, {".asf", KIND_WINDOWS_MEDIA},
};

struct FormatRow {
  const char* container;  // FFmpeg's demuxer name
  SourceKind kind;
};

constexpr FormatRow kFormats[] = {
    {"mp3", KIND_MPEG_AUDIO},
    {"wav", KIND_WAVE},
    {"flac", KIND_FLAC},
    {"wv", KIND_WAVPACK},
    {"ac3", KIND_AC3},         {"eac3", KIND_AC3},
    {"adx", KIND_ADX},
    {"ape", KIND_MONKEYS_AUDIO},
    {"mpc", KIND_MUSEPACK},    {"mpc8", KIND_MUSEPACK},
    {"tta", KIND_TRUE_AUDIO},
    {"ogg", KIND_OGG},
    {"au", KIND_AU},
    {"aiff", KIND_AIFF},
    {"amr", KIND_AMR},         {"amrnb", KIND_AMR},       {"amrwb", KIND_AMR},
    {"aac", KIND_AAC},
    {"mov,mp4,m4a,3gp,3g2,mj2", KIND_MPEG4},
    {"asf", KIND_WINDOWS_MEDIA}, {"asf_o", KIND_WINDOWS_MEDIA},
};

}  // namespace

std::string FileExtension(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  const std::string::size_type nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::string::size_type dot = path.rfind('.');
  if (dot == std::string::npos || dot < nameStart) return std::string();
  return path.substr(dot);
}

SourceKind SourceKindFromPath(const std::string& path) {
  std::string extension = FileExtension(path);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension.empty()) return KIND_OTHER;
  for (const KindRow& row : kKinds)
    if (extension == row.extension) return row.kind;
  return KIND_OTHER;
}

SourceKind SourceKindFromFormat(const std::string& container, const std::string& codec) {
  // Speex keeps its own kind inside the Ogg container.
  if (container == "ogg" && codec == "speex") return KIND_SPEEX;
  for (const FormatRow& row : kFormats)
    if (container == row.container) return row.kind;
  return KIND_OTHER;
}

bool HasMidiContent(const std::string& path) {
  FilePtr file(OpenRegularFile(path));
  char head[12] = {};
  const size_t got = file ? std::fread(head, 1, sizeof head, file.get()) : 0;
  if (got >= 4 && std::memcmp(head, "MThd", 4) == 0) return true;
  return got == sizeof head && std::memcmp(head, "RIFF", 4) == 0 &&
         std::memcmp(head + 8, "RMID", 4) == 0;
}

const char* SourceKindName(int32_t kind) {
  switch (kind) {
    case KIND_MPEG_AUDIO: return "mpeg audio";
    case KIND_WAVE: return "wave";
    case KIND_MODULE: return "module";
    case KIND_MIDI: return "midi";
    case KIND_CD_AUDIO: return "cd audio";
    case KIND_FLAC: return "flac";
    case KIND_WAVPACK: return "wavpack";
    case KIND_AC3: return "ac3";
    case KIND_ADX: return "adx";
    case KIND_MONKEYS_AUDIO: return "monkeys audio";
    case KIND_MUSEPACK: return "musepack";
    case KIND_SPEEX: return "speex";
    case KIND_TRUE_AUDIO: return "true audio";
    case KIND_OGG: return "ogg";
    case KIND_AU: return "au";
    case KIND_AIFF: return "aiff";
    case KIND_AMR: return "amr";
    case KIND_AAC: return "aac";
    case KIND_MPEG4: return "mpeg4";
    case KIND_WINDOWS_MEDIA: return "windows media";
    case KIND_OTHER: return "other";
  }
  return nullptr;
}
