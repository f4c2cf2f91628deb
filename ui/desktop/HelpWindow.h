#pragma once

#include <QLocale>
#include <QTextBrowser>

#include <string>

class Desktop;

// Sondrel's own help window, titled "Sondrel Help", showing the user guide
// from the program's folder in the window's language where the guide has
// been translated ("sondrel-help.de.html"), in English otherwise
// ("sondrel-help.html"). Links within the guide stay in the window; links to
// the web open through the desktop, which says so when no browser or mail
// program is set up.
class HelpWindow : public QTextBrowser {
  Q_OBJECT

 public:
  static constexpr const char* TITLE = QT_TR_NOOP("Sondrel Help");
  static constexpr const char* FILE_NAME = "sondrel-help.html";

  // Shows the guide for the program's language, QLocale().
  HelpWindow(const std::string& programFolder, Desktop& desktop);

  // The guide in `programFolder` (ending in "/") for `locale`: the one of its
  // language and country ("sondrel-help.pt_BR.html"), else the one of its
  // language ("sondrel-help.pt.html"), else the English guide, whether or
  // not that one exists.
  static QString GuidePath(const QString& programFolder, const QLocale& locale);

 private:
  void FollowLink(const QUrl& url);

  Desktop& desktop_;
};
