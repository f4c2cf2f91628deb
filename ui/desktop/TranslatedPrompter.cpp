#include "ui/desktop/TranslatedPrompter.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <vector>

#include "app/NoApplication.h"
#include "app/SoundFontCheck.h"
#include "app/TextTemplate.h"
#include "convert/ConversionJob.h"
#include "convert/OutputPlacement.h"

namespace {

// The core's templates whose filled-in texts the window shows, each with
// the number of its value that is a text of the core's itself (the
// instrument of a line), 0 for none; a template that another begins with
// comes after it.
struct CoreTemplate {
  const char* pattern;
  size_t coreValue;
  const char* context = CORE_TEXT_CONTEXT;
};
const CoreTemplate kTemplates[] = {
    {SOUNDFONT_MISSING_QUESTION, 0},
    {UNKNOWN_FORMAT_MESSAGE, 0},
    {UNWRITTEN_FORMAT_MESSAGE, 0},
    {FILE_FAILED_MESSAGE, 0},
    {FOLDER_FAILED_MESSAGE, 0},
    {OUTPUT_NAME_PATTERN_MESSAGE, 0},
    {LACK_UNREADABLE_LINE, 0},
    {LACK_UNPLAYED_LINE, 2},
    {LACK_PLAYED_LINE, 2},
    {ASKED_PROGRAM_NAMED, 0},
    {ASKED_PROGRAM, 0},
    {ASKED_KIT_NAMED, 0},
    {ASKED_KIT, 0},
    {NO_APPLICATION_TEXT, 2, "Desktop"},
};

// The values `text` holds where `pattern` has %1, %2, ..., in the order of
// their numbers; false when `text` is not `pattern` filled in.
bool FilledValues(const char* pattern, const QString& text, std::vector<std::string>& values) {
  static const QRegularExpression placeholder(QStringLiteral("\\\\%([1-9])"));
  QString expression = QRegularExpression::escape(QString::fromUtf8(pattern));
  std::vector<int> numbers;
  for (auto found = placeholder.globalMatch(expression); found.hasNext();)
    numbers.push_back(found.next().captured(1).toInt());
  expression.replace(placeholder, QStringLiteral("(.*?)"));
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
  for (const CoreTemplate& core : kTemplates) {
    if (!FilledValues(core.pattern, whole, values)) continue;
    if (core.coreValue > 0) {
      std::string& value = values[core.coreValue - 1];
      const std::string own =
          QCoreApplication::translate(core.context, value.c_str()).toStdString();
      value = own != value ? own : CoreText(value);
    }
    return FillTemplate(QCoreApplication::translate(core.context, core.pattern).toStdString(),
                        values);
  }
  return text;
}
