#include "ui/options/OptOutputPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "app/ConvertSettings.h"
#include "convert/NamePattern.h"
#include "convert/OutputPlacement.h"
#include "ui/desktop/Desktop.h"
#include "ui/options/ValueCombo.h"

namespace {

struct ComboItem {
  const char* text;
  uint32_t value;
};

const ComboItem kOutputFolderItems[] = {
    {QT_TRANSLATE_NOOP("Options", "Same as original file"), DEST_SAME_AS_SOURCE},
    {QT_TRANSLATE_NOOP("Options", "A custom folder"), DEST_CUSTOM_FOLDER},
};

const ComboItem kTargetExistsItems[] = {
    {QT_TRANSLATE_NOOP("Options", "Auto rename (add number at end of file name)"),
     TARGET_AUTO_RENAME},
    {QT_TRANSLATE_NOOP("Options", "Overwrite"), TARGET_OVERWRITE},
    {QT_TRANSLATE_NOOP("Options", "Skip (not convert)"), TARGET_SKIP},
};

const char kMonoHelp[] = QT_TRANSLATE_NOOP(
    "Options",
    "In general, the output sound equals to \"(L+R)/2,\" which contains left and right "
    "channels.\n\n\"L channel\" means the program outputs left channel of original stereo "
    "file. And \"R channel\" means right channel. It's very useful when you want to convert a "
    "stereo file into two files that contains left and right channels distinguishingly.");

// Fills a drop-down with `items` in their order and selects the one whose
// value is `member`; when none is, selects the first and answers its value.
template <size_t N>
uint32_t FillAndSelect(QComboBox& combo, const ComboItem (&items)[N], uint32_t member) {
  for (const ComboItem& item : items)
    combo.addItem(OptionsText(item.text), static_cast<int>(item.value));
  if (SelectValue(combo, static_cast<int>(member))) return member;
  combo.setCurrentIndex(0);
  return items[0].value;
}

uint32_t Selected(const QComboBox& combo) {
  return static_cast<uint32_t>(SelectedValue(combo));
}

QLabel* Label(const QString& text, QWidget* parent, QWidget* buddy = nullptr) {
  auto* label = new QLabel(text, parent);
  if (buddy) label->setBuddy(buddy);
  return label;
}

}  // namespace

COptOutputPage::COptOutputPage(const ConvertSettings& values, Desktop& desktop)
    : COptPage(tr("General"), values, desktop) {}

void COptOutputPage::BuildControls() {
  setFont(OptionsFont());

  auto* general = new QGroupBox(tr("General"), this);
  auto* monoText = Label(
      tr("When converting to audio format, e.g. MP3, WAV, WMA, etc., if output channel is mono and "
         "original file is stereo, output sound equals to:"),
      general);
  monoText->setWordWrap(true);
  monoHelp_ = new QPushButton(QStringLiteral("?"), general);
  monoHelp_->setFixedWidth(monoHelp_->fontMetrics().horizontalAdvance(QStringLiteral("?")) + 16);
  monoHelp_->setAutoDefault(false);
  const char* monoTexts[3] = {"(L+R) / &2", QT_TRANSLATE_NOOP("Options", "&L channel"),
                              QT_TRANSLATE_NOOP("Options", "&R channel")};
  auto* monoRow = new QHBoxLayout;
  for (int type = 0; type < 3; ++type) {
    monoRadios_[type] = new QRadioButton(OptionsText(monoTexts[type]), general);
    monoRow->addWidget(monoRadios_[type]);
  }
  monoRow->addStretch(1);
  filterBox_ = new QCheckBox(
      tr("O&nly add the following file extensions for \"Add Folder\" and Drag/Drop"), general);
  filterEdit_ = new QLineEdit(general);
  auto* generalGrid = new QGridLayout(general);
  generalGrid->addWidget(monoText, 0, 0);
  generalGrid->addWidget(monoHelp_, 0, 1, Qt::AlignTop);
  generalGrid->addLayout(monoRow, 1, 0, 1, 2);
  generalGrid->addWidget(filterBox_, 2, 0, 1, 2);
  generalGrid->addWidget(filterEdit_, 3, 0, 1, 2);
  generalGrid->addWidget(
      Label(tr("Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac"),
            general),
      4, 0, 1, 2);

  auto* output = new QGroupBox(tr("Output"), this);
  outputFolderCombo_ = new QComboBox(output);
  customFolderEdit_ = new QLineEdit(output);
  browseButton_ = new QPushButton(tr("Bro&wse"), output);
  browseButton_->setAutoDefault(false);
  createDirsBox_ = new QCheckBox(tr("&Create folders according to path of original file"), output);
  example_ =
      Label(tr("For example: original file is \"/home/ann/Music/pop/1.mp3\" and output folder is "
               "\"/data/Output.\" If the option is checked, the output folder will be "
               "\"/data/Output/home/ann/Music/pop.\""),
            output);
  example_->setWordWrap(true);
  keepSubfoldersBox_ = new QCheckBox(tr("&Keep the sub-folders of added folders"), output);
  keepSubfoldersBox_->setToolTip(
      tr("A file found in a sub-folder of a folder added with Add Folder or dropped on the window "
         "goes to the same sub-folder below the output folder"));
  namePatternEdit_ = new QLineEdit(output);
  namePatternEdit_->setPlaceholderText(
      tr("The original name, or e.g. {artist}/{album}/{track:02} - {title}"));
  namePatternEdit_->setToolTip(
      tr("Names each output by its source's tags. Fields: {title} {artist} {album} {albumartist} "
         "{composer} {genre} {year} {track} {disc}, and {name} {ext} {folder} of the original "
         "file; {track:02} pads the number to two digits. A \"/\" makes a sub-folder below the "
         "output folder. Leave it empty to keep the original name."));
  targetExistsCombo_ = new QComboBox(output);
  toMyDocumentsBox_ =
      new QCheckBox(tr("Output files to M&y Documents if creating file failure"), output);
  browseWhenDoneBox_ =
      new QCheckBox(tr("&Browse output folder while conversion completes"), output);
  auto* outputGrid = new QGridLayout(output);
  outputGrid->addWidget(Label(tr("&Output folder:"), output, outputFolderCombo_), 0, 0);
  outputGrid->addWidget(outputFolderCombo_, 0, 1, 1, 2);
  outputGrid->addWidget(Label(tr("Custom &folder:"), output, customFolderEdit_), 1, 0);
  outputGrid->addWidget(customFolderEdit_, 1, 1);
  outputGrid->addWidget(browseButton_, 1, 2);
  outputGrid->addWidget(createDirsBox_, 2, 0, 1, 3);
  outputGrid->addWidget(example_, 3, 0, 1, 3);
  outputGrid->addWidget(keepSubfoldersBox_, 4, 0, 1, 3);
  outputGrid->addWidget(Label(tr("Output na&me:"), output, namePatternEdit_), 5, 0);
  outputGrid->addWidget(namePatternEdit_, 5, 1, 1, 2);
  //: Before the choice of what to do: "If target file exists [Overwrite]".
  outputGrid->addWidget(Label(tr("If target file &exists "), output, targetExistsCombo_), 6, 0);
  outputGrid->addWidget(targetExistsCombo_, 6, 1, 1, 2);
  outputGrid->addWidget(toMyDocumentsBox_, 7, 0, 1, 3);
  outputGrid->addWidget(browseWhenDoneBox_, 8, 0, 1, 3);
  convertJobsSpin_ = new QSpinBox(output);
  convertJobsSpin_->setRange(1, static_cast<int>(MAX_CONVERT_JOBS));
  convertJobsSpin_->setToolTip(
      tr("This computer has %1 processor(s); one file per processor is the default.")
          .arg(ProcessorCount()));
  auto* jobsRow = new QHBoxLayout;
  //: Before a number box: "Convert [2] files at a time".
  jobsRow->addWidget(Label(tr("Con&vert"), output, convertJobsSpin_));
  jobsRow->addWidget(convertJobsSpin_);
  //: After a number box: "Convert [2] files at a time".
  jobsRow->addWidget(Label(tr("files at a time"), output));
  jobsRow->addStretch(1);
  verifyBox_ = new QCheckBox(tr("Check each out&put"), output);
  verifyBox_->setToolTip(
      tr("Decode each output before it takes its name and check its rate, channels, length and "
         "level against what was written; an output that fails is removed and an old file kept"));
  jobsRow->addWidget(verifyBox_);
  outputGrid->addLayout(jobsRow, 9, 0, 1, 3);
  coverFromFolderBox_ = new QCheckBox(
      tr("&Take the cover from cover.jpg or folder.jpg when the source has none"), output);
  coverFromFolderBox_->setToolTip(
      tr("An output whose tags are transferred from a source without a picture gets "
         "cover.jpg, folder.jpg (or .png) from the source's folder as its cover; a file that "
         "is not a JPEG or PNG image, or is larger than 16 MiB, is left out"));
  outputGrid->addWidget(coverFromFolderBox_, 10, 0, 1, 3);
  outputGrid->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(general);
  layout->addWidget(output);
  layout->addStretch(1);
}

void COptOutputPage::Initialise() {
  monoType_ = values_.monoType;
  enableExtFilter_ = values_.enableExtFilter != 0;
  filterExts_ = values_.filterExts;
  customFolder_ = values_.destSpecifiedFolder;
  createDirs_ = values_.createDirs != 0;
  keepSubfolders_ = values_.keepAddedSubfolders != 0;
  namePattern_ = values_.outputNamePattern;
  toMyDocuments_ = values_.outputFiles2MyDocuments != 0;
  browseWhenDone_ = values_.browseOutputFolder != 0;
  verify_ = values_.verifyOutputs != 0;
  coverFromFolder_ = values_.coverFromFolder != 0;

  BuildControls();
  // A stored choice that is not in a drop-down becomes its first item.
  outputFolderOpt_ =
      FillAndSelect(*outputFolderCombo_, kOutputFolderItems, values_.destOutputFolderOpt);
  targetExistsOpt_ =
      FillAndSelect(*targetExistsCombo_, kTargetExistsItems, values_.targetExistsOpt);
  // A mono type outside the three leaves no radio chosen.
  for (uint32_t type = 0; type < 3; ++type) monoRadios_[type]->setChecked(type == monoType_);
  filterBox_->setChecked(enableExtFilter_);
  filterEdit_->setText(QString::fromStdString(filterExts_));
  filterEdit_->setEnabled(enableExtFilter_);
  customFolderEdit_->setText(QString::fromStdString(customFolder_));
  createDirsBox_->setChecked(createDirs_);
  keepSubfoldersBox_->setChecked(keepSubfolders_);
  namePatternEdit_->setText(QString::fromStdString(namePattern_));
  toMyDocumentsBox_->setChecked(toMyDocuments_);
  browseWhenDoneBox_->setChecked(browseWhenDone_);
  verifyBox_->setChecked(verify_);
  coverFromFolderBox_->setChecked(coverFromFolder_);
  convertJobsSpin_->setValue(ConvertJobsOf(values_));
  UpdateFolderControls();

  connect(monoHelp_, &QPushButton::clicked, this,
          [this] { desktop_.Information(OptionsText(kMonoHelp).toStdString()); });
  connect(filterBox_, &QCheckBox::clicked, this, [this] {
    ReadControls();
    filterEdit_->setEnabled(enableExtFilter_);
    if (enableExtFilter_) filterEdit_->setFocus();
  });
  connect(outputFolderCombo_, &QComboBox::currentIndexChanged, this,
          &COptOutputPage::UpdateFolderControls);
  connect(browseButton_, &QPushButton::clicked, this, &COptOutputPage::ChooseCustomFolder);
}

void COptOutputPage::ReadControls() {
  for (uint32_t type = 0; type < 3; ++type)
    if (monoRadios_[type]->isChecked()) monoType_ = type;
  enableExtFilter_ = filterBox_->isChecked();
  filterExts_ = filterEdit_->text().toStdString();
  outputFolderOpt_ = Selected(*outputFolderCombo_);
  customFolder_ = customFolderEdit_->text().toStdString();
  createDirs_ = createDirsBox_->isChecked();
  keepSubfolders_ = keepSubfoldersBox_->isChecked();
  namePattern_ = namePatternEdit_->text().toStdString();
  targetExistsOpt_ = Selected(*targetExistsCombo_);
  toMyDocuments_ = toMyDocumentsBox_->isChecked();
  browseWhenDone_ = browseWhenDoneBox_->isChecked();
  verify_ = verifyBox_->isChecked();
  coverFromFolder_ = coverFromFolderBox_->isChecked();
}

// The custom folder, its Browse button and the folder-creation options mean
// something only for a custom output folder.
void COptOutputPage::UpdateFolderControls() {
  const bool custom = Selected(*outputFolderCombo_) == DEST_CUSTOM_FOLDER;
  for (QWidget* control :
       {static_cast<QWidget*>(customFolderEdit_), static_cast<QWidget*>(browseButton_),
        static_cast<QWidget*>(createDirsBox_), static_cast<QWidget*>(example_),
        static_cast<QWidget*>(keepSubfoldersBox_)})
    control->setEnabled(custom);
}

void COptOutputPage::ChooseCustomFolder() {
  ReadControls();
  std::string chosen = desktop_.ChooseFolder(
      this, tr("Please choose an output folder:").toStdString(), customFolder_);
  if (chosen.empty()) return;
  // The custom folder is kept with its trailing separator.
  if (chosen.back() != '/') chosen += '/';
  customFolder_ = chosen;
  customFolderEdit_->setText(QString::fromStdString(customFolder_));
}

bool COptOutputPage::Leave() {
  ReadControls();
  if (outputFolderOpt_ == DEST_CUSTOM_FOLDER && customFolder_.empty()) {
    desktop_.Exclamation(tr("Please choose an output folder.").toStdString());
    customFolderEdit_->setFocus();
    return false;
  }
  const std::string patternProblem = NamePatternProblem(namePattern_);
  if (!patternProblem.empty()) {
    desktop_.Exclamation(tr("The output name pattern cannot be used: %1.")
                             .arg(QString::fromStdString(patternProblem))
                             .toStdString());
    namePatternEdit_->setFocus();
    return false;
  }
  // Extensions are kept without blanks and separated by commas only.
  filterExts_.erase(std::remove_if(filterExts_.begin(), filterExts_.end(),
                                   [](char c) { return c == ' ' || c == '\t'; }),
                    filterExts_.end());
  std::replace(filterExts_.begin(), filterExts_.end(), ';', ',');
  if (enableExtFilter_ && filterExts_.empty()) {
    desktop_.Exclamation(tr("Please enter file extensions you need to filter.").toStdString());
    filterEdit_->setFocus();
    return false;
  }
  return true;
}

void COptOutputPage::CopyOut(ConvertSettings& settings) {
  outputFolderOpt_ = Selected(*outputFolderCombo_);
  targetExistsOpt_ = Selected(*targetExistsCombo_);
  settings.monoType = monoType_;
  settings.enableExtFilter = enableExtFilter_ ? 1 : 0;
  settings.filterExts = filterExts_;
  settings.destOutputFolderOpt = outputFolderOpt_;
  settings.destSpecifiedFolder = customFolder_;
  settings.createDirs = createDirs_ ? 1 : 0;
  settings.keepAddedSubfolders = keepSubfolders_ ? 1 : 0;
  settings.outputNamePattern = namePattern_;
  settings.targetExistsOpt = targetExistsOpt_;
  settings.outputFiles2MyDocuments = toMyDocuments_ ? 1 : 0;
  settings.browseOutputFolder = browseWhenDone_ ? 1 : 0;
  settings.verifyOutputs = verify_ ? 1 : 0;
  settings.coverFromFolder = coverFromFolder_ ? 1 : 0;
  // One per processor stays stored as such, so it follows the machine.
  const int jobs = convertJobsSpin_->value();
  settings.convertJobs =
      values_.convertJobs == 0 && jobs == ProcessorCount() ? 0 : static_cast<uint32_t>(jobs);
}
