#include "ui/options/TagSection.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>

#include "ui/options/OptPage.h"
#include "ui/options/TagEditDlg.h"

TagSection::TagSection(QWidget* parent, const TagSectionTexts& texts, bool showCopyright,
                       Desktop& desktop)
    : QGroupBox(tr("ID3 Tag"), parent), desktop_(desktop), showCopyright_(showCopyright) {
  auto* group = new QButtonGroup(this);
  const char* labels[3] = {texts.add, texts.transfer, texts.none};
  auto* layout = new QGridLayout(this);
  for (int type = 0; type < 3; ++type) {
    radios_[type] = new QRadioButton(OptionsText(labels[type]), this);
    group->addButton(radios_[type], type);
    layout->addWidget(radios_[type], type, 0);
  }
  edit_ = new QPushButton(OptionsText(texts.editButton), this);
  edit_->setAutoDefault(false);
  layout->addWidget(edit_, 0, 1);
  layout->setColumnStretch(2, 1);

  connect(group, &QButtonGroup::idClicked, this, [this](int type) {
    edit_->setEnabled(type == TAG_FROM_PRESET);
    Q_EMIT TagTypeChanged(static_cast<uint32_t>(type));
  });
  connect(edit_, &QPushButton::clicked, this, &TagSection::EditPreset);
}

void TagSection::Load(uint32_t tagType, const TagPreset& preset) {
  preset_ = preset;
  // A stored option outside the three is shown as none of them chosen, as
  // a radio group with no match shows it.
  for (uint32_t type = 0; type < 3; ++type) radios_[type]->setChecked(type == tagType);
  edit_->setEnabled(tagType == TAG_FROM_PRESET);
}

uint32_t TagSection::TagType() const {
  for (uint32_t type = 0; type < 3; ++type)
    if (radios_[type]->isChecked()) return type;
  return TAG_NONE;
}

void TagSection::EditPreset() {
  CTagEditDlg dialog(this, preset_, showCopyright_, desktop_);
  if (dialog.exec() == QDialog::Accepted) preset_ = dialog.Result();
}
