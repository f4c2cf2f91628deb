#pragma once

#include <QTextBrowser>

#include <string>

class Desktop;

// Sondrel's own help window, titled "Sondrel Help", showing the user guide
// "sondrel-help.html" from the program's folder. Links within the guide
// stay in the window; links to the web open through the desktop, which says
// so when no browser or mail program is set up.
class HelpWindow : public QTextBrowser {
  Q_OBJECT

 public:
  static constexpr const char* TITLE = "Sondrel Help";
  static constexpr const char* FILE_NAME = "sondrel-help.html";

  HelpWindow(const std::string& programFolder, Desktop& desktop);

 private:
  void FollowLink(const QUrl& url);

  Desktop& desktop_;
};
