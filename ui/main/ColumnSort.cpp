#include "ui/main/ColumnSort.h"

#include <QString>
#include <QStringList>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

template <typename T>
int Sign(T difference) {
  return difference < 0 ? -1 : (difference > 0 ? 1 : 0);
}

// The number a text starts with, as the C library reads it: "128 kbps" is
// 128, an empty text or one starting with a letter is 0. `rest` receives
// what follows the number.
double LeadingNumber(const QString& text, std::string* rest = nullptr) {
  const std::string bytes = text.toStdString();
  char* end = nullptr;
  const double value = std::strtod(bytes.c_str(), &end);
  if (rest) *rest = std::string(end);
  return value;
}

double SizeValue(const QString& text) {
  std::string rest;
  double value = LeadingNumber(text, &rest);
  size_t at = 0;
  if (at < rest.size() && rest[at] == ' ') ++at;
  if (at < rest.size()) {
    switch (rest[at]) {
      case 'K': case 'k': value *= 1024.0; break;
      case 'M': case 'm': value *= 1048576.0; break;
      case 'G': case 'g': value *= 1073741824.0; break;
      case 'T': case 't': value *= 1099511627776.0; break;
      default: break;
    }
  }
  return value;
}

// The integers of a text split at `separator`, at most `parts` of them,
// each read as the C library reads it ("01" is 1, "x" is 0). A text with
// fewer parts than `parts` has no shape of its own and reads as all zeros:
// it sorts before every well-formed text, which keeps the order total (a
// text that compared equal to everything would leave the sort undefined).
std::vector<long> Parts(const QString& text, QChar separator, int parts) {
  std::vector<long> values(static_cast<size_t>(parts), 0);
  const QStringList pieces = text.split(separator);
  if (pieces.size() < parts) return values;
  for (int i = 0; i < parts; ++i)
    values[static_cast<size_t>(i)] = std::strtol(pieces[i].toStdString().c_str(), nullptr, 10);
  return values;
}

// "m:s" or "h:m:s" in seconds. The Duration column writes "m:s" below an
// hour and "h:m:s" from an hour on; reading the third part as seconds keeps
// an hour-long file after a shorter one.
long ClockSeconds(const QString& text, int minimumParts) {
  const int parts = text.count(QLatin1Char(':')) >= 2 ? 3 : 2;
  if (parts < minimumParts) return 0;
  long seconds = 0;
  for (long part : Parts(text, QLatin1Char(':'), parts)) seconds = seconds * 60 + part;
  return seconds;
}

}  // namespace

int CompareCells(ColumnSortType type, const QString& a, const QString& b) {
  switch (type) {
    case SORT_TEXT:
      return Sign(QString::localeAwareCompare(a, b));
    case SORT_NUMBER:
      return Sign(LeadingNumber(a) - LeadingNumber(b));
    case SORT_SIZE:
      return Sign(SizeValue(a) - SizeValue(b));
    case SORT_DATE: {
      const std::vector<long> x = Parts(a, QLatin1Char('-'), 3);
      const std::vector<long> y = Parts(b, QLatin1Char('-'), 3);
      for (size_t i = 0; i < 3; ++i)
        if (x[i] != y[i]) return Sign(x[i] - y[i]);
      return 0;
    }
    case SORT_MIN_SEC:
      return Sign(ClockSeconds(a, 2) - ClockSeconds(b, 2));
    case SORT_HOUR_MIN_SEC:
      return Sign(ClockSeconds(a, 3) - ClockSeconds(b, 3));
  }
  return 0;
}
