#include "ui/main/WindowPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>

#include "platform/settings/SettingsKey.h"

namespace {

// The numbers of a comma-separated text, or nothing when any part is not a
// whole number.
std::vector<int> Numbers(const std::string& text) {
  std::vector<int> numbers;
  for (const QString& part : QString::fromStdString(text).split(QLatin1Char(','))) {
    bool ok = false;
    const int number = part.trimmed().toInt(&ok);
    if (!ok) return {};
    numbers.push_back(number);
  }
  return numbers;
}

std::string Joined(const std::vector<int>& numbers) {
  std::string text;
  for (int number : numbers) text += (text.empty() ? "" : ",") + std::to_string(number);
  return text;
}

// How much of the top band must lie on a screen for the window to be
// reached and dragged back.
constexpr int kVisibleWidth = 100;
constexpr int kBandHeight = 40;

}  // namespace

WindowPlace LoadWindowPlace(const SettingsRoot& root) {
  WindowPlace place;
  const std::unique_ptr<SettingsKey> key = root.OpenKey(WINDOW_KEY);
  if (!key) return place;
  if (const std::optional<std::string> text = key->ReadText("Geometry")) {
    const std::vector<int> numbers = Numbers(*text);
    if (numbers.size() == 4 && numbers[2] > 0 && numbers[3] > 0)
      place.geometry = QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
  }
  place.maximized = key->ReadNumber("Maximized").value_or(0) == 1;
  if (const std::optional<std::string> text = key->ReadText("ColumnWidths"))
    place.columnWidths = Numbers(*text);
  return place;
}

bool SaveWindowPlace(const WindowPlace& place, SettingsRoot& root) {
  const std::unique_ptr<SettingsKey> key = root.CreateKey(WINDOW_KEY);
  if (!key) return false;
  const QRect& area = place.geometry;
  bool ok = key->WriteText("Geometry", Joined({area.x(), area.y(), area.width(), area.height()}));
  ok = key->WriteNumber("Maximized", place.maximized ? 1 : 0) && ok;
  ok = key->WriteText("ColumnWidths", Joined(place.columnWidths)) && ok;
  return key->Flush() && ok;
}

bool PlaceFitsScreens(const QRect& geometry, QSize minimum) {
  if (geometry.width() < minimum.width() || geometry.height() < minimum.height()) return false;
  const QRect band(geometry.x(), geometry.y(), geometry.width(), kBandHeight);
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect available = screen->availableGeometry();
    const QRect shown = band.intersected(available);
    if (shown.width() >= kVisibleWidth && shown.height() >= kBandHeight) return true;
  }
  return false;
}
