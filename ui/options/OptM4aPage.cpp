#include "ui/options/OptM4aPage.h"

#include "app/ConvertSettings.h"
#include "ui/options/TagSection.h"

namespace {

using CS = ConvertSettings;

constexpr AacSettingFields M4A_FIELDS = {&CS::autoDestM4AEncodingParam,
                                         &CS::m4aVBR,
                                         &CS::m4aABRBitRate,
                                         &CS::m4aVBRQuality,
                                         &CS::m4aEnableTNS,
                                         &CS::m4aEnableMidside,
                                         nullptr,
                                         &CS::m4aBlockType,
                                         &CS::amplifyM4A,
                                         &CS::amplifyM4ACoef};

const TagSectionTexts M4A_TAG_TEXTS = {
    QT_TRANSLATE_NOOP("Options", "Add &ID3 tag"),
    QT_TRANSLATE_NOOP("Options", "Trans&fer ID3 tag from source file"),
    QT_TRANSLATE_NOOP("Options", "Non&e"), QT_TRANSLATE_NOOP("Options", "E&dit ID3 tag")};

}  // namespace

COptM4aPage::COptM4aPage(const ConvertSettings& values, Desktop& desktop)
    : CAacFamilyPage(tr("MP4/M4A/M4B Options"), M4A_FIELDS, values, desktop) {
  tags_ = new TagSection(this, M4A_TAG_TEXTS, false, desktop_);
  AddSection(tags_);
}

void COptM4aPage::Initialise() {
  CAacFamilyPage::Initialise();
  tags_->Load(values_.m4aID3TagType, values_.m4aTag);
}

void COptM4aPage::CopyOut(ConvertSettings& settings) {
  CAacFamilyPage::CopyOut(settings);
  settings.m4aID3TagType = tags_->TagType();
  settings.m4aTag = tags_->Preset();
}
