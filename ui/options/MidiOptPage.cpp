#include "ui/options/MidiOptPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "app/ConvertSettings.h"
#include "app/EngineStartup.h"
#include "app/SoundFontCheck.h"
#include "ui/desktop/Desktop.h"
#include "ui/desktop/TranslatedPrompter.h"

namespace {

namespace fs = std::filesystem;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// Whether `path` names a SoundFont by its extension, in any letter case.
bool IsSoundFontName(const fs::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".sf2" || extension == ".sf3";
}

// The SoundFont files directly in `folder` (links followed), and with
// `subfolders` those of its sub-folders too.
void AddFontsIn(const fs::path& folder, bool subfolders, std::vector<std::string>& fonts) {
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code kind;
    if (subfolders && it->is_directory(kind)) {
      AddFontsIn(it->path(), false, fonts);
    } else if (IsSoundFontName(it->path()) && it->is_regular_file(kind)) {
      fonts.push_back(it->path().string());
    }
  }
}

const char* const DEFAULT_FONT_ITEM =
    QT_TRANSLATE_NOOP("CMidiOptPage", "Default: ct4mgm.sf2 beside the program");

}  // namespace

CMidiOptPage::CMidiOptPage(const ConvertSettings& values, Desktop& desktop, MidiPageContext context)
    : COptPage(tr("MIDI Options"), values, desktop), context_(std::move(context)) {
  auto* font = new QGroupBox(tr("SoundFont"), this);
  auto* fontLayout = new QVBoxLayout(font);
  auto* fileLabel =
      new QLabel(tr("SoundFont &file that renders MIDI songs (empty: ct4mgm.sf2 beside the "
                    "program):"),
                 font);
  fileLabel->setWordWrap(true);
  fontEdit_ = new QLineEdit(font);
  fileLabel->setBuddy(fontEdit_);
  browse_ = new QPushButton(tr("&Browse..."), font);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(fontEdit_, 1);
  fileRow->addWidget(browse_);
  auto* installedLabel = new QLabel(tr("&Installed SoundFonts:"), font);
  installed_ = new QListWidget(font);
  installedLabel->setBuddy(installed_);
  fontLayout->addWidget(fileLabel);
  fontLayout->addLayout(fileRow);
  fontLayout->addWidget(installedLabel);
  fontLayout->addWidget(installed_, 1);

  auto* songs = new QGroupBox(tr("Songs in the List"), this);
  auto* songsLayout = new QVBoxLayout(songs);
  check_ = new QPushButton(tr("&Check the Songs in the List"), songs);
  result_ = new QPlainTextEdit(songs);
  result_->setReadOnly(true);
  songsLayout->addWidget(check_, 0, Qt::AlignLeft);
  songsLayout->addWidget(result_, 1);

  auto* room = new QGroupBox(tr("Room Sound"), this);
  auto* roomLayout = new QVBoxLayout(room);
  // The synthesizer's own levels: reverb 0.9 of its full level, chorus 2 of 10.
  reverb_ = AddEffectRow(room, tr("&Reverb"), 90);
  chorus_ = AddEffectRow(room, tr("C&horus"), 20);
  for (const EffectRow& row : {reverb_, chorus_}) {
    auto* line = new QHBoxLayout;
    line->addWidget(row.on);
    line->addStretch(1);
    //: The strength of the reverb or chorus, in percent.
    auto* levelLabel = new QLabel(tr("Level:"), room);
    levelLabel->setBuddy(row.level);
    line->addWidget(levelLabel);
    line->addWidget(row.level);
    roomLayout->addLayout(line);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(font, 1);
  layout->addWidget(room);
  layout->addWidget(songs, 1);

  connect(browse_, &QPushButton::clicked, this, &CMidiOptPage::Browse);
  // A row chosen by the keys or clicked (again, after the field was edited)
  // fills the field; the first row stands for the default font, which the
  // empty field means.
  const auto fill = [this](int row) {
    if (row >= 0)
      fontEdit_->setText(row == 0 ? QString()
                                  : installed_->item(row)->data(Qt::UserRole).toString());
  };
  connect(installed_, &QListWidget::currentRowChanged, this, fill);
  connect(installed_, &QListWidget::itemClicked, this,
          [this, fill](QListWidgetItem* item) { fill(installed_->row(item)); });
  connect(check_, &QPushButton::clicked, this, &CMidiOptPage::CheckSongs);
}

CMidiOptPage::EffectRow CMidiOptPage::AddEffectRow(QWidget* parent, const QString& label,
                                                   int defaultLevel) {
  EffectRow row;
  row.on = new QCheckBox(label, parent);
  row.level = new QSpinBox(parent);
  row.level->setRange(1, 100);
  row.level->setSuffix(QStringLiteral(" %"));
  row.level->setValue(defaultLevel);
  row.level->setEnabled(false);
  row.defaultLevel = defaultLevel;
  connect(row.on, &QCheckBox::toggled, row.level, &QSpinBox::setEnabled);
  return row;
}

void CMidiOptPage::ShowEffect(const EffectRow& row, uint32_t stored) {
  row.on->setChecked(stored > 0);
  row.level->setValue(stored > 0 ? static_cast<int>(std::min<uint32_t>(stored, 100))
                                 : row.defaultLevel);
  row.level->setEnabled(stored > 0);
}

uint32_t CMidiOptPage::StoredEffect(const EffectRow& row) {
  return row.on->isChecked() ? static_cast<uint32_t>(row.level->value()) : 0;
}

std::vector<std::string> CMidiOptPage::FindInstalledFonts(const std::vector<std::string>& folders) {
  std::vector<std::string> fonts;
  for (const std::string& folder : folders) AddFontsIn(folder, true, fonts);
  std::sort(fonts.begin(), fonts.end());
  fonts.erase(std::unique(fonts.begin(), fonts.end()), fonts.end());
  return fonts;
}

void CMidiOptPage::Initialise() {
  fontEdit_->setText(Text(values_.soundFontFile));
  ShowEffect(reverb_, values_.midiReverb);
  ShowEffect(chorus_, values_.midiChorus);
  {
    const QSignalBlocker blocker(installed_);
    installed_->addItem(tr(DEFAULT_FONT_ITEM));
    for (const std::string& path : FindInstalledFonts(context_.fontFolders)) {
      auto* item = new QListWidgetItem(Text(path), installed_);
      item->setData(Qt::UserRole, Text(path));
      if (path == values_.soundFontFile) installed_->setCurrentItem(item);
    }
    if (values_.soundFontFile.empty()) installed_->setCurrentRow(0);
  }
  const bool anySongs = !context_.songs.empty();
  check_->setEnabled(anySongs);
  result_->setPlainText(
      anySongs ? tr("%1 MIDI song(s) in the list.").arg(static_cast<int>(context_.songs.size()))
               : tr("There are no MIDI songs in the list."));
}

QString CMidiOptPage::UnusableFontText(const std::string& file, const QString& problem) {
  return tr("The SoundFont \"%1\" cannot be used: %2.").arg(Text(file), problem);
}

std::string CMidiOptPage::FontPath() const {
  return fontEdit_->text().trimmed().toStdString();
}

void CMidiOptPage::Browse() {
  const std::string current = FontPath();
  const std::string start =
      current.empty() ? context_.fontFolders.empty() ? std::string() : context_.fontFolders.front()
                      : current;
  const std::string chosen =
      desktop_.ChooseFile(this, tr("Choose a SoundFont").toStdString(),
                          {tr("SoundFont Files").toStdString() + " (*.sf2 *.sf3)",
                           tr("All Files").toStdString() + " (*)"},
                          start);
  if (!chosen.empty()) fontEdit_->setText(Text(chosen));
}

void CMidiOptPage::CheckSongs() {
  const std::string file = SoundFontPath(FontPath(), context_.programFolder);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const SoundFontCheck check = ::CheckSongs(file, context_.songs);
  QApplication::restoreOverrideCursor();
  if (!check.fontLoaded) {
    const std::string problem = CoreText(SoundFontFileProblem(file));
    result_->setPlainText(UnusableFontText(
        file, problem.empty() ? tr("not a SoundFont Sondrel can read") : Text(problem)));
    return;
  }
  const std::vector<std::string> lines = DescribeLackedInstruments(check);
  if (lines.empty()) {
    result_->setPlainText(
        tr("The SoundFont \"%1\" has every instrument of the %2 MIDI song(s) in the list.")
            .arg(QFileInfo(Text(file)).fileName(), QString::number(check.songs.size())));
    return;
  }
  std::string text = CoreText(LACKED_INSTRUMENTS_HEADING);
  for (const std::string& line : lines) text += "\n" + CoreText(line);
  result_->setPlainText(Text(text));
}

bool CMidiOptPage::Leave() {
  const std::string path = FontPath();
  if (path.empty()) return true;
  const std::string problem = CoreText(SoundFontFileProblem(path));
  if (problem.empty()) return true;
  desktop_.Exclamation(UnusableFontText(path, Text(problem)).toStdString());
  fontEdit_->setFocus();
  fontEdit_->selectAll();
  return false;
}

void CMidiOptPage::CopyOut(ConvertSettings& settings) {
  settings.soundFontFile = FontPath();
  settings.midiReverb = StoredEffect(reverb_);
  settings.midiChorus = StoredEffect(chorus_);
}
