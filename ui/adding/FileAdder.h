#pragma once

#include <string>
#include <vector>

class CSortListCtrl;
class Desktop;
class QWidget;
class SettingsRoot;
class SourceList;
struct ConvertSettings;

// The three ways files reach the list: the open-file dialog (Add Files),
// the folder picker followed by a search of the folder and its sub-folders
// (Add Folder), and files or folders dropped on the window. Every collected
// path is probed once; a file that opens becomes a row, one already listed
// is skipped, and the files that do not open are reported together at the
// end.
class FileAdder {
 public:
  FileAdder(QWidget& mainWindow, CSortListCtrl& listCtrl, SourceList& list,
            ConvertSettings& settings, SettingsRoot& root, Desktop& desktop);

  void AddFiles();
  void AddFolder();
  // Dropped items in drop order: folders are searched, files pass the
  // extension filter.
  void AddDropped(const std::vector<std::string>& paths);
  // Probes each path and appends a row for each that opens; reports the
  // failures at the end.
  void AddFileList(const std::vector<std::string>& paths);

 private:
  QWidget& mainWindow_;
  CSortListCtrl& listCtrl_;
  SourceList& list_;
  ConvertSettings& settings_;
  SettingsRoot& root_;
  Desktop& desktop_;
};
