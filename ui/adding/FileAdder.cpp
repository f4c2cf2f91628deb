#include "ui/adding/FileAdder.h"

#include <QApplication>
#include <QWidget>

#include <filesystem>

#include "app/ConvertSettings.h"
#include "app/SettingsStore.h"
#include "source/FileCollector.h"
#include "source/SourceList.h"
#include "ui/desktop/Desktop.h"
#include "ui/main/SortListCtrl.h"

FileAdder::FileAdder(QWidget& mainWindow, CSortListCtrl& listCtrl, SourceList& list,
                     ConvertSettings& settings, SettingsRoot& root, Desktop& desktop)
    : mainWindow_(mainWindow),
      listCtrl_(listCtrl),
      list_(list),
      settings_(settings),
      root_(root),
      desktop_(desktop) {}

void FileAdder::AddFiles() {
  const std::vector<std::string> chosen =
      desktop_.ChooseFiles(&mainWindow_, {"All Files (*)"});
  if (chosen.empty()) return;
  QCoreApplication::processEvents();
  // Files chosen in the dialog bypass the extension filter.
  AddFileList(chosen);
}

void FileAdder::AddFolder() {
  const std::string folder =
      desktop_.ChooseFolder(&mainWindow_, "Please choose a folder:", settings_.folder);
  if (folder.empty()) return;
  settings_.folder = folder;
  SaveSettings(settings_, GROUP_FOLDER, root_);
  QCoreApplication::processEvents();
  AddFileList(CollectFiles(folder, settings_.enableExtFilter != 0, settings_.extensionFilter));
}

void FileAdder::AddDropped(const std::vector<std::string>& paths) {
  std::vector<std::string> collected;
  const bool filterOn = settings_.enableExtFilter != 0;
  for (const std::string& path : paths) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
      for (std::string& file : CollectFiles(path, filterOn, settings_.extensionFilter))
        collected.push_back(std::move(file));
    } else if (std::optional<std::string> accepted =
                   FilterPath(path, filterOn, settings_.extensionFilter)) {
      collected.push_back(*accepted);
    }
  }
  if (!collected.empty()) AddFileList(collected);
}

void FileAdder::AddFileList(const std::vector<std::string>& paths) {
  mainWindow_.setEnabled(false);
  LoadFailures failures;
  for (const std::string& path : paths) {
    switch (list_.AddOneFile(path)) {
      case SourceList::AddResult::ADDED:
        listCtrl_.AppendEntry(list_.Entries().back().get());
        break;
      case SourceList::AddResult::FAILED:
        failures.Add(path);
        break;
      case SourceList::AddResult::ALREADY_LISTED:
        break;
    }
    QCoreApplication::processEvents();
  }
  mainWindow_.setEnabled(true);
  if (!failures.Empty()) desktop_.Exclamation(failures.Message());
}
