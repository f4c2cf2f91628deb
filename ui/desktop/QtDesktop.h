#pragma once

#include "ui/desktop/Desktop.h"

// The real desktop: QMessageBox, QFileDialog, QDesktopServices, the file
// manager's D-Bus interface and xdg-open. Message boxes are owned by the
// window set with SetOwner (none before the main window exists).
class QtDesktop : public Desktop {
 public:
  void SetOwner(QWidget* owner) { owner_ = owner; }

  void Information(const std::string& text) override;
  void Exclamation(const std::string& text) override;
  bool YesNo(const std::string& text) override;
  void Error(const std::string& text) override;
  bool OpenUrl(const std::string& url) override;
  bool ShowInFileManager(const std::string& path) override;
  bool OpenFolder(const std::string& path) override;
  std::vector<std::string> ChooseFiles(QWidget* owner,
                                       const std::vector<std::string>& filters) override;
  std::string ChooseFile(QWidget* owner, const std::string& title,
                         const std::vector<std::string>& filters,
                         const std::string& initialPath) override;
  std::string ChooseFolder(QWidget* owner, const std::string& title,
                           const std::string& initialFolder) override;
  bool OpenFile(const std::string& path) override;

 private:
  QWidget* owner_ = nullptr;
};
