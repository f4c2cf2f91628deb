#include "source/SourceKind.h"

#include <algorithm>
#include <cctype>

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
    {".ogg", KIND_OGG},        {".oga", KIND_OGG},
    {".au", KIND_AU},          {".snd", KIND_AU},
    {".aif", KIND_AIFF},       {".aiff", KIND_AIFF},      {".aifc", KIND_AIFF},
    {".afc", KIND_AIFF},
    {".amr", KIND_AMR},        {".awb", KIND_AMR},
    {".aac", KIND_AAC},
    {".mp4", KIND_MPEG4},      {".m4a", KIND_MPEG4},      {".m4b", KIND_MPEG4},
    {".m4v", KIND_MPEG4},
    {".wma", KIND_WINDOWS_MEDIA}, {".wmv", KIND_WINDOWS_MEDIA}, {".asf", KIND_WINDOWS_MEDIA},
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
