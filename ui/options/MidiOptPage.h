#pragma once

#include <string>
#include <vector>

#include "ui/options/MidiPageContext.h"
#include "ui/options/OptPage.h"

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "MIDI Options": the SoundFont that renders MIDI songs. A line edit holds
// its path (empty: ct4mgm.sf2 beside the program), filled by Browse or by
// choosing one of the SoundFonts installed on the system. "Check the Songs"
// names, for each MIDI song of the list, the instruments the font in the
// field lacks and the preset that will play each instead, before anything
// is converted.
class CMidiOptPage : public COptPage {
  Q_OBJECT

 public:
  CMidiOptPage(const ConvertSettings& values, Desktop& desktop, MidiPageContext context);

  bool Leave() override;
  void CopyOut(ConvertSettings& settings) override;

  QLineEdit* FontEdit() const { return fontEdit_; }
  QPushButton* BrowseButton() const { return browse_; }
  // The first row is the default font; the others are the installed ones.
  QListWidget* InstalledFonts() const { return installed_; }
  QPushButton* CheckButton() const { return check_; }
  QPlainTextEdit* CheckResult() const { return result_; }

  // The *.sf2 and *.sf3 files in `folders` and in their sub-folders, one
  // level deep, sorted by path.
  static std::vector<std::string> FindInstalledFonts(const std::vector<std::string>& folders);

 protected:
  void Initialise() override;

 private:
  void Browse();
  void CheckSongs();
  std::string FontPath() const;

  MidiPageContext context_;
  QLineEdit* fontEdit_;
  QPushButton* browse_;
  QListWidget* installed_;
  QPushButton* check_;
  QPlainTextEdit* result_;
};
