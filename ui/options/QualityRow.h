#pragma once

#include <QWidget>

#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QHBoxLayout;

// One row of an encoding group: a check box that encodes by quality level
// instead of the bit rate, and the drop-down of the levels. The levels are
// usable only while the box is checked; the whole row only while the page
// is in custom mode (SetCustom). Toggled reports the box, so the page can
// take its bit rate out of use while the quality decides.
class QualityRow : public QWidget {
  Q_OBJECT

 public:
  // `levels` are the drop-down's texts and levels, in order.
  QualityRow(QWidget* parent, const char* checkText,
             const std::vector<std::pair<const char*, int>>& levels);

  // Checks the box and shows `level` (a level the list lacks shows the first).
  void Load(bool on, int level);
  bool IsOn() const;
  int Level() const;
  void SetCustom(bool custom);
  // Further widgets go after the levels, at the end of the row.
  void AddWidget(QWidget* widget);

  QCheckBox* Check() const { return check_; }
  QComboBox* Levels() const { return levels_; }

 Q_SIGNALS:
  void Toggled(bool on);

 private:
  void UpdateEnabled();

  QCheckBox* check_;
  QComboBox* levels_;
  QHBoxLayout* layout_;
  bool custom_ = true;
};
