#pragma once

#include <QTextBrowser>

#include <string>

// Sondrel's own help window, titled "Sondrel Help", showing the user guide
// "sondrel-help.html" from the program's folder. Links within the guide
// stay in the window; links to the web open in the browser.
class HelpWindow : public QTextBrowser {
  Q_OBJECT

 public:
  static constexpr const char* TITLE = "Sondrel Help";
  static constexpr const char* FILE_NAME = "sondrel-help.html";

  explicit HelpWindow(const std::string& programFolder);
};
