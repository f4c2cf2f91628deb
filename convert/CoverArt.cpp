#include "convert/CoverArt.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

#include "convert/OutputDescription.h"
#include "platform/files/FileHandle.h"
#include "platform/files/SourceFileOpen.h"
#include "platform/tags/CoverPictures.h"

namespace {

// The names a folder's picture goes by, the preferred first.
const char* const kFolderPictureNames[] = {"cover.jpg",  "cover.jpeg",  "cover.png",
                                           "folder.jpg", "folder.jpeg", "folder.png"};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string Mebibytes(uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / (1 << 20));
  return text;
}

std::string TooLarge(const std::string& what, uint64_t bytes) {
  return what + " (" + Mebibytes(bytes) + ") is larger than the " + Mebibytes(MAX_COVER_BYTES) +
         " a cover may have and was left out";
}

// The picture files in `folder` by preference; of names that differ in
// letter case only, the first in byte order.
std::vector<std::string> FolderPictureFiles(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  if (!dir) return names;
  while (const dirent* item = readdir(dir)) {
    const std::string lower = Lower(item->d_name);
    for (const char* known : kFolderPictureNames)
      if (lower == known) names.push_back(item->d_name);
  }
  closedir(dir);
  const auto rank = [](const std::string& name) {
    const std::string lower = Lower(name);
    return std::find(std::begin(kFolderPictureNames), std::end(kFolderPictureNames), lower) -
           std::begin(kFolderPictureNames);
  };
  std::sort(names.begin(), names.end(), [&rank](const std::string& a, const std::string& b) {
    return rank(a) != rank(b) ? rank(a) < rank(b) : a < b;
  });
  return names;
}

// The bytes of a folder's picture file, or none with a note.
std::optional<std::vector<uint8_t>> ReadPictureFile(const std::string& path,
                                                    const std::string& name, std::string& note) {
  FilePtr file(OpenRegularFile(path));
  struct stat info {};
  if (!file || fstat(fileno(file.get()), &info) != 0) {
    AddNote(note, name + " beside the source could not be read and was left out");
    return std::nullopt;
  }
  const auto size = static_cast<uint64_t>(info.st_size);
  if (size > MAX_COVER_BYTES) {
    AddNote(note, TooLarge(name + " beside the source", size));
    return std::nullopt;
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
    AddNote(note, name + " beside the source could not be read and was left out");
    return std::nullopt;
  }
  return bytes;
}

// The first usable picture file of the source's folder, as the front cover.
std::vector<CoverPicture> FolderPicture(const std::string& sourcePath, std::string& note) {
  const std::string parent = std::filesystem::path(sourcePath).parent_path().string();
  const std::string folder = parent.empty() ? "." : parent;
  for (const std::string& name : FolderPictureFiles(folder)) {
    std::optional<std::vector<uint8_t>> bytes = ReadPictureFile(folder + "/" + name, name, note);
    if (!bytes) continue;
    CoverPicture picture;
    picture.mimeType = ImageMimeType(*bytes);
    if (picture.mimeType.empty()) {
      AddNote(note, name + " beside the source is not a whole JPEG or PNG image and was left out");
      continue;
    }
    picture.data = std::move(*bytes);
    return {std::move(picture)};
  }
  return {};
}

}  // namespace

bool CarryCoverArt(const OutputDescription& output, const std::string& sourcePath,
                   const std::string& outputPath, const ConversionContext& context) {
  const ConvertSettings& settings = context.settings;
  if (!output.tagOption || settings.*output.tagOption != TAG_TRANSFER ||
      !HoldsCoverPictures(outputPath) || (output.holdsPictures && !output.holdsPictures(settings)))
    return true;
  std::vector<CoverPicture> pictures = ReadCoverPictures(sourcePath);
  const auto tooLarge = [&context](const CoverPicture& picture) {
    if (picture.data.size() <= MAX_COVER_BYTES) return false;
    AddNote(context.note, TooLarge("a picture in the source", picture.data.size()));
    return true;
  };
  const bool sourceHeldPictures = !pictures.empty();
  pictures.erase(std::remove_if(pictures.begin(), pictures.end(), tooLarge), pictures.end());
  if (!sourceHeldPictures && settings.coverFromFolder != 0)
    pictures = FolderPicture(sourcePath, context.note);
  if (pictures.empty() || WriteCoverPictures(outputPath, pictures) != PictureWrite::FAILED)
    return true;
  context.reason = "the cover picture could not be written into the output";
  return false;
}
