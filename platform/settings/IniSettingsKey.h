#pragma once

#include <memory>
#include <string>

#include "platform/settings/SettingsKey.h"

class QSettings;

// The settings store as an INI file through QSettings. A key is a QSettings
// group ("Options", "Options/MP3Tag"); numbers are written as unsigned
// decimal texts, texts as strings. A file that cannot be read or parsed
// (or is no INI text at all)
// opens no key at all, so every value keeps its default, and is never
// written, so that nothing it holds is lost.
class IniSettingsRoot : public SettingsRoot {
 public:
  explicit IniSettingsRoot(std::string filePath);
  ~IniSettingsRoot() override;

  std::unique_ptr<SettingsKey> OpenKey(const std::string& path) const override;
  std::unique_ptr<SettingsKey> CreateKey(const std::string& path) override;
  std::string ReadProblem() const override { return readProblem_; }

  const std::string& FilePath() const { return filePath_; }

 private:
  bool Readable() const;

  std::string filePath_;
  std::shared_ptr<QSettings> settings_;
  std::string readProblem_;
};
