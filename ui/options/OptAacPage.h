#pragma once

#include "ui/options/AacFamilyPage.h"

// "AAC Options": the AAC encoding with its MPEG version, and the Sound section.
class COptAacPage : public CAacFamilyPage {
  Q_OBJECT

 public:
  COptAacPage(const ConvertSettings& values, Desktop& desktop);
};
