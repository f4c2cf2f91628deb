#include "ui/app/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <cstdlib>

namespace {

// "de_DE.UTF-8@euro" as "de_DE".
std::string WithoutCodeset(const std::string& value) {
  return value.substr(0, value.find_first_of(".@"));
}

bool IsEnglish(const std::string& locale) {
  return locale == "en" || locale.rfind("en_", 0) == 0;
}

// The shipped code that serves `locale`: itself, or its language alone;
// "" when there is none.
std::string Served(const std::string& locale, const std::vector<std::string>& shipped) {
  const std::string language = locale.substr(0, locale.find('_'));
  for (const std::string& code : {locale, language})
    if (!code.empty() && std::find(shipped.begin(), shipped.end(), code) != shipped.end())
      return code;
  return std::string();
}

}  // namespace

std::string ChooseLanguage(const std::function<std::string(const char*)>& variable,
                           const std::vector<std::string>& shipped) {
  std::string messages;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    messages = variable(name);
    if (!messages.empty()) break;
  }
  messages = WithoutCodeset(messages);
  if (messages == "C" || messages == "POSIX") return std::string();

  std::vector<std::string> wanted;
  const std::string list = variable("LANGUAGE");
  for (size_t start = 0; start <= list.size();) {
    size_t end = list.find(':', start);
    if (end == std::string::npos) end = list.size();
    const std::string entry = WithoutCodeset(list.substr(start, end - start));
    if (!entry.empty()) wanted.push_back(entry);
    start = end + 1;
  }
  wanted.push_back(messages);
  for (const std::string& locale : wanted) {
    if (locale.empty()) continue;
    if (IsEnglish(locale)) return std::string();
    const std::string code = Served(locale, shipped);
    if (!code.empty()) return code;
  }
  return std::string();
}

std::vector<std::string> ShippedLanguages(const std::string& folder) {
  std::vector<std::string> codes;
  const QStringList files =
      QDir(QString::fromStdString(folder)).entryList({QStringLiteral("sondrel_*.qm")}, QDir::Files);
  for (const QString& file : files) codes.push_back(file.mid(8, file.size() - 8 - 3).toStdString());
  return codes;
}

InstalledLanguage::InstalledLanguage() = default;
InstalledLanguage::InstalledLanguage(InstalledLanguage&&) noexcept = default;
InstalledLanguage::~InstalledLanguage() {
  for (const std::unique_ptr<QTranslator>& translator : translators)
    QCoreApplication::removeTranslator(translator.get());
}

InstalledLanguage InstallLanguage(const std::string& programFolder) {
  const std::string folder = programFolder + "translations";
  InstalledLanguage installed;
  installed.code = ChooseLanguage(
      [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
      },
      ShippedLanguages(folder));
  if (installed.code.empty()) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return installed;
  }
  const QString code = QString::fromStdString(installed.code);
  QLocale::setDefault(QLocale(code));
  auto install = [&installed](const QString& name, const QString& in) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, in) || !QCoreApplication::installTranslator(translator.get()))
      return;
    installed.translators.push_back(std::move(translator));
  };
  install(QStringLiteral("sondrel_") + code, QString::fromStdString(folder));
  // Qt's own texts: qtbase_pt_BR.qm, else qtbase_pt.qm.
  install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return installed;
}
