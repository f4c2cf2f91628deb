#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/ConvertSettings.h"
#include "app/EngineStartup.h"
#include "codecs/readers/ProgramReaders.h"
#include "platform/settings/IniSettingsKey.h"
#include "source/OpenSource.h"
#include "support/ProgramFolder.h"
#include "support/TempDir.h"
#include "ui/main/ConvertDlg.h"
#include "ScriptedDesktop.h"

// The main window over a settings file in a temporary folder, the engine of
// the built program folder and a scripted desktop. Not a first start, unless
// a test deletes "FirstRun".
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : settings_(dir_.File("docs")) {
    root_.CreateKey("Options")->WriteNumber("FirstRun", 0);
  }
  ~MainWindowTest() override { window_.reset(); }

  // A new window (the previous one closed first, saving what it saves),
  // probing through `prober`, or through the program's readers when none
  // is given; shown.
  CConvertDlg& OpenWindow(SourceList::Prober prober = nullptr) {
    if (!prober) {
      prober = [this](const std::string& path, int32_t kind) {
        return OpenSource(path, kind, 0, false, readers_);
      };
    }
    window_.reset();
    window_ = std::make_unique<CConvertDlg>(settings_, root_, engine_, desktop_, prober);
    window_->show();
    return *window_;
  }

  TempDir dir_;
  IniSettingsRoot root_{dir_.File("Sondrel.conf")};
  ConvertSettings settings_;
  EngineSession engine_{BuildProgramFolder()};
  SourceReaders readers_ = ProgramReaders();
  ScriptedDesktop desktop_;
  std::unique_ptr<CConvertDlg> window_;
};
