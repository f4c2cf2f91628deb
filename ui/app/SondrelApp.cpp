#include "ui/app/SondrelApp.h"

#include <QApplication>
#include <QFileInfo>

#include "app/ConvertSettings.h"
#include "app/EngineStartup.h"
#include "codecs/readers/ProgramReaders.h"
#include "platform/paths/StandardFolders.h"
#include "source/SourceList.h"
#include "platform/settings/SettingsKey.h"
#include "ui/desktop/QtDesktop.h"
#include "ui/desktop/TranslatedPrompter.h"
#include "ui/main/ConvertDlg.h"

int RunSondrel(const std::vector<std::string>& files, Desktop& desktop) {
  EngineSession engine(ProgramFolder());
  if (engine.Result() == EngineStart::WRONG_VERSION) return 1;
  if (engine.Result() == EngineStart::INIT_FAILED) {
    desktop.Error(CoreText(INIT_FAILED_MESSAGE));
    return 1;
  }

  ConvertSettings settings(DocumentsFolder());
  const std::unique_ptr<SettingsRoot> root = OpenUserSettings();
  const SourceReaders readers = ProgramReaders();
  CConvertDlg window(settings, *root, engine, desktop, AddingProber(readers));
  if (auto* qtDesktop = dynamic_cast<QtDesktop*>(&desktop)) qtDesktop->SetOwner(&window);
  window.show();
  if (!files.empty()) {
    // Files named on the command line ("Open with Sondrel") arrive as a drop.
    std::vector<std::string> paths;
    for (const std::string& file : files)
      paths.push_back(QFileInfo(QString::fromStdString(file)).absoluteFilePath().toStdString());
    window.AddDropped(paths);
  }
  return QApplication::exec();
}
