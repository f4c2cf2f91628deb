#pragma once

#include "ui/options/OptPage.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

// "Loudness": the ReplayGain tags written into outputs that hold tags (off,
// the track's values, or the track's and its album's), what forms an album
// (the files of one source folder, or the whole batch), and loudness
// normalisation: one gain per track or per album that brings the output to
// a target loudness, lowered where the true peak would pass a ceiling.
// The target and the ceiling are kept while normalisation is off, for when
// it is turned on again. The album choice applies to album tags and to
// normalisation per album, so it is open whenever either uses it.
class CLoudnessOptPage : public COptPage {
  Q_OBJECT

 public:
  CLoudnessOptPage(const ConvertSettings& values, Desktop& desktop);

  bool Leave() override { return true; }  // every control holds a valid value
  void CopyOut(ConvertSettings& settings) override;

  QComboBox* ReplayGain() const { return replayGain_; }
  QComboBox* AlbumBy() const { return albumBy_; }
  QLabel* NoTagsNote() const { return noTagsNote_; }
  QCheckBox* Normalize() const { return normalize_; }
  QSpinBox* Target() const { return target_; }
  QComboBox* NormalizeBy() const { return normalizeBy_; }
  QDoubleSpinBox* Ceiling() const { return ceiling_; }
  QLabel* AmplifyNote() const { return amplifyNote_; }

 protected:
  void Initialise() override;

 private:
  void UpdateEnabled();

  QComboBox* replayGain_;
  QComboBox* albumBy_;
  QLabel* noTagsNote_;
  QCheckBox* normalize_;
  QSpinBox* target_;
  QComboBox* normalizeBy_;
  QDoubleSpinBox* ceiling_;
  QLabel* amplifyNote_;
};
