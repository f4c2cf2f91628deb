#pragma once

#include <QDialog>

#include <memory>
#include <vector>

#include "app/ConvertSettings.h"
#include "ui/options/MidiPageContext.h"

class COptPage;
class Desktop;
class QTabWidget;
class SettingsRoot;

// The options sheet "Options": its pages (General, one per output format,
// MIDI, then the pages of the formats added later and Loudness) over a copy of the
// settings, OK and Cancel. It opens on the page that was active when it
// last closed. A page is checked when it is left; OK checks the active
// page, copies every page that was shown back into the settings, rebuilds
// the extension filter and saves the options and the tag presets. Cancel changes nothing but the remembered page.
class COptSheet : public QDialog {
  Q_OBJECT

 public:
  COptSheet(QWidget* parent, ConvertSettings& settings, SettingsRoot& root, Desktop& desktop,
            const MidiPageContext& midi = MidiPageContext());
  ~COptSheet() override;

  // The index of the page shown now (or when the sheet closed).
  int ActiveIndex() const;
  COptPage& Page(int index) const { return *pages_[static_cast<size_t>(index)]; }
  QTabWidget& Tabs() const { return *tabs_; }

  // Runs the sheet modally and remembers its last page in the settings'
  // "OptStartPageIndex" (written when the main window closes).
  static void Run(QWidget* parent, ConvertSettings& settings, SettingsRoot& root, Desktop& desktop,
                  const MidiPageContext& midi = MidiPageContext());

 public Q_SLOTS:
  void accept() override;

 private:
  void PageChanged(int index);

  ConvertSettings& settings_;
  SettingsRoot& root_;
  Desktop& desktop_;
  ConvertSettings copy_;  // what the pages start from
  std::vector<COptPage*> pages_;
  QTabWidget* tabs_ = nullptr;
  int current_ = 0;
};
