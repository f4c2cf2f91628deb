#include "ui/options/OptPage.h"

#include <QCoreApplication>

COptPage::COptPage(const QString& title, const ConvertSettings& values, Desktop& desktop)
    : values_(values), desktop_(desktop), title_(title) {}

void COptPage::EnsureInitialised() {
  if (initialised_) return;
  Initialise();
  initialised_ = true;
}

QString OptionsText(const char* text) {
  return QCoreApplication::translate("Options", text);
}

QFont OptionsFont() {
  QFont font(QStringLiteral("Tahoma"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}
