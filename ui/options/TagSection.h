#pragma once

#include <QGroupBox>

#include <cstdint>

#include "app/TagPreset.h"

class Desktop;
class QPushButton;
class QRadioButton;

// The texts of a page's tag section; access keys differ from page to page.
struct TagSectionTexts {
  const char* add;         // "Add &ID3 tag"
  const char* transfer;    // "T&ransfer ID3 tag from source file"
  const char* none;        // "&None"
  const char* editButton;  // "Edit ID3 &tag"
};

// The tag section of the MP3, OGG, WMA and M4A pages: the tag option
// (0 the preset, 1 transferred from the source, 2 none) and the button that
// edits the page's copy of the format's tag preset, enabled only for the
// preset choice.
class TagSection : public QGroupBox {
  Q_OBJECT

 public:
  TagSection(QWidget* parent, const TagSectionTexts& texts, bool showCopyright,
             Desktop& desktop);

  void Load(uint32_t tagType, const TagPreset& preset);
  uint32_t TagType() const;
  const TagPreset& Preset() const { return preset_; }

  QRadioButton* Radio(uint32_t tagType) const { return radios_[tagType]; }
  QPushButton* EditButton() const { return edit_; }

 Q_SIGNALS:
  void TagTypeChanged(uint32_t tagType);

 private:
  void EditPreset();

  Desktop& desktop_;
  bool showCopyright_;
  QRadioButton* radios_[3];
  QPushButton* edit_;
  TagPreset preset_;
};
