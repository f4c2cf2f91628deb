#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// One key of the per-user settings store, shaped like a registry key: named
// 32-bit numbers and texts. Keys, and the keys below them ("Options/MP3Tag"),
// are opened through the SettingsRoot for reading (which fails when the key
// does not exist) or created for writing.
class SettingsKey {
 public:
  virtual ~SettingsKey() = default;

  // The number stored under `name`; empty when the value is missing or is
  // not a 32-bit unsigned number.
  virtual std::optional<uint32_t> ReadNumber(const std::string& name) const = 0;
  // The text stored under `name` (UTF-8); empty when missing or not a text.
  virtual std::optional<std::string> ReadText(const std::string& name) const = 0;

  virtual bool WriteNumber(const std::string& name, uint32_t value) = 0;
  virtual bool WriteText(const std::string& name, const std::string& value) = 0;
  virtual bool DeleteValue(const std::string& name) = 0;

  // Makes every write so far durable; false when the store cannot be written.
  virtual bool Flush() = 0;
};

// The root of a settings store: the place under which the program's own key
// lives. The production root is the per-user settings file; tests use one
// in a temporary folder.
class SettingsRoot {
 public:
  virtual ~SettingsRoot() = default;
  // The key at `path` ("Options", "Options/MP3Tag") for reading, or null.
  virtual std::unique_ptr<SettingsKey> OpenKey(const std::string& path) const = 0;
  // The key at `path` for writing, created when missing, or null.
  virtual std::unique_ptr<SettingsKey> CreateKey(const std::string& path) = 0;
  // Why the stored settings exist but cannot be read, naming the store
  // ("the settings file "/home/ann/.config/…" cannot be parsed"); "" when
  // they can be read or do not exist yet. Such a store is never written.
  virtual std::string ReadProblem() const { return std::string(); }
};

// A stored number as text: decimal digits only, at most 4294967295; empty
// for anything else (a sign, spaces, letters, an empty text).
std::optional<uint32_t> ParseUint32(const std::string& text);

// The per-user settings of the program: the settings file of the
// organisation "Vantrel Technologies", application "Sondrel".
std::unique_ptr<SettingsRoot> OpenUserSettings();
