#pragma once

#include <QtGlobal>

#include <vector>

class QComboBox;

// Fills a value drop-down of an options page: one item per value, labelled
// by the number and `unit` ("128 kbps" for " kbps"), each carrying its
// number, then "Same as original file" carrying 0. Selects the item equal
// to `member` (0 selects "Same as original file"), or the first item when
// none is.
void FillValueCombo(QComboBox& combo, const std::vector<int>& values, const char* unit,
                    int member);

// Selects the item carrying `value`; false (and nothing changed) when none does.
bool SelectValue(QComboBox& combo, int value);

// The number the selected item carries, or -1 when nothing is selected.
int SelectedValue(const QComboBox& combo);

// The text of a value drop-down's last item.
//: A value taken from the source: its sample rate, bit rate or channels.
inline constexpr const char* SAME_AS_ORIGINAL =
    QT_TRANSLATE_NOOP("Options", "Same as original file");
