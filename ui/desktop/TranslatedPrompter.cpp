#include "ui/desktop/TranslatedPrompter.h"

#include <QCoreApplication>

std::string CoreText(const std::string& text) {
  if (text.empty()) return text;
  return QCoreApplication::translate(CORE_TEXT_CONTEXT, text.c_str()).toStdString();
}
