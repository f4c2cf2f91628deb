#pragma once

#include <string>
#include <vector>

#include "ui/desktop/Desktop.h"

// The desktop of the window tests: records every message and every file,
// folder or page opened, and answers the dialogs from a script, so nothing
// blocks.
class ScriptedDesktop : public Desktop {
 public:
  void Information(const std::string& text) override { shown.push_back("information: " + text); }
  void Exclamation(const std::string& text) override { shown.push_back("exclamation: " + text); }
  void Error(const std::string& text) override { shown.push_back("error: " + text); }
  bool YesNo(const std::string& text) override {
    shown.push_back("question: " + text);
    return answer;
  }
  bool OpenUrl(const std::string& url) override { return Open("url: " + url); }
  bool ShowInFileManager(const std::string& path) override { return Open("select: " + path); }
  bool OpenFolder(const std::string& path) override { return Open("folder: " + path); }
  bool OpenFile(const std::string& path) override { return Open("open: " + path); }
  std::vector<std::string> ChooseFiles(QWidget*, const std::vector<std::string>& list) override {
    filters = list;
    return chosenFiles;
  }
  std::string ChooseFile(QWidget*, const std::string& title, const std::vector<std::string>& list,
                         const std::string& initialPath) override {
    shown.push_back("choose file: " + title + " at " + initialPath);
    filters = list;
    return chosenFile;
  }
  std::string ChooseFolder(QWidget*, const std::string& title,
                           const std::string& initialFolder) override {
    shown.push_back("choose folder: " + title + " at " + initialFolder);
    return chosenFolder;
  }

  bool answer = false;
  // False: the desktop has no program for anything opened.
  bool opens = true;
  std::vector<std::string> chosenFiles;
  std::string chosenFolder;
  std::string chosenFile;
  std::vector<std::string> filters;
  std::vector<std::string> shown;
  std::vector<std::string> opened;

 private:
  bool Open(const std::string& what) {
    opened.push_back(what);
    return opens;
  }
};
