#include "ui/options/OptAacPage.h"

#include "app/ConvertSettings.h"

namespace {

using CS = ConvertSettings;

constexpr AacSettingFields AAC_FIELDS = {&CS::autoDestAACEncodingParam,
                                         &CS::aacVBR,
                                         &CS::aacABRBitRate,
                                         &CS::aacVBRQuality,
                                         &CS::aacEnableTNS,
                                         &CS::aacEnableMidside,
                                         &CS::aacMpegVersion,
                                         &CS::aacBlockType,
                                         &CS::amplifyAAC,
                                         &CS::amplifyAACCoef};

}  // namespace

COptAacPage::COptAacPage(const ConvertSettings& values, Desktop& desktop)
    : CAacFamilyPage(tr("AAC Options"), AAC_FIELDS, values, desktop) {}
