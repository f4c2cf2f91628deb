#include "ui/main/ConvertDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSizeGrip>
#include <QUrl>

#include <algorithm>
#include <optional>

#include "app/ConvertSettings.h"
#include "app/EngineStartup.h"
#include "app/OutputFormat.h"
#include "app/SettingsStore.h"
#include "app/SoundFontCheck.h"
#include "app/WebLinks.h"
#include "convert/ConversionJob.h"
#include "source/SourceFile.h"
#include "source/SourceKind.h"
#include "ui/chrome/AboutBox.h"
#include "ui/chrome/ProductLinks.h"
#include "ui/chrome/SkinArt.h"
#include "ui/chrome/SkinButton.h"
#include "ui/converting/ConvertProgressDlg.h"
#include "ui/desktop/Desktop.h"
#include "ui/desktop/HelpWindow.h"
#include "ui/desktop/TranslatedPrompter.h"
#include "ui/desktop/SurfaceDrag.h"
#include "ui/main/SortListCtrl.h"
#include "ui/main/WindowPlace.h"
#include "ui/options/OptSheet.h"

namespace {

// A button of the main window, at its place in the window of the design
// size: a command button with a text and the command face, or a caption
// button with an icon. Caption buttons keep their distance from the right
// edge when the window grows; the rest keep theirs from the top-left.
struct ButtonLayout {
  const char* name;  // object name, for tests
  const char* text;
  const char* tooltip;
  QRect rect;
  std::optional<SkinArt::Caption> caption;
};

const ButtonLayout kButtons[] = {
    {"addFiles",
     QT_TRANSLATE_NOOP("CConvertDlg", "&Add Files"),
     QT_TRANSLATE_NOOP("CConvertDlg", "Add files"),
     {11, 72, 107, 27},
     {}},
    {"addFolder",
     QT_TRANSLATE_NOOP("CConvertDlg", "Add &Folder"),
     QT_TRANSLATE_NOOP("CConvertDlg", "Add files from a folder"),
     {11, 115, 107, 27},
     {}},
    {"removeAll",
     QT_TRANSLATE_NOOP("CConvertDlg", "Remove A&ll"),
     QT_TRANSLATE_NOOP("CConvertDlg", "Remove all files in list"),
     {11, 161, 107, 27},
     {}},
    {"convert",
     QT_TRANSLATE_NOOP("CConvertDlg", "&Convert"),
     QT_TRANSLATE_NOOP("CConvertDlg", "Convert all files"),
     {11, 206, 107, 27},
     {}},
    {"options",
     QT_TRANSLATE_NOOP("CConvertDlg", "&Options"),
     QT_TRANSLATE_NOOP("CConvertDlg", "Options"),
     {11, 278, 107, 27},
     {}},
    {"help",
     "",
     QT_TRANSLATE_NOOP("CConvertDlg", "Help"),
     {602, 11, 21, 21},
     SkinArt::Caption::Help},
    {"minimize",
     "",
     QT_TRANSLATE_NOOP("CConvertDlg", "Minimize"),
     {624, 11, 21, 21},
     SkinArt::Caption::Minimize},
    {"maximize",
     "",
     QT_TRANSLATE_NOOP("CConvertDlg", "Maximize"),
     {647, 11, 21, 21},
     SkinArt::Caption::Maximize},
    {"close",
     "",
     QT_TRANSLATE_NOOP("CConvertDlg", "Close"),
     {669, 11, 21, 21},
     SkinArt::Caption::Close},
};

const QRect kSelectorRect(14, 239, 98, 299);
// The home-page link keeps its distance from the bottom edge.
const QRect kHomeLinkRect(9, 507, 113, 20);
// The line that says what the last batch came to: in the command panel,
// between its art and the home-page link, keeping its distance from the
// bottom edge as the link does.
const QRect kSummaryRect(9, 452, 113, 52);
// A double click on the header band maximises or restores the window.
constexpr int kHeaderBandHeight = 52;
constexpr int kSizeGripSize = 10;
constexpr int kSelectorDropDownWidth = 160;

QString Text(const char* text) {
  return QString::fromUtf8(text);
}

// A text of the window in the user's language (English where there is no
// translation).
QString Tr(const char* text) {
  return QCoreApplication::translate("CConvertDlg", text);
}

// Tahoma 11 pixels bold, or the desktop's sans-serif font where there is no
// Tahoma.
QFont CommandFont() {
  QFont font(QStringLiteral("Tahoma"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  font.setBold(true);
  return font;
}

// The line that says what a batch came to: "Converted 7, skipped 1,
// failed 2 in 0:42", or "Cancelled after 3 of 10 files, 0:12".
QString BatchSummaryText(const BatchResult& result, size_t count, int64_t seconds) {
  const std::string time = ClockText(seconds);
  if (result.cancelled) {
    const int ended = result.converted + result.skipped + result.failed;
    return QCoreApplication::translate("CConvertDlg", "Cancelled after %1 of %2 files, %3")
        .arg(ended)
        .arg(count)
        .arg(QString::fromStdString(time));
  }
  //: The start of the summary of a batch: "Converted 7, skipped 1, failed 2 in 0:42".
  QString text = QCoreApplication::translate("CConvertDlg", "Converted %1").arg(result.converted);
  //: A piece of the summary of a batch: "Converted 7, skipped 1, failed 2 in 0:42".
  if (result.skipped > 0)
    text += QCoreApplication::translate("CConvertDlg", ", skipped %1").arg(result.skipped);
  //: A piece of the summary of a batch: "Converted 7, skipped 1, failed 2 in 0:42".
  if (result.failed > 0)
    text += QCoreApplication::translate("CConvertDlg", ", failed %1").arg(result.failed);
  //: The end of the summary of a batch, %1 the time it took: "Converted 7 in 0:42".
  return text +
         QCoreApplication::translate("CConvertDlg", " in %1").arg(QString::fromStdString(time));
}

// The lacked instruments named before a batch; the rest are counted.
constexpr size_t MAX_LACK_LINES = 20;

// The paths of the MIDI songs among `count` entries.
template <typename EntryAt>
std::vector<std::string> MidiSongs(size_t count, EntryAt entryAt) {
  std::vector<std::string> songs;
  for (size_t index = 0; index < count; ++index) {
    const SourceFile* entry = entryAt(index);
    if (entry && entry->kind == KIND_MIDI) songs.push_back(entry->path);
  }
  return songs;
}

const QColor kCommandText(53, 53, 53);
const QColor kLinkText(0, 0, 255);
const QColor kLinkHoverText(255, 0, 0);

}  // namespace

CConvertDlg::CConvertDlg(ConvertSettings& settings, SettingsRoot& root, EngineSession& engine,
                         Desktop& desktop, SourceList::Prober prober)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      settings_(settings),
      root_(root),
      engine_(engine),
      desktop_(desktop),
      list_(std::move(prober)) {
  engine_.RetrySoundFont();
  LoadSettings(settings_, root_);

  setWindowTitle(QStringLiteral("Sondrel"));
  // The design size is the default and the smallest; the list takes what
  // the window grows by.
  setMinimumSize(WIDTH, HEIGHT);
  resize(WIDTH, HEIGHT);
  // The background image covers the whole window (drawn for its size as the
  // controls are laid out); the menus take its colours.
  setAttribute(Qt::WA_OpaquePaintEvent);
  SkinArt::SkinMenusOf(*this);
  CreateControls();
  FillFormatSelector();
  CreateShortcuts();
  setAcceptDrops(true);
  new SurfaceDrag(this);
  new EdgeResize(this);
  RestorePlace();

  adder_ = std::make_unique<FileAdder>(*this, *listCtrl_, list_, settings_, root_, desktop_);
  if (FirstRunCheck(root_)) HelpTopics(true);
}

CConvertDlg::~CConvertDlg() {
  help_.reset();
  listCtrl_->DeleteAllRows();
  list_.Clear();
  SaveSettings(settings_, GROUP_MAIN_WINDOW, root_);
  WindowPlace place;
  place.maximized = isMaximized();
  place.geometry = place.maximized ? normalGeometry() : geometry();
  place.columnWidths = listCtrl_->BaseColumnWidths();
  SaveWindowPlace(place, root_);
}

void CConvertDlg::RestorePlace() {
  // A stored place that is off every screen, smaller than the window can be
  // or unreadable gives way to the default size in the screen's centre; so
  // do column widths that are not one per column.
  const WindowPlace place = LoadWindowPlace(root_);
  if (PlaceFitsScreens(place.geometry, minimumSize())) {
    setGeometry(place.geometry);
  } else if (QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  listCtrl_->SetBaseColumnWidths(place.columnWidths);
  if (place.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void CConvertDlg::ToggleMaximized() {
  if (isMaximized())
    showNormal();
  else
    showMaximized();
}

void CConvertDlg::LayOut() {
  const QSize area = size();
  const int grownBy = area.width() - WIDTH;
  for (const ButtonLayout& layout : kButtons) {
    QRect place = layout.rect;
    if (layout.caption) place.translate(grownBy, 0);
    Button(layout.name)->setGeometry(place);
  }
  Button("homePage")->setGeometry(kHomeLinkRect.translated(0, area.height() - HEIGHT));
  listCtrl_->setGeometry(SkinArt::ListRect(area));
  summary_->setGeometry(kSummaryRect.translated(0, area.height() - HEIGHT));
  sizeGrip_->setGeometry(area.width() - kSizeGripSize, area.height() - kSizeGripSize, kSizeGripSize,
                         kSizeGripSize);
  UpdateBackground();
}

void CConvertDlg::UpdateBackground() {
  const qreal ratio = devicePixelRatioF();
  const QSize area = size().expandedTo(minimumSize());
  if (area == backgroundArea_ && ratio == backgroundRatio_) return;
  background_ = SkinArt::WindowBackground(area, ratio);
  backgroundArea_ = area;
  if (ratio != backgroundRatio_) DrawButtonArt(ratio);
  backgroundRatio_ = ratio;
  // The buttons draw the area of the background under them.
  for (CSkinButton* button : findChildren<CSkinButton*>(Qt::FindDirectChildrenOnly))
    button->SetBackgroundImage(background_, true);
  update();
}

void CConvertDlg::ShowWindowState() {
  CSkinButton* maximize = findChild<CSkinButton*>(QStringLiteral("maximize"));
  const bool maximized = isMaximized();
  const QString name = maximized ? tr("Restore") : tr("Maximize");
  maximize->setToolTip(name);
  maximize->setAccessibleName(name);
  maximize->SetIcons(
      SkinArt::CaptionIcon(maximized ? SkinArt::Caption::Restore : SkinArt::Caption::Maximize,
                           devicePixelRatioF()),
      QPixmap(), false, true);
  sizeGrip_->setVisible(!maximized && !isFullScreen());
}

void CConvertDlg::DrawButtonArt(qreal ratio) {
  for (const ButtonLayout& layout : kButtons) {
    auto* button = qobject_cast<CSkinButton*>(Button(layout.name));
    if (!button) continue;
    if (!layout.caption)
      button->SetBitmaps(SkinArt::CommandFace(false, ratio), SkinArt::CommandFace(true, ratio),
                         false, true);
    else if (button->objectName() == QLatin1String("maximize"))
      ShowWindowState();
    else
      button->SetIcons(SkinArt::CaptionIcon(*layout.caption, ratio), QPixmap(), false, true);
  }
}

void CConvertDlg::CreateControls() {
  for (const ButtonLayout& layout : kButtons) {
    auto* button = new CSkinButton(Tr(layout.text), this);
    button->setObjectName(Text(layout.name));
    button->setToolTip(Tr(layout.tooltip));
    button->setGeometry(layout.rect);
    button->SetCursor(Qt::PointingHandCursor);
    button->SetBackgroundImage(background_, false);
    // Screen readers name each button by its command; the caption buttons
    // have no text of their own.
    button->setAccessibleName(layout.caption ? Tr(layout.tooltip)
                                             : Tr(layout.text).remove(QLatin1Char('&')));
    button->setAccessibleDescription(Tr(layout.tooltip));
    if (!layout.caption) {
      button->SetFont(CommandFont(), false);
      button->SetTextColours(kCommandText, kCommandText, false);
      button->SetTextOffset(0, -1, false);
      button->SetWrapText(true, false);
      button->SetBorder(false, false);
    }
  }
  connect(Button("addFiles"), &QPushButton::clicked, this, &CConvertDlg::AddFiles);
  connect(Button("addFolder"), &QPushButton::clicked, this, &CConvertDlg::AddFolder);
  connect(Button("removeAll"), &QPushButton::clicked, this, &CConvertDlg::RemoveAll);
  connect(Button("convert"), &QPushButton::clicked, this, &CConvertDlg::ConvertAll);
  connect(Button("options"), &QPushButton::clicked, this, &CConvertDlg::OpenOptions);
  connect(Button("help"), &QPushButton::clicked, this, &CConvertDlg::ShowHelpMenu);
  connect(Button("minimize"), &QPushButton::clicked, this, &QWidget::showMinimized);
  connect(Button("maximize"), &QPushButton::clicked, this, &CConvertDlg::ToggleMaximized);
  connect(Button("close"), &QPushButton::clicked, this, &QWidget::close);

  auto* homeLink = new CSkinButton(Text(HOME_PAGE_HOST), this);
  homeLink->setObjectName(QStringLiteral("homePage"));
  homeLink->setToolTip(tr("Visit %1 Homepage").arg(QStringLiteral("Sondrel")));
  homeLink->setAccessibleName(homeLink->toolTip());
  homeLink->setGeometry(kHomeLinkRect);
  QFont linkFont = CommandFont();
  linkFont.setUnderline(true);
  homeLink->SetFont(linkFont, false);
  homeLink->SetBackgroundImage(background_, false);
  homeLink->SetCursor(Qt::PointingHandCursor);
  homeLink->SetTextColours(kLinkText, kLinkHoverText, false);
  homeLink->SetBorder(false, false);
  homeLink->SetPressedShift(false, false);
  connect(homeLink, &QPushButton::clicked, this,
          [this] { OpenUnderWaitCursor(desktop_, HOME_PAGE_URL); });

  listCtrl_ = new CSortListCtrl(this);
  listCtrl_->setContextMenuPolicy(Qt::DefaultContextMenu);
  // The list has the focus when the window opens; Tab goes on to the buttons.
  listCtrl_->setFocus();
  connect(listCtrl_, &CSortListCtrl::RowActivated, this, [this](int) { PlaySource(); });
  connect(listCtrl_, &CSortListCtrl::ContextMenuAt, this,
          [this](const QPoint& global) { MakeContextMenu()->exec(global); });

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("batchSummary"));
  summary_->setFont(CommandFont());
  summary_->setWordWrap(true);
  summary_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  summary_->setAccessibleName(tr("Last conversion"));
  QPalette summaryColours = summary_->palette();
  summaryColours.setColor(QPalette::WindowText, kCommandText);
  summary_->setPalette(summaryColours);

  formatSelector_ = new QComboBox(this);
  formatSelector_->setToolTip(tr("Output format"));
  formatSelector_->setAccessibleName(formatSelector_->toolTip());
  // The rectangle includes the drop-down; the closed box has its own height.
  formatSelector_->setGeometry(kSelectorRect.x(), kSelectorRect.y(), kSelectorRect.width(),
                               formatSelector_->sizeHint().height());
  formatSelector_->view()->setMinimumWidth(kSelectorDropDownWidth);

  // The corner's grip; the edges resize too (EdgeResize).
  sizeGrip_ = new QSizeGrip(this);
  sizeGrip_->setObjectName(QStringLiteral("sizeGrip"));
  LayOut();
}

void CConvertDlg::FillFormatSelector() {
  for (const OutputFormatChoice& choice : OutputFormatChoices())
    //: An entry of the output format box: " to MP3" (the leading space belongs to the look).
    formatSelector_->addItem(tr(" to %1").arg(tr(choice.label)), choice.format);
  const int row = OutputFormatChoiceIndex(settings_.outputFormat);
  if (row < 0) settings_.outputFormat = FORMAT_MP3;
  formatSelector_->setCurrentIndex(row < 0 ? 0 : row);
  connect(formatSelector_, &QComboBox::currentIndexChanged, this, [this](int index) {
    settings_.outputFormat = index < 0 ? FORMAT_MP3 : formatSelector_->itemData(index).toUInt();
  });
}

void CConvertDlg::CreateShortcuts() {
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this), &QShortcut::activated, this,
          &CConvertDlg::AddFiles);
  connect(new QShortcut(QKeySequence(Qt::Key_Delete), this), &QShortcut::activated, this,
          &CConvertDlg::Remove);
  connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
          [this] { HelpTopics(); });
}

QPushButton* CConvertDlg::Button(const char* objectName) const {
  return findChild<QPushButton*>(Text(objectName), Qt::FindDirectChildrenOnly);
}

void CConvertDlg::AddFiles() {
  adder_->AddFiles();
}
void CConvertDlg::AddFolder() {
  adder_->AddFolder();
}
void CConvertDlg::AddDropped(const std::vector<std::string>& paths) {
  adder_->AddDropped(paths);
}

void CConvertDlg::Remove() {
  std::vector<int> rows = listCtrl_->SelectedRows();
  if (rows.empty()) {
    desktop_.Information(CoreText(NOTHING_SELECTED_MESSAGE));
    return;
  }
  // From the last row up, so the rows still to remove keep their index.
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    const SourceFile* entry = listCtrl_->EntryAt(*row);
    listCtrl_->DeleteRow(*row);
    for (size_t index = 0; index < list_.Size(); ++index) {
      if (&list_.At(index) == entry) {
        list_.Remove(index);
        break;
      }
    }
  }
}

void CConvertDlg::RemoveAll() {
  if (listCtrl_->RowCount() == 0) {
    desktop_.Information(CoreText(EMPTY_LIST_MESSAGE));
    return;
  }
  listCtrl_->DeleteAllRows();
  list_.Clear();
}

void CConvertDlg::ConvertAll() {
  if (listCtrl_->RowCount() == 0) {
    desktop_.Information(CoreText(EMPTY_LIST_MESSAGE));
    return;
  }
  std::vector<int> rows(static_cast<size_t>(listCtrl_->RowCount()));
  for (size_t row = 0; row < rows.size(); ++row) rows[row] = static_cast<int>(row);
  RunBatch(rows);
}

void CConvertDlg::ConvertSelected() {
  const std::vector<int> rows = listCtrl_->SelectedRows();
  if (rows.empty()) {
    desktop_.Information(CoreText(NOTHING_SELECTED_MESSAGE));
    return;
  }
  RunBatch(rows);
}

void CConvertDlg::RunBatch(const std::vector<int>& rows) {
  std::vector<SourceFile*> entries;
  std::vector<size_t> rowIndexes;
  for (int row : rows) {
    entries.push_back(listCtrl_->EntryAt(row));
    rowIndexes.push_back(static_cast<size_t>(row));
  }
  PrepareSoundFont(entries);
  // A new run starts with its rows' statuses, reasons and notes and the
  // last summary cleared.
  for (size_t at = 0; at < rowIndexes.size(); ++at) {
    const int row = static_cast<int>(rowIndexes[at]);
    listCtrl_->SetCellText(row, CSortListCtrl::COL_STATUS, QString());
    listCtrl_->SetCellToolTip(row, CSortListCtrl::COL_STATUS, QString());
    entries[at]->reason.clear();
    entries[at]->note.clear();
    entries[at]->failedOutput.clear();
  }
  summary_->clear();
  // Several files convert at a time, each on a thread of its own; this
  // thread only shows their progress and asks the batch's questions.
  const int jobs = ConvertJobsOf(settings_);
  const int lines = entries.size() > 1 ? std::min(jobs, static_cast<int>(entries.size())) : 1;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  BatchResult result;
  int64_t seconds = 0;
  {
    CConvertProgressDlg progress(this, *listCtrl_, lines);
    batch_ = &progress;
    TranslatedPrompter prompter(desktop_);
    ConversionJob job(settings_, engine_, prompter, progress, PlacementContext(), jobs,
                      ConvertThread::Worker);
    result = job.RunBatch(entries, rowIndexes);
    seconds = progress.ElapsedSeconds();
    batch_ = nullptr;
  }
  QApplication::restoreOverrideCursor();
  if (result.ran) summary_->setText(BatchSummaryText(result, entries.size(), seconds));
  if (closeAfterBatch_) {
    closeAfterBatch_ = false;
    close();
  }
}

SourceFile* CConvertDlg::FirstSelectedEntry() const {
  const std::vector<int> rows = listCtrl_->SelectedRows();
  return rows.empty() ? nullptr : listCtrl_->EntryAt(rows.front());
}

void CConvertDlg::PlaySource() {
  if (const SourceFile* entry = FirstSelectedEntry()) desktop_.OpenFileOrSay(entry->path);
}

void CConvertDlg::PlayDestination() {
  const SourceFile* entry = FirstSelectedEntry();
  if (entry && !entry->destinationPath.empty()) desktop_.OpenFileOrSay(entry->destinationPath);
}

void CConvertDlg::BrowseSourceFolder() {
  if (const SourceFile* entry = FirstSelectedEntry()) desktop_.ShowInFileManagerOrSay(entry->path);
}

void CConvertDlg::BrowseDestinationFolder() {
  const SourceFile* entry = FirstSelectedEntry();
  if (entry && !entry->destinationPath.empty())
    desktop_.ShowInFileManagerOrSay(entry->destinationPath);
}

void CConvertDlg::ExplainFailure() {
  const std::vector<int> rows = listCtrl_->SelectedRows();
  if (rows.size() != 1) return;
  const SourceFile* entry = listCtrl_->EntryAt(rows.front());
  if (!entry || entry->reason.empty()) return;
  QString text = tr("Sondrel could not convert this file.") + QStringLiteral("\n\n") +
                 tr("Source: %1").arg(QString::fromStdString(entry->path));
  if (!entry->failedOutput.empty())
    text +=
        QStringLiteral("\n") + tr("Output: %1").arg(QString::fromStdString(entry->failedOutput));
  //: %1 is the file's word in the Status column ("Failed").
  text += QStringLiteral("\n") +
          tr("Status: %1").arg(listCtrl_->CellText(rows.front(), CSortListCtrl::COL_STATUS)) +
          QStringLiteral("\n") + tr("Reason: %1").arg(QString::fromStdString(entry->reason));
  desktop_.Exclamation(text.toStdString());
}

void CConvertDlg::HelpTopics(bool maximized) {
  if (help_) {
    if (help_->isMinimized()) help_->showNormal();
    help_->show();
    help_->raise();
    help_->activateWindow();
    return;
  }
  help_ = std::make_unique<HelpWindow>(engine_.ProgramFolder(), desktop_);
  if (maximized)
    help_->showMaximized();
  else
    help_->show();
}

void CConvertDlg::OpenOptions() {
  MidiPageContext midi;
  midi.programFolder = engine_.ProgramFolder();
  midi.songs = MidiSongs(list_.Entries().size(), [this](size_t index) { return &list_.At(index); });
  COptSheet::Run(this, settings_, root_, desktop_, midi);
}

void CConvertDlg::PrepareSoundFont(const std::vector<SourceFile*>& entries) {
  const std::vector<std::string> songs =
      MidiSongs(entries.size(), [&entries](size_t index) { return entries[index]; });
  engine_.UseMidiEffects(settings_.midiReverb, settings_.midiChorus);
  if (songs.empty()) return;
  // The font chosen on the MIDI page, loaded again when it changed since
  // the last batch. One that cannot be used leaves the songs to the
  // program's own font, which the batch then asks for as always.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool usable = engine_.UseSoundFont(settings_.soundFontFile);
  QApplication::restoreOverrideCursor();
  if (!usable && !settings_.soundFontFile.empty()) {
    std::string problem = CoreText(SoundFontFileProblem(settings_.soundFontFile));
    if (problem.empty()) problem = tr("not a SoundFont Sondrel can read").toStdString();
    desktop_.Exclamation(
        tr("The SoundFont \"%1\" chosen on the MIDI page of the options cannot be "
           "used: %2.\nThe MIDI songs are rendered with ct4mgm.sf2 beside the "
           "program.")
            .arg(QString::fromStdString(settings_.soundFontFile), QString::fromStdString(problem))
            .toStdString());
    engine_.UseSoundFont(std::string());
  }
  if (engine_.SoundFontReady() == 0) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::vector<std::string> lines =
      DescribeLackedInstruments(CheckSongs(engine_.SoundFontFile(), songs));
  QApplication::restoreOverrideCursor();
  if (lines.empty()) return;
  std::string text = CoreText(LACKED_INSTRUMENTS_HEADING);
  for (size_t at = 0; at < lines.size(); ++at) {
    if (at == MAX_LACK_LINES) {
      text += "\n" + tr("... and %1 more.").arg(lines.size() - at).toStdString();
      break;
    }
    text += "\n" + CoreText(lines[at]);
  }
  desktop_.Information(text);
}

std::unique_ptr<QMenu> CConvertDlg::MakeContextMenu() {
  auto menu = std::make_unique<QMenu>(this);
  const std::vector<int> selected = listCtrl_->SelectedRows();
  const bool one = selected.size() == 1;
  const bool some = !selected.empty();
  const bool converted = one && !listCtrl_->EntryAt(selected.front())->destinationPath.empty();
  const bool failed = one && !listCtrl_->EntryAt(selected.front())->reason.empty();
  const bool listed = listCtrl_->RowCount() > 0;
  auto add = [&](const QString& text, bool enabled, auto command) {
    QAction* action = menu->addAction(text);
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, command);
  };
  add(tr("&Play Source"), one, &CConvertDlg::PlaySource);
  add(tr("Play &Destination"), converted, &CConvertDlg::PlayDestination);
  menu->addSeparator();
  add(tr("&Convert Selected"), some, &CConvertDlg::ConvertSelected);
  add(tr("Convert All"), listed, &CConvertDlg::ConvertAll);
  menu->addSeparator();
  add(tr("Browse &Source Folder"), one, &CConvertDlg::BrowseSourceFolder);
  add(tr("Browse Destination &Folder"), converted, &CConvertDlg::BrowseDestinationFolder);
  add(tr("&Why did this fail?"), failed, &CConvertDlg::ExplainFailure);
  menu->addSeparator();
  add(tr("&Add Files...\tCtrl+O"), true, &CConvertDlg::AddFiles);
  add(tr("Add F&older"), true, &CConvertDlg::AddFolder);
  add(tr("&Remove\tDel"), some, &CConvertDlg::Remove);
  add(tr("Remove Al&l"), listed, &CConvertDlg::RemoveAll);
  return menu;
}

std::unique_ptr<QMenu> CConvertDlg::MakeHelpMenu() {
  auto menu = std::make_unique<QMenu>(this);
  auto add = [&](const QString& text, auto command) {
    connect(menu->addAction(text), &QAction::triggered, this, command);
  };
  add(tr("&Help Topics\tF1"), [this] { HelpTopics(); });
  menu->addSeparator();
  add(tr("&Tell A Friend"), [this] { OpenUnderWaitCursor(desktop_, TellAFriendLink()); });
  add(tr("&Feedback and Support"), [this] { OpenUnderWaitCursor(desktop_, SupportMailLink()); });
  add(tr("Home&page"), [this] { OpenUnderWaitCursor(desktop_, HOME_PAGE_URL); });
  add(tr("&Check Latest Version"), [this] { OpenUnderWaitCursor(desktop_, UpdateCheckLink()); });
  menu->addSeparator();
  add(tr("&About..."), [this] { CAboutBox(this, desktop_).exec(); });
  return menu;
}

void CConvertDlg::ShowHelpMenu() {
  const QPushButton* help = Button("help");
  MakeHelpMenu()->exec(help->mapToGlobal(help->rect().bottomLeft()));
}

void CConvertDlg::paintEvent(QPaintEvent*) {
  // Moved to a screen of another pixel ratio: the art is drawn anew for it.
  UpdateBackground();
  QPainter painter(this);
  painter.drawPixmap(0, 0, background_);
}

void CConvertDlg::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

void CConvertDlg::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) ShowWindowState();
}

void CConvertDlg::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && event->position().y() < kHeaderBandHeight) {
    ToggleMaximized();
    event->accept();
    return;
  }
  QWidget::mouseDoubleClickEvent(event);
}

void CConvertDlg::closeEvent(QCloseEvent* event) {
  if (batch_) {
    // Closing during a batch asks first; Yes cancels as Cancel does, and the
    // window closes once the batch has stopped.
    event->ignore();
    if (closeAfterBatch_ || !desktop_.YesNo(tr(STOP_ON_CLOSE_QUESTION).toStdString())) return;
    if (batch_) {
      closeAfterBatch_ = true;
      batch_->CancelButton()->click();
      return;
    }
  }
  if (help_) help_->close();
  event->accept();
}

void CConvertDlg::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CConvertDlg::dropEvent(QDropEvent* event) {
  std::vector<std::string> paths;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
  event->acceptProposedAction();
  if (!paths.empty()) AddDropped(paths);
}
