#include "ui/desktop/TranslatedPrompter.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <vector>

#include "app/TextTemplate.h"
#include "convert/ConversionJob.h"
#include "convert/OutputPlacement.h"

namespace {

// The core's templates whose filled-in texts the window shows.
const char* const kTemplates[] = {
    SOUNDFONT_MISSING_QUESTION, UNKNOWN_FORMAT_MESSAGE, UNWRITTEN_FORMAT_MESSAGE,
    FILE_FAILED_MESSAGE,        FOLDER_FAILED_MESSAGE,  OUTPUT_NAME_PATTERN_MESSAGE,
};

// The values `text` holds where `pattern` has %1, %2, ..., in the order of
// their numbers; false when `text` is not `pattern` filled in.
bool FilledValues(const char* pattern, const QString& text, std::vector<std::string>& values) {
  static const QRegularExpression placeholder(QStringLiteral("\\\\%([1-9])"));
  QString expression = QRegularExpression::escape(QString::fromUtf8(pattern));
  std::vector<int> numbers;
  for (auto found = placeholder.globalMatch(expression); found.hasNext();)
    numbers.push_back(found.next().captured(1).toInt());
  expression.replace(placeholder, QStringLiteral("(.*)"));
  const QRegularExpressionMatch match =
      QRegularExpression(QRegularExpression::anchoredPattern(expression),
                         QRegularExpression::DotMatchesEverythingOption)
          .match(text);
  if (numbers.empty() || !match.hasMatch()) return false;
  values.assign(9, std::string());
  for (size_t group = 0; group < numbers.size(); ++group)
    values[static_cast<size_t>(numbers[group] - 1)] =
        match.captured(static_cast<int>(group + 1)).toStdString();
  return true;
}

}  // namespace

std::string CoreText(const std::string& text) {
  if (text.empty()) return text;
  const QString translated = QCoreApplication::translate(CORE_TEXT_CONTEXT, text.c_str());
  if (translated.toStdString() != text) return translated.toStdString();
  // A template filled in: the translated template with the same values.
  const QString whole = QString::fromStdString(text);
  std::vector<std::string> values;
  for (const char* pattern : kTemplates) {
    if (!FilledValues(pattern, whole, values)) continue;
    return FillTemplate(QCoreApplication::translate(CORE_TEXT_CONTEXT, pattern).toStdString(),
                        values);
  }
  return text;
}
