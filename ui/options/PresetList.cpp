#include "ui/options/PresetList.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/options/OptPage.h"
#include "ui/options/ValueCombo.h"

PresetList::PresetList(QWidget* parent, const PresetListSpec& spec)
    : QGroupBox(tr("Encoding Options"), parent), spec_(spec) {
  presets_ = new QComboBox(this);
  sampleRates_ = new QComboBox(this);
  values_ = new QComboBox(this);
  auto* rateLabel = new QLabel(tr("Sample &Frequency:"), this);
  rateLabel->setBuddy(sampleRates_);
  auto* valueLabel = new QLabel(OptionsText(spec_.valueLabel), this);
  valueLabel->setBuddy(values_);

  channels_ = new QButtonGroup(this);
  auto* radioRow = new QHBoxLayout;
  for (const char* text : spec_.channels) {
    auto* radio = new QRadioButton(OptionsText(text), this);
    channels_->addButton(radio, static_cast<int>(radios_.size()));
    radios_.push_back(radio);
    radioRow->addWidget(radio);
  }
  radioRow->addStretch(1);

  layout_ = new QGridLayout(this);
  layout_->addWidget(presets_, 0, 0, 1, 4);
  layout_->addWidget(rateLabel, 1, 0);
  layout_->addWidget(sampleRates_, 1, 1);
  layout_->addWidget(valueLabel, 1, 2);
  layout_->addWidget(values_, 1, 3);
  layout_->addWidget(new QLabel(tr("Channels:"), this), 2, 0);
  layout_->addLayout(radioRow, 2, 1, 1, 3);
  layout_->setColumnStretch(1, 1);
  layout_->setColumnStretch(3, 1);

  connect(presets_, &QComboBox::currentIndexChanged, this, &PresetList::PresetChosen);
  connect(sampleRates_, &QComboBox::currentIndexChanged, this,
          [this] { Q_EMIT SampleRateChosen(SelectedValue(*sampleRates_)); });
  connect(values_, &QComboBox::currentIndexChanged, this,
          [this] { Q_EMIT ValueChosen(SelectedValue(*values_)); });
  connect(channels_, &QButtonGroup::idClicked, this, [this](int channel) {
    const int previous = current_.channel;
    current_.channel = channel;
    if (channel != previous) SelectCustom();
    Q_EMIT ChannelChosen(previous);
  });
}

void PresetList::Load(const PresetValues& values) {
  const QSignalBlocker blockPresets(presets_);
  const QSignalBlocker blockRates(sampleRates_);
  const QSignalBlocker blockValues(values_);
  auto addRow = [this](const PresetEntry& row) {
    presets_->addItem(OptionsText(row.label), row.code);
    return presets_->count() - 1;
  };
  presets_->clear();
  int selected = addRow(spec_.autoRow);
  if (!values.autoMode) selected = -1;
  for (const PresetEntry& row : spec_.presets) {
    const int index = addRow(row);
    if (!values.autoMode && row.sampleRate == values.sampleRate && row.value == values.value &&
        row.channel == values.channel)
      selected = index;
  }
  customIndex_ = addRow(spec_.customRow);
  presets_->setCurrentIndex(selected < 0 ? customIndex_ : selected);

  FillValueCombo(*sampleRates_, spec_.sampleRates, QT_TRANSLATE_NOOP("Options", " Hz"),
                 values.sampleRate);
  FillValueCombo(*values_, spec_.values, spec_.valueUnit, values.value);
  if (values.channel >= 0 && values.channel < static_cast<int>(radios_.size()))
    radios_[static_cast<size_t>(values.channel)]->setChecked(true);
  current_ = values;
  SetValuesEnabled(!values.autoMode);
}

PresetValues PresetList::ReadBack() const {
  PresetValues values;
  values.autoMode = presets_->currentData().toInt() == spec_.autoRow.code;
  values.sampleRate = SelectedValue(*sampleRates_);
  values.value = SelectedValue(*values_);
  values.channel = CheckedChannel();
  return values;
}

void PresetList::Store(int sampleRate, int value) {
  current_.sampleRate = sampleRate;
  current_.value = value;
}

bool PresetList::ShowSampleRate(int sampleRate) {
  const QSignalBlocker blocker(sampleRates_);
  return SelectValue(*sampleRates_, sampleRate);
}

bool PresetList::ShowValue(int value) {
  const QSignalBlocker blocker(values_);
  return SelectValue(*values_, value);
}

void PresetList::SelectCustom() {
  const QSignalBlocker blocker(presets_);
  if (presets_->currentIndex() != customIndex_) presets_->setCurrentIndex(customIndex_);
}

void PresetList::AddRow(QWidget* widget) {
  layout_->addWidget(widget, layout_->rowCount(), 0, 1, 4);
}

void PresetList::PresetChosen(int index) {
  const int code = presets_->itemData(index).toInt();
  if (code == spec_.autoRow.code) {
    SetValuesEnabled(false);
    return;
  }
  if (!values_->isEnabled()) SetValuesEnabled(true);
  current_.channel = CheckedChannel();
  for (const PresetEntry& row : spec_.presets) {
    if (row.code != code) continue;
    ShowValue(row.value);
    ShowSampleRate(row.sampleRate);
    current_.sampleRate = row.sampleRate;
    current_.value = row.value;
    current_.channel = row.channel;
    radios_[static_cast<size_t>(row.channel)]->setChecked(true);
  }
}

void PresetList::SetValuesEnabled(bool enabled) {
  sampleRates_->setEnabled(enabled);
  values_->setEnabled(enabled);
  for (QRadioButton* radio : radios_) radio->setEnabled(enabled);
}

int PresetList::CheckedChannel() const {
  const int checked = channels_->checkedId();
  return checked < 0 ? current_.channel : checked;
}

int RadioForChannelCount(uint32_t channels) {
  if (channels == 2) return RADIO_STEREO;
  if (channels == 1) return RADIO_MONO;
  return RADIO_SAME_AS_SOURCE;
}

uint32_t ChannelCountForRadio(int radio) {
  if (radio == RADIO_STEREO) return 2;
  if (radio == RADIO_MONO) return 1;
  return 0;
}
