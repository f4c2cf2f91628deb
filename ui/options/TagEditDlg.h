#pragma once

#include <QDialog>

#include "app/TagPreset.h"

class CSpinStepCtrl;
class Desktop;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// "Edit ID3 Tag": edits a copy of one format's tag preset, the texts and the
// track-number rule written into every output whose tag option is the
// preset. The caller's preset takes Result() only when the dialog ends
// with OK. The M4A page opens it without the Copyright row; the preset's
// copyright then passes through unchanged.
class CTagEditDlg : public QDialog {
  Q_OBJECT

 public:
  CTagEditDlg(QWidget* parent, const TagPreset& preset, bool showCopyright, Desktop& desktop);

  // The edited preset (the preset given, until OK).
  const TagPreset& Result() const { return result_; }

  QRadioButton* TrackRadio(int mode) const { return trackRadios_[mode]; }
  CSpinStepCtrl* TrackNumber() const { return trackNumber_; }
  QCheckBox* TitleAsFileName() const { return titleAsFileName_; }
  QLineEdit* Text(const char* name) const;  // "title", "artist", ... "copyright"
  QComboBox* Genre() const { return genre_; }

 public Q_SLOTS:
  void accept() override;

 private:
  void UpdateEnabled();

  Desktop& desktop_;
  TagPreset result_;
  QRadioButton* trackRadios_[3];
  CSpinStepCtrl* trackNumber_;
  QCheckBox* titleAsFileName_;
  QComboBox* genre_;
};
