#pragma once

#include <string>
#include <vector>

#include "ui/options/MidiPageContext.h"
#include "ui/options/OptPage.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "MIDI Options": the SoundFont that renders MIDI songs. A line edit holds
// its path (empty: ct4mgm.sf2 beside the program), filled by Browse or by
// choosing one of the SoundFonts installed on the system. "Check the Songs"
// names, for each MIDI song of the list, the instruments the font in the
// field lacks and the preset that will play each instead, before anything
// is converted. "Room Sound" turns the synthesizer's reverb and chorus on
// and sets their levels (MidiReverb, MidiChorus; 0 stored for off).
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
  QCheckBox* ReverbCheck() const { return reverb_.on; }
  QSpinBox* ReverbLevel() const { return reverb_.level; }
  QCheckBox* ChorusCheck() const { return chorus_.on; }
  QSpinBox* ChorusLevel() const { return chorus_.level; }

  // The *.sf2 and *.sf3 files in `folders` and in their sub-folders, one
  // level deep, sorted by path.
  static std::vector<std::string> FindInstalledFonts(const std::vector<std::string>& folders);

 protected:
  void Initialise() override;

 private:
  void Browse();
  void CheckSongs();
  std::string FontPath() const;
  // "The SoundFont "<file>" cannot be used: <problem>."
  static QString UnusableFontText(const std::string& file, const QString& problem);

  // One effect's row: its check box and its level, which an effect that is
  // off keeps at the synthesizer's own default for when it is turned on.
  struct EffectRow {
    QCheckBox* on = nullptr;
    QSpinBox* level = nullptr;
    int defaultLevel = 0;
  };
  EffectRow AddEffectRow(QWidget* parent, const QString& label, int defaultLevel);
  static void ShowEffect(const EffectRow& row, uint32_t stored);
  static uint32_t StoredEffect(const EffectRow& row);

  MidiPageContext context_;
  EffectRow reverb_;
  EffectRow chorus_;
  QLineEdit* fontEdit_;
  QPushButton* browse_;
  QListWidget* installed_;
  QPushButton* check_;
  QPlainTextEdit* result_;
};
