#include "ui/options/LoudnessOptPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "app/ConvertSettings.h"
#include "ui/options/ValueCombo.h"

namespace {

// The stored target is the loudness below full scale (16: -16 LUFS), the
// ceiling tenths of a dB below it (10: -1.0 dBTP); the controls show the
// signed values.
constexpr int kLowestTarget = 40;
constexpr int kHighestTarget = 5;
constexpr int kLowestCeiling = 120;

QLabel* Note(const QString& text, QWidget* parent) {
  auto* note = new QLabel(text, parent);
  note->setWordWrap(true);
  return note;
}

}  // namespace

CLoudnessOptPage::CLoudnessOptPage(const ConvertSettings& values, Desktop& desktop)
    : COptPage(tr("Loudness"), values, desktop) {
  auto* tags = new QGroupBox(tr("ReplayGain Tags"), this);
  replayGain_ = new QComboBox(tags);
  replayGain_->addItem(tr("Off"), static_cast<int>(REPLAYGAIN_NONE));
  replayGain_->addItem(tr("Track"), static_cast<int>(REPLAYGAIN_TRACK));
  replayGain_->addItem(tr("Track and album"), static_cast<int>(REPLAYGAIN_ALBUM));
  albumBy_ = new QComboBox(tags);
  albumBy_->addItem(tr("The files of one source folder"), static_cast<int>(ALBUM_BY_FOLDER));
  albumBy_->addItem(tr("The whole batch"), static_cast<int>(ALBUM_BY_BATCH));
  noTagsNote_ = Note(tr("The gain and peak are measured on what is written. WAV, AMR, AWB and "
                        "AAC (ADTS) outputs hold no tags, so they get none."),
                     tags);
  auto* tagsLayout = new QFormLayout(tags);
  tagsLayout->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  tagsLayout->addRow(tr("&ReplayGain tags:"), replayGain_);
  tagsLayout->addRow(tr("An &album is:"), albumBy_);
  tagsLayout->addRow(noTagsNote_);

  auto* level = new QGroupBox(tr("Normalisation"), this);
  normalize_ = new QCheckBox(tr("&Normalise loudness to"), level);
  target_ = new QSpinBox(level);
  target_->setRange(-kLowestTarget, -kHighestTarget);
  target_->setSuffix(tr(" LUFS"));
  normalizeBy_ = new QComboBox(level);
  normalizeBy_->addItem(tr("per track"), static_cast<int>(NORMALIZE_TRACK));
  normalizeBy_->addItem(tr("per album"), static_cast<int>(NORMALIZE_ALBUM));
  ceiling_ = new QDoubleSpinBox(level);
  ceiling_->setDecimals(1);
  ceiling_->setSingleStep(0.1);
  ceiling_->setRange(-kLowestCeiling / 10.0, 0.0);
  ceiling_->setSuffix(tr(" dBTP"));
  auto* ceilingLabel = new QLabel(tr("True-peak &ceiling:"), level);
  ceilingLabel->setBuddy(ceiling_);
  amplifyNote_ = Note(tr("One gain for each track or album, lowered where the true peak would "
                         "pass the ceiling; the music is not compressed. When normalisation is "
                         "on, it takes the place of the output format's Amplify option."),
                      level);
  auto* targetRow = new QHBoxLayout;
  targetRow->addWidget(normalize_);
  targetRow->addWidget(target_);
  targetRow->addWidget(normalizeBy_);
  targetRow->addStretch(1);
  auto* ceilingRow = new QHBoxLayout;
  ceilingRow->addWidget(ceilingLabel);
  ceilingRow->addWidget(ceiling_);
  ceilingRow->addStretch(1);
  auto* levelLayout = new QVBoxLayout(level);
  levelLayout->addLayout(targetRow);
  levelLayout->addLayout(ceilingRow);
  levelLayout->addWidget(amplifyNote_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tags);
  layout->addWidget(level);
  layout->addStretch(1);

  connect(replayGain_, &QComboBox::currentIndexChanged, this, &CLoudnessOptPage::UpdateEnabled);
  connect(normalizeBy_, &QComboBox::currentIndexChanged, this, &CLoudnessOptPage::UpdateEnabled);
  connect(normalize_, &QCheckBox::toggled, this, &CLoudnessOptPage::UpdateEnabled);
}

void CLoudnessOptPage::Initialise() {
  // A stored code the page does not know shows as the default.
  if (!SelectValue(*replayGain_, static_cast<int>(values_.replayGain)))
    replayGain_->setCurrentIndex(0);
  if (!SelectValue(*albumBy_, static_cast<int>(values_.albumBy))) albumBy_->setCurrentIndex(0);
  const bool on = values_.normalize == NORMALIZE_TRACK || values_.normalize == NORMALIZE_ALBUM;
  normalize_->setChecked(on);
  SelectValue(*normalizeBy_, static_cast<int>(on ? values_.normalize : NORMALIZE_TRACK));
  const uint32_t target =
      std::clamp<uint32_t>(values_.normalizeLufs, kHighestTarget, kLowestTarget);
  target_->setValue(-static_cast<int>(target));
  const uint32_t ceiling = std::min<uint32_t>(values_.normalizeCeiling, kLowestCeiling);
  ceiling_->setValue(-static_cast<double>(ceiling) / 10.0);
  UpdateEnabled();
}

void CLoudnessOptPage::UpdateEnabled() {
  const bool normalizing = normalize_->isChecked();
  target_->setEnabled(normalizing);
  normalizeBy_->setEnabled(normalizing);
  ceiling_->setEnabled(normalizing);
  const bool albums =
      SelectedValue(*replayGain_) == static_cast<int>(REPLAYGAIN_ALBUM) ||
      (normalizing && SelectedValue(*normalizeBy_) == static_cast<int>(NORMALIZE_ALBUM));
  albumBy_->setEnabled(albums);
}

void CLoudnessOptPage::CopyOut(ConvertSettings& settings) {
  settings.replayGain = static_cast<uint32_t>(std::max(0, SelectedValue(*replayGain_)));
  settings.albumBy = static_cast<uint32_t>(std::max(0, SelectedValue(*albumBy_)));
  settings.normalize = normalize_->isChecked()
                           ? static_cast<uint32_t>(std::max(1, SelectedValue(*normalizeBy_)))
                           : NORMALIZE_OFF;
  settings.normalizeLufs = static_cast<uint32_t>(-target_->value());
  settings.normalizeCeiling = static_cast<uint32_t>(std::lround(-ceiling_->value() * 10));
}
