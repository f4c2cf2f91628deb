#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QTranslator;

// The language the window speaks, chosen as desktop programs choose theirs.
// LANGUAGE lists preferences separated by colons, each tried in turn; after
// it comes the locale of messages, the first set of LC_ALL, LC_MESSAGES and
// LANG. A locale of "C" or "POSIX" means English whatever LANGUAGE says.
// Each value is matched without its codeset and modifier ("de_DE.UTF-8@euro"
// is "de_DE"), first whole and then by its language alone ("de"); English
// ("en", "en_GB") ends the search. `variable` answers an environment
// variable ("" when unset); `shipped` the codes that have a translation
// ("de", "pt_BR"). The answer is a shipped code, or "" for English.
std::string ChooseLanguage(const std::function<std::string(const char*)>& variable,
                           const std::vector<std::string>& shipped);

// The translations shipped in `folder`: the codes of its sondrel_<code>.qm.
std::vector<std::string> ShippedLanguages(const std::string& folder);

// Puts the window into the language chosen from the process's environment
// among the translations in the program folder's translations/: its own
// texts, and Qt's (the standard buttons of message boxes and dialogs) where
// Qt has them; makes that language QLocale's default, so that anything else
// can ask QLocale() which language the window speaks. Texts a translation
// lacks stay English, one by one. Answers the code chosen ("" for English)
// and keeps the translators installed for the life of the returned owner.
struct InstalledLanguage {
  std::string code;
  std::vector<std::unique_ptr<QTranslator>> translators;
  InstalledLanguage();
  InstalledLanguage(InstalledLanguage&&) noexcept;
  ~InstalledLanguage();
};
InstalledLanguage InstallLanguage(const std::string& programFolder);
