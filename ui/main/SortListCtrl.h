#pragma once

#include <QTreeWidget>

#include <vector>

#include "ui/main/ColumnSort.h"

struct SourceFile;

// The file list: a report view with one row per list entry, several rows
// selectable, whole rows selected, and sorting by a click on a column
// header with the comparison of that column's sort type. Each row refers to
// its entry; the entries belong to the window, never to the control.
class CSortListCtrl : public QTreeWidget {
  Q_OBJECT

 public:
  // The columns, in order.
  enum Column {
    COL_FILE,
    COL_FOLDER,
    COL_DURATION,
    COL_BIT_RATE,
    COL_FREQ,
    COL_CHANNELS,
    COL_STATUS
  };
  static constexpr int COLUMN_COUNT = 7;
  // The list's width at which the columns have their base widths; a wider
  // list gives the extra to the File and Status columns, half each.
  static constexpr int BASE_LIST_WIDTH = 552;
  static constexpr int MIN_COLUMN_WIDTH = 20;
  static constexpr int MAX_COLUMN_WIDTH = 4000;
  static constexpr int MAX_SORT_COLUMNS = 100;

  explicit CSortListCtrl(QWidget* parent = nullptr);

  // Sets the sort type of column `column`; indexes of 100 or more are ignored.
  void SetColumnSortType(int column, ColumnSortType type);

  // Appends a row for `entry` with its cells filled, scrolls it into view
  // and answers its row index.
  int AppendEntry(SourceFile* entry);
  int RowCount() const { return topLevelItemCount(); }
  SourceFile* EntryAt(int row) const;
  QString CellText(int row, int column) const;
  void SetCellText(int row, int column, const QString& text);
  QString CellToolTip(int row, int column) const;
  void SetCellToolTip(int row, int column, const QString& text);
  // The selected rows in ascending order.
  std::vector<int> SelectedRows() const;
  void SelectRows(const std::vector<int>& rows);
  void DeleteRow(int row);
  void DeleteAllRows();
  void ScrollToRow(int row);

  // The columns' widths as they are at the base list width: what a header
  // drag set, without the share of the extra width. Setting them takes
  // only a list of COLUMN_COUNT widths, each clamped to the limits.
  std::vector<int> BaseColumnWidths() const;
  bool SetBaseColumnWidths(const std::vector<int>& widths);

  // A click on the header of `column`: ascending when the column differs
  // from the last one sorted or the order is descending, else descending.
  void SortByColumn(int column);
  int SortColumn() const { return sortColumn_; }
  bool Ascending() const { return ascending_; }

 Q_SIGNALS:
  // A row was double-clicked (Play Source).
  void RowActivated(int row);
  // The context menu is wanted at `global` (screen coordinates): where the
  // right click was, or the centre of the list for the context-menu key.
  void ContextMenuAt(const QPoint& global);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The share of the width beyond the base list width that `column` takes.
  int ExtraWidth(int column) const;
  // Gives every column its base width plus its share.
  void ApplyColumnWidths();

  int sortColumn_ = -1;
  bool ascending_ = true;
  int baseWidths_[COLUMN_COUNT] = {};
  bool applyingWidths_ = false;
  ColumnSortType columnTypes_[MAX_SORT_COLUMNS] = {};
};
