#include "app/ConvertSettings.h"

#include <algorithm>
#include <cctype>
#include <thread>

bool TagPreset::operator==(const TagPreset& o) const {
  return titleAsFileName == o.titleAsFileName && title == o.title && artist == o.artist &&
         album == o.album && year == o.year && genre == o.genre && comment == o.comment &&
         composer == o.composer && copyright == o.copyright && trackNumType == o.trackNumType &&
         customTrackNum == o.customTrackNum;
}

ConvertSettings::ConvertSettings(const std::string& documentsFolder) {
  if (!documentsFolder.empty()) {
    destOutputFolderOpt = DEST_CUSTOM_FOLDER;
    destSpecifiedFolder = documentsFolder;
  }
}

int ProcessorCount() {
  return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, MAX_CONVERT_JOBS));
}

int ConvertJobsOf(const ConvertSettings& settings) {
  if (settings.convertJobs == 0) return ProcessorCount();
  return static_cast<int>(std::min(settings.convertJobs, MAX_CONVERT_JOBS));
}

void RebuildExtensionFilter(ConvertSettings& settings) {
  settings.extensionFilter.clear();
  if (settings.enableExtFilter == 0 || settings.filterExts.empty()) return;

  std::string lower = settings.filterExts;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  std::string::size_type start = 0;
  for (;;) {
    const std::string::size_type comma = lower.find(',', start);
    if (comma == std::string::npos) {
      settings.extensionFilter.push_back(lower.substr(start));
      break;
    }
    settings.extensionFilter.push_back(lower.substr(start, comma - start));
    start = comma + 1;
  }
}
