#include "ui/options/OptSheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/SettingsStore.h"
#include "ui/desktop/Desktop.h"
#include "ui/options/OptPage.h"
#include "ui/options/OptPages.h"

COptSheet::COptSheet(QWidget* parent, ConvertSettings& settings, SettingsRoot& root,
                     Desktop& desktop, const MidiPageContext& midi)
    : QDialog(parent), settings_(settings), root_(root), desktop_(desktop), copy_(settings) {
  setWindowTitle(tr("Options"));
  setFont(OptionsFont());
  pages_ = MakeOptionPages(copy_, desktop_, midi);

  tabs_ = new QTabWidget(this);
  for (COptPage* page : pages_) tabs_->addTab(page, page->Title());
  // Every tab title stays in sight: the sheet is as wide as its tabs.
  tabs_->tabBar()->setUsesScrollButtons(false);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &COptSheet::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &COptSheet::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons);

  const uint32_t start = settings_.optStartPageIndex;
  current_ = start < pages_.size() ? static_cast<int>(start) : 0;
  if (!pages_.empty()) Page(current_).EnsureInitialised();
  tabs_->setCurrentIndex(current_);
  connect(tabs_, &QTabWidget::currentChanged, this, &COptSheet::PageChanged);
}

COptSheet::~COptSheet() = default;

int COptSheet::ActiveIndex() const { return current_; }

void COptSheet::PageChanged(int index) {
  if (index == current_ || index < 0) return;
  // The page being left checks its values; a refusal keeps it shown.
  if (!Page(current_).Leave()) {
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(current_);
    return;
  }
  current_ = index;
  Page(current_).EnsureInitialised();
}

void COptSheet::accept() {
  if (!pages_.empty() && !Page(current_).Leave()) return;
  ConvertSettings result = settings_;
  for (COptPage* page : pages_)
    if (page->Initialised()) page->CopyOut(result);
  // The output format and the start page are the main window's to save.
  result.outputFormat = settings_.outputFormat;
  result.optStartPageIndex = settings_.optStartPageIndex;
  settings_ = result;
  RebuildExtensionFilter(settings_);
  if (!SaveSettings(settings_, GROUP_OPTIONS, root_))
    desktop_.Exclamation(
        tr("The options could not be saved; they apply until Sondrel is closed.").toStdString());
  QDialog::accept();
}

void COptSheet::Run(QWidget* parent, ConvertSettings& settings, SettingsRoot& root,
                    Desktop& desktop, const MidiPageContext& midi) {
  COptSheet sheet(parent, settings, root, desktop, midi);
  sheet.exec();
  settings.optStartPageIndex = static_cast<uint32_t>(sheet.ActiveIndex());
}
