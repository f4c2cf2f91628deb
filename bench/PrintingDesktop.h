#pragma once

// The desktop the benchmark programs give the window: it answers every
// question No, opens nothing and prints what it would show on stderr.

#include <cstdio>
#include <string>
#include <vector>

#include "ui/desktop/Desktop.h"

// A desktop that answers every question No and prints what it would show.
class PrintingDesktop : public Desktop {
 public:
  void Information(const std::string& text) override { Print("information", text); }
  void Exclamation(const std::string& text) override { Print("exclamation", text); }
  void Error(const std::string& text) override { Print("error", text); }
  bool YesNo(const std::string& text) override {
    Print("question", text);
    return false;
  }
  bool OpenUrl(const std::string&) override { return false; }
  bool ShowInFileManager(const std::string&) override { return false; }
  bool OpenFolder(const std::string&) override { return false; }
  bool OpenFile(const std::string&) override { return false; }
  std::vector<std::string> ChooseFiles(QWidget*, const std::vector<std::string>&) override {
    return {};
  }
  std::string ChooseFile(QWidget*, const std::string&, const std::vector<std::string>&,
                         const std::string&) override {
    return {};
  }
  std::string ChooseFolder(QWidget*, const std::string&, const std::string&) override { return {}; }

 private:
  static void Print(const char* kind, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", kind, text.c_str());
  }
};
