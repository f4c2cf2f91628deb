#pragma once

#include <memory>
#include <string>
#include <vector>

class CAddProgressDlg;
class CSortListCtrl;
class Desktop;
class QString;
class QWidget;
class SettingsRoot;
class SourceList;
struct ConvertSettings;

// The three ways files reach the list: the open-file dialog (Add Files),
// the folder picker followed by a search of the folder and its sub-folders
// (Add Folder), and files or folders dropped on the window. Every collected
// path is probed once; a file that opens becomes a row, one already listed
// is skipped, and the files that do not open are reported together at the
// end, each with its reason where one is known (a named pipe, a socket or
// a device is never opened). Each file found by searching a folder
// remembers that folder, so that its output can keep its sub-folder below
// it (KeepAddedSubfolders). The files are probed on every core and listed in
// the order they were collected. A small window shows the search and counts
// the files; its Cancel stops the run after the file being added.
class FileAdder {
 public:
  FileAdder(QWidget& mainWindow, CSortListCtrl& listCtrl, SourceList& list,
            ConvertSettings& settings, SettingsRoot& root, Desktop& desktop);

  // Files chosen in the dialog are taken as they are, whatever the
  // extension filter says.
  void AddFiles();
  // The chosen folder is stored in the settings at once, before the search.
  void AddFolder();
  // Dropped items in drop order: folders are searched, files pass the
  // extension filter.
  void AddDropped(const std::vector<std::string>& paths);
  // Probes each path and appends a row for each that opens, with the main
  // window disabled; reports the failures at the end, also after Cancel.
  // Counts the files in `progress` (then closed), or in a window of its own.
  void AddFileList(const std::vector<std::string>& paths,
                   std::unique_ptr<CAddProgressDlg> progress = nullptr);

 private:
  // A collected file and the folder whose search found it ("" for a file
  // added by itself).
  struct Collected {
    std::string path;
    std::string addedFrom;
  };
  void AddCollected(const std::vector<Collected>& files, std::unique_ptr<CAddProgressDlg> progress);
  std::unique_ptr<CAddProgressDlg> OpenProgress(const QString& text);
  void CloseProgress(std::unique_ptr<CAddProgressDlg> progress);
  // Under "Searching files...": searches the folders among `paths`, passes
  // the files through the extension filter, then adds what was collected.
  void SearchAndAdd(const std::vector<std::string>& paths);

  QWidget& mainWindow_;
  CSortListCtrl& listCtrl_;
  SourceList& list_;
  ConvertSettings& settings_;
  SettingsRoot& root_;
  Desktop& desktop_;
};
