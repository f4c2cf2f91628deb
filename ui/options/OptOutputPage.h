#pragma once

#include <cstdint>
#include <string>

#include "ui/options/OptPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// "General": the options that belong to no one format. How a stereo source
// becomes a mono output, the extension filter of Add Folder and dropped
// files, the output folder (next to the source or a custom folder, with or
// without the source's folders below it, and keeping the sub-folders of
// added folders), the output-name pattern, what happens when the target
// exists, the documents folder as the fallback, showing the output folder
// when a batch ends, and how many files a batch converts at a time.
class COptOutputPage : public COptPage {
  Q_OBJECT

 public:
  COptOutputPage(const ConvertSettings& values, Desktop& desktop);

  bool Leave() override;
  void CopyOut(ConvertSettings& settings) override;

  QRadioButton* MonoRadio(int monoType) const { return monoRadios_[monoType]; }
  QPushButton* MonoHelp() const { return monoHelp_; }
  QCheckBox* FilterBox() const { return filterBox_; }
  QLineEdit* FilterEdit() const { return filterEdit_; }
  QComboBox* OutputFolder() const { return outputFolderCombo_; }
  QLineEdit* CustomFolder() const { return customFolderEdit_; }
  QPushButton* Browse() const { return browseButton_; }
  QCheckBox* CreateDirs() const { return createDirsBox_; }
  QLabel* CreateDirsExample() const { return example_; }
  QCheckBox* KeepAddedSubfolders() const { return keepSubfoldersBox_; }
  QLineEdit* NamePatternEdit() const { return namePatternEdit_; }
  QComboBox* TargetExists() const { return targetExistsCombo_; }
  QCheckBox* ToMyDocuments() const { return toMyDocumentsBox_; }
  QCheckBox* BrowseWhenDone() const { return browseWhenDoneBox_; }
  QSpinBox* ConvertJobs() const { return convertJobsSpin_; }
  QCheckBox* VerifyOutputs() const { return verifyBox_; }
  QCheckBox* CoverFromFolder() const { return coverFromFolderBox_; }

 protected:
  void Initialise() override;

 private:
  void BuildControls();
  void ReadControls();
  void UpdateFolderControls();
  void ChooseCustomFolder();

  uint32_t monoType_ = 0;
  bool enableExtFilter_ = false;
  std::string filterExts_;
  uint32_t outputFolderOpt_ = 0;
  std::string customFolder_;
  bool createDirs_ = false;
  bool keepSubfolders_ = false;
  std::string namePattern_;
  uint32_t targetExistsOpt_ = 0;
  bool toMyDocuments_ = false;
  bool browseWhenDone_ = false;
  bool verify_ = false;
  bool coverFromFolder_ = false;

  QRadioButton* monoRadios_[3] = {};
  QPushButton* monoHelp_ = nullptr;
  QCheckBox* filterBox_ = nullptr;
  QLineEdit* filterEdit_ = nullptr;
  QComboBox* outputFolderCombo_ = nullptr;
  QLineEdit* customFolderEdit_ = nullptr;
  QPushButton* browseButton_ = nullptr;
  QCheckBox* createDirsBox_ = nullptr;
  QLabel* example_ = nullptr;
  QCheckBox* keepSubfoldersBox_ = nullptr;
  QLineEdit* namePatternEdit_ = nullptr;
  QComboBox* targetExistsCombo_ = nullptr;
  QCheckBox* toMyDocumentsBox_ = nullptr;
  QCheckBox* browseWhenDoneBox_ = nullptr;
  QSpinBox* convertJobsSpin_ = nullptr;
  QCheckBox* verifyBox_ = nullptr;
  QCheckBox* coverFromFolderBox_ = nullptr;
};
