#include "ui/main/SortListCtrl.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>

#include <algorithm>
#include <iterator>
#include <string>

#include "source/SourceFile.h"

namespace {

struct ColumnLayout {
  const char* header;
  int width;
  Qt::Alignment alignment;
  ColumnSortType sortType;
};

const ColumnLayout kColumns[CSortListCtrl::COLUMN_COUNT] = {
    {QT_TRANSLATE_NOOP("CSortListCtrl", "File"), 120, Qt::AlignLeft, SORT_TEXT},
    {QT_TRANSLATE_NOOP("CSortListCtrl", "Folder"), 80, Qt::AlignLeft, SORT_TEXT},
    {QT_TRANSLATE_NOOP("CSortListCtrl", "Duration"), 58, Qt::AlignRight, SORT_MIN_SEC},
    {QT_TRANSLATE_NOOP("CSortListCtrl", "Bit Rate"), 72, Qt::AlignRight, SORT_NUMBER},
    {QT_TRANSLATE_NOOP("CSortListCtrl", "Freq."), 64, Qt::AlignRight, SORT_NUMBER},
    {QT_TRANSLATE_NOOP("CSortListCtrl", "Channels"), 58, Qt::AlignLeft, SORT_TEXT},
    {QT_TRANSLATE_NOOP("CSortListCtrl", "Status"), 100, Qt::AlignLeft, SORT_TEXT},
};

// The entry a row refers to is kept in the row's first cell.
constexpr int kEntryRole = Qt::UserRole + 1;

// What a screen reader says for a row: its file and its status ("song.mid,
// Converted"; "song.mid, not converted yet" before a run).
void UpdateAccessibleText(QTreeWidgetItem& item) {
  const QString status = item.text(CSortListCtrl::COL_STATUS);
  const QString text =
      item.text(CSortListCtrl::COL_FILE) + QStringLiteral(", ") +
      (status.isEmpty() ? QCoreApplication::translate("CSortListCtrl", "not converted yet")
                        : status);
  item.setData(CSortListCtrl::COL_FILE, Qt::AccessibleTextRole, text);
}

// The folder a source lies in, as the Folder cell shows it: its full path,
// so that files of the same name in different folders are told apart.
std::string FolderCellText(const std::string& path) {
  const QString folder = QFileInfo(QString::fromStdString(path)).absolutePath();
  return QDir::toNativeSeparators(folder).toStdString();
}

}  // namespace

CSortListCtrl::CSortListCtrl(QWidget* parent) : QTreeWidget(parent) {
  setColumnCount(COLUMN_COUNT);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSortingEnabled(false);
  setAccessibleName(tr("Files to convert"));
  setAccessibleDescription(
      tr("Each row is a file with its duration, bit rate, frequency, channels and "
         "conversion status"));

  QTreeWidgetItem* header = headerItem();
  for (int column = 0; column < COLUMN_COUNT; ++column) {
    header->setText(column, tr(kColumns[column].header));
    header->setTextAlignment(column, kColumns[column].alignment | Qt::AlignVCenter);
    baseWidths_[column] = kColumns[column].width;
    SetColumnSortType(column, kColumns[column].sortType);
  }
  ApplyColumnWidths();
  // Long paths and names keep both their ends: the end of a folder's path
  // is what tells it from its neighbours.
  setTextElideMode(Qt::ElideMiddle);
  this->header()->setStretchLastSection(false);
  this->header()->setSectionsClickable(true);
  this->header()->setSortIndicatorShown(false);
  connect(this->header(), &QHeaderView::sectionClicked, this, &CSortListCtrl::SortByColumn);
  // A column the user drags keeps its new width, less its share of the
  // extra, so that it stays as wide when the window is resized or reopened.
  connect(this->header(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
    if (applyingWidths_ || column < 0 || column >= COLUMN_COUNT) return;
    baseWidths_[column] = std::clamp(size - ExtraWidth(column), MIN_COLUMN_WIDTH, MAX_COLUMN_WIDTH);
  });
  connect(this, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item, int) { Q_EMIT RowActivated(indexOfTopLevelItem(item)); });
}

void CSortListCtrl::SetColumnSortType(int column, ColumnSortType type) {
  if (column < 0 || column >= MAX_SORT_COLUMNS) return;
  columnTypes_[column] = type;
}

int CSortListCtrl::AppendEntry(SourceFile* entry) {
  auto* item = new QTreeWidgetItem;
  const std::string cells[COLUMN_COUNT] = {FileCellText(entry->path),
                                           FolderCellText(entry->path),
                                           DurationCellText(*entry),
                                           BitRateCellText(entry->bitRate),
                                           FreqCellText(entry->sampleRate),
                                           ChannelsCellText(*entry),
                                           std::string()};
  for (int column = 0; column < COLUMN_COUNT; ++column) {
    item->setText(column, QString::fromStdString(cells[column]));
    item->setTextAlignment(column, kColumns[column].alignment | Qt::AlignVCenter);
  }
  item->setData(COL_FILE, kEntryRole, QVariant::fromValue(static_cast<void*>(entry)));
  UpdateAccessibleText(*item);
  addTopLevelItem(item);
  scrollToItem(item);
  return indexOfTopLevelItem(item);
}

SourceFile* CSortListCtrl::EntryAt(int row) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item ? static_cast<SourceFile*>(item->data(COL_FILE, kEntryRole).value<void*>()) : nullptr;
}

QString CSortListCtrl::CellText(int row, int column) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item ? item->text(column) : QString();
}

void CSortListCtrl::SetCellText(int row, int column, const QString& text) {
  QTreeWidgetItem* item = topLevelItem(row);
  if (!item) return;
  item->setText(column, text);
  UpdateAccessibleText(*item);
}

QString CSortListCtrl::CellToolTip(int row, int column) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item ? item->toolTip(column) : QString();
}

void CSortListCtrl::SetCellToolTip(int row, int column, const QString& text) {
  if (QTreeWidgetItem* item = topLevelItem(row)) item->setToolTip(column, text);
}

std::vector<int> CSortListCtrl::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

void CSortListCtrl::SelectRows(const std::vector<int>& rows) {
  clearSelection();
  for (int row : rows)
    if (QTreeWidgetItem* item = topLevelItem(row)) item->setSelected(true);
}

void CSortListCtrl::DeleteRow(int row) {
  delete takeTopLevelItem(row);
}

void CSortListCtrl::DeleteAllRows() {
  clear();
}

void CSortListCtrl::ScrollToRow(int row) {
  if (QTreeWidgetItem* item = topLevelItem(row)) scrollToItem(item);
}

std::vector<int> CSortListCtrl::BaseColumnWidths() const {
  return std::vector<int>(std::begin(baseWidths_), std::end(baseWidths_));
}

bool CSortListCtrl::SetBaseColumnWidths(const std::vector<int>& widths) {
  if (widths.size() != static_cast<size_t>(COLUMN_COUNT)) return false;
  for (int column = 0; column < COLUMN_COUNT; ++column)
    baseWidths_[column] =
        std::clamp(widths[static_cast<size_t>(column)], MIN_COLUMN_WIDTH, MAX_COLUMN_WIDTH);
  ApplyColumnWidths();
  return true;
}

int CSortListCtrl::ExtraWidth(int column) const {
  const int extra = std::max(0, width() - BASE_LIST_WIDTH);
  if (column == COL_FILE) return extra / 2;
  if (column == COL_STATUS) return extra - extra / 2;
  return 0;
}

void CSortListCtrl::ApplyColumnWidths() {
  applyingWidths_ = true;
  for (int column = 0; column < COLUMN_COUNT; ++column)
    setColumnWidth(column, baseWidths_[column] + ExtraWidth(column));
  applyingWidths_ = false;
}

void CSortListCtrl::resizeEvent(QResizeEvent* event) {
  QTreeWidget::resizeEvent(event);
  ApplyColumnWidths();
}

void CSortListCtrl::SortByColumn(int column) {
  if (column < 0 || column >= COLUMN_COUNT) return;
  ascending_ = column != sortColumn_ || !ascending_;
  sortColumn_ = column;

  // The rows are taken out, ordered by the column's comparison and put back;
  // rows that compare equal keep their order.
  std::vector<QTreeWidgetItem*> items;
  items.reserve(static_cast<size_t>(topLevelItemCount()));
  const QList<QTreeWidgetItem*> selected = selectedItems();
  while (topLevelItemCount() > 0) items.push_back(takeTopLevelItem(0));
  const ColumnSortType type = columnTypes_[column];
  const bool ascending = ascending_;
  std::stable_sort(items.begin(), items.end(), [&](QTreeWidgetItem* a, QTreeWidgetItem* b) {
    const int order = CompareCells(type, a->text(column), b->text(column));
    return ascending ? order < 0 : order > 0;
  });
  for (QTreeWidgetItem* item : items) addTopLevelItem(item);
  for (QTreeWidgetItem* item : selected) item->setSelected(true);
}

void CSortListCtrl::contextMenuEvent(QContextMenuEvent* event) {
  const QPoint global = event->reason() == QContextMenuEvent::Keyboard
                            ? mapToGlobal(rect().center())
                            : event->globalPos();
  event->accept();
  Q_EMIT ContextMenuAt(global);
}
