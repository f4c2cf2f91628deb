#pragma once

#include <map>
#include <string>
#include <vector>

#include "convert/ConversionProgress.h"
#include "convert/Prompter.h"

// A conversion front end for tests: records every text and bar position and
// answers questions from a script.
class RecordingProgress : public ConversionProgress {
 public:
  void Begin(int count) override { begun = count; }
  void Finish() override { ++finished; }
  void SetBatchLine(const std::string& text) override { batchLines.push_back(text); }
  void StepBatch() override { ++batchSteps; }
  void SetFileLine(const std::string& text) override { fileLines.push_back(text); }
  int FileBarWidth() override { return width; }
  void SetFileBar(int position) override { bars.push_back(position); }
  void ScrollToEntry(size_t) override {}
  void SetEntryStatus(size_t index, const std::string& text) override {
    status[index] = text;
    statusHistory.push_back(std::to_string(index) + ":" + text);
  }
  void Pump() override { ++pumps; }
  // Cancel once `cancelAtPump` pumps have happened (0: never).
  bool CancelRequested() override { return cancelAtPump > 0 && pumps >= cancelAtPump; }

  int width = 200;
  int cancelAtPump = 0;
  int begun = -1;
  int finished = 0;
  int batchSteps = 0;
  int pumps = 0;
  std::vector<std::string> batchLines;
  std::vector<std::string> fileLines;
  std::vector<int> bars;
  std::map<size_t, std::string> status;
  std::vector<std::string> statusHistory;
};

class ScriptedPrompter : public Prompter {
 public:
  void Information(const std::string& text) override { shown.push_back("information: " + text); }
  void Exclamation(const std::string& text) override { shown.push_back("exclamation: " + text); }
  bool YesNo(const std::string& text) override {
    shown.push_back("question: " + text);
    return answer;
  }
  bool OpenUrl(const std::string& url) override {
    shown.push_back("url: " + url);
    return opens;
  }
  bool ShowInFileManager(const std::string& path) override {
    shown.push_back("select: " + path);
    return opens;
  }
  bool OpenFolder(const std::string& path) override {
    shown.push_back("folder: " + path);
    return opens;
  }

  bool answer = false;
  bool opens = true;  // whether the desktop has an application for what is opened
  std::vector<std::string> shown;
};
