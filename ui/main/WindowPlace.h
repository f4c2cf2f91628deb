#pragma once

#include <QRect>
#include <QSize>

#include <vector>

class SettingsRoot;

// The key below the settings root that holds where the main window was.
inline constexpr const char* WINDOW_KEY = "Window";

// Where the main window was when it last closed: its normal geometry (also
// while it was maximised), whether it was maximised and the list's base
// column widths. An empty geometry or width list means none is stored.
struct WindowPlace {
  QRect geometry;
  bool maximized = false;
  std::vector<int> columnWidths;
};

// Reads the Window key: "Geometry" ("left,top,width,height"), "Maximized"
// (0 or 1) and "ColumnWidths" (comma-separated). A text that does not parse
// leaves its field empty; never fails.
WindowPlace LoadWindowPlace(const SettingsRoot& root);
// False when the store could not be written.
bool SaveWindowPlace(const WindowPlace& place, SettingsRoot& root);

// Whether a window at `geometry` can be used as it is: at least `minimum`
// in size, with enough of its top band (where it is dragged) inside one of
// the screens' available areas to be reached.
bool PlaceFitsScreens(const QRect& geometry, QSize minimum);
