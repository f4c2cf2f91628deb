#pragma once

#include "ui/options/AacFamilyPage.h"

class TagSection;

// "MP4/M4A/M4B Options": the AAC encoding of the MPEG-4 files (no MPEG
// version), their tag section and the Sound section. The tag editor opens
// without the Copyright row.
class COptM4aPage : public CAacFamilyPage {
  Q_OBJECT

 public:
  COptM4aPage(const ConvertSettings& values, Desktop& desktop);

  void CopyOut(ConvertSettings& settings) override;

  TagSection* Tags() const { return tags_; }

 protected:
  void Initialise() override;

 private:
  TagSection* tags_;
};
