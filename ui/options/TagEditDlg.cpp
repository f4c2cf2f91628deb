#include "ui/options/TagEditDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "source/Genres.h"
#include "ui/desktop/Desktop.h"
#include "ui/options/OptPage.h"
#include "ui/options/SpinStepCtrl.h"

namespace {

// The text rows of the dialog, top to bottom, with the preset field each edits.
struct TextRow {
  const char* name;
  const char* label;
  std::string TagPreset::*field;
};

const TextRow kTextRows[] = {
    {"title", QT_TRANSLATE_NOOP("CTagEditDlg", "T&itle:"), &TagPreset::title},
    {"artist", QT_TRANSLATE_NOOP("CTagEditDlg", "&Artist:"), &TagPreset::artist},
    {"album", QT_TRANSLATE_NOOP("CTagEditDlg", "Albu&m:"), &TagPreset::album},
    {"year", QT_TRANSLATE_NOOP("CTagEditDlg", "&Year:"), &TagPreset::year},
    {"comment", QT_TRANSLATE_NOOP("CTagEditDlg", "&Comment:"), &TagPreset::comment},
    {"composer", QT_TRANSLATE_NOOP("CTagEditDlg", "C&omposer:"), &TagPreset::composer},
    {"copyright", QT_TRANSLATE_NOOP("CTagEditDlg", "Co&pyright:"), &TagPreset::copyright},
};

constexpr int kMaxTrack = 255;

}  // namespace

CTagEditDlg::CTagEditDlg(QWidget* parent, const TagPreset& preset, bool showCopyright,
                         Desktop& desktop)
    : QDialog(parent), desktop_(desktop), result_(preset) {
  setWindowTitle(tr("Edit ID3 Tag"));
  setFont(OptionsFont());
  auto* grid = new QGridLayout;

  // Track number: none, the entry's place in the batch, or a fixed number.
  auto* trackLabel = new QLabel(tr("&Track #:"), this);
  auto* trackGroup = new QButtonGroup(this);
  const char* trackTexts[3] = {QT_TRANSLATE_NOOP("CTagEditDlg", "&None"),
                               QT_TRANSLATE_NOOP("CTagEditDlg", "&Sequence number in list"),
                               QT_TRANSLATE_NOOP("CTagEditDlg", "C&ustom")};
  auto* trackBox = new QVBoxLayout;
  for (int mode = 0; mode < 3; ++mode) {
    trackRadios_[mode] = new QRadioButton(tr(trackTexts[mode]), this);
    trackGroup->addButton(trackRadios_[mode], mode);
  }
  trackNumber_ = new CSpinStepCtrl(this);
  trackNumber_->SetArrowRange(0, kMaxTrack);
  trackLabel->setBuddy(trackRadios_[0]);
  trackBox->addWidget(trackRadios_[0]);
  trackBox->addWidget(trackRadios_[1]);
  auto* customRow = new QHBoxLayout;
  customRow->addWidget(trackRadios_[2]);
  customRow->addWidget(trackNumber_);
  customRow->addStretch(1);
  trackBox->addLayout(customRow);
  grid->addWidget(trackLabel, 0, 0, Qt::AlignTop);
  grid->addLayout(trackBox, 0, 1, 1, 3);

  titleAsFileName_ = new QCheckBox(tr("Nam&e as file name (not include extension)"), this);
  grid->addWidget(titleAsFileName_, 1, 1, 1, 3);

  int row = 2;
  for (const TextRow& text : kTextRows) {
    auto* label = new QLabel(tr(text.label), this);
    auto* edit = new QLineEdit(QString::fromStdString(preset.*(text.field)), this);
    edit->setObjectName(QString::fromLatin1(text.name));
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    if (std::string(text.name) == "year") {
      // The year shares its line with the genre.
      edit->setMaximumWidth(80);
      grid->addWidget(edit, row, 1);
      auto* genreLabel = new QLabel(tr("&Genre:"), this);
      genre_ = new QComboBox(this);
      genre_->setEditable(true);
      genre_->setInsertPolicy(QComboBox::NoInsert);
      // A genre is kept as typed: no completion from the list's names.
      genre_->setCompleter(nullptr);
      QStringList names;
      for (int i = 0; i < GENRE_COUNT; ++i) names << QString::fromLatin1(GENRE_NAMES[i]);
      names.sort(Qt::CaseInsensitive);
      genre_->addItems(names);
      genre_->setEditText(QString::fromStdString(preset.genre));
      genreLabel->setBuddy(genre_);
      grid->addWidget(genreLabel, row, 2);
      grid->addWidget(genre_, row, 3);
    } else {
      grid->addWidget(edit, row, 1, 1, 3);
    }
    if (!showCopyright && std::string(text.name) == "copyright") {
      label->hide();
      edit->hide();
    }
    ++row;
  }
  grid->setColumnStretch(3, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CTagEditDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CTagEditDlg::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);

  const uint32_t mode = preset.trackNumType <= TRACK_NUM_CUSTOM ? preset.trackNumType : 0;
  trackRadios_[mode]->setChecked(true);
  trackNumber_->setValue(static_cast<int>(preset.customTrackNum));
  titleAsFileName_->setChecked(preset.titleAsFileName != 0);
  UpdateEnabled();

  connect(titleAsFileName_, &QCheckBox::clicked, this, [this] {
    UpdateEnabled();
    Text("title")->setFocus();
  });
  connect(trackGroup, &QButtonGroup::idClicked, this, [this] {
    UpdateEnabled();
    trackNumber_->setFocus();
  });
}

QLineEdit* CTagEditDlg::Text(const char* name) const {
  return findChild<QLineEdit*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void CTagEditDlg::UpdateEnabled() {
  Text("title")->setEnabled(!titleAsFileName_->isChecked());
  trackNumber_->setEnabled(trackRadios_[TRACK_NUM_CUSTOM]->isChecked());
}

void CTagEditDlg::accept() {
  // The number is checked even while it cannot be edited.
  const int number = trackNumber_->value();
  if (trackNumber_->text().isEmpty() || number < 0 || number > kMaxTrack) {
    desktop_.Exclamation(tr("Please enter an integer between 0 and 255.").toStdString());
    trackNumber_->setFocus();
    return;
  }
  result_.titleAsFileName = titleAsFileName_->isChecked() ? 1 : 0;
  for (const TextRow& text : kTextRows)
    result_.*(text.field) = Text(text.name)->text().toStdString();
  result_.genre = genre_->currentText().toStdString();
  for (uint32_t mode = 0; mode < 3; ++mode)
    if (trackRadios_[mode]->isChecked()) result_.trackNumType = mode;
  result_.customTrackNum = static_cast<uint32_t>(number);
  QDialog::accept();
}
