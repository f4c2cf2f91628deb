#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTabWidget>
#include <QTimer>

#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "app/ConvertSettings.h"
#include "app/SettingsCatalog.h"
#include "app/SettingsStore.h"
#include "platform/settings/IniSettingsKey.h"
#include "platform/settings/SettingsKey.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"
#include "ui/options/OptPage.h"
#include "ui/options/OptSheet.h"
#include "ScriptedDesktop.h"

// The options sheet over a settings file where `sondrel-cli options` finds
// it (XDG_CONFIG_HOME in a temporary folder), so that a test can set values,
// open the sheet on a page, work its controls, press OK or Cancel, and read
// back what the command line prints.
class OptionsTest : public ::testing::Test {
 protected:
  OptionsTest() : settings_(dir_.File("docs")) {}

  // Stores `values` ("MP3BitRate" -> "192", "MP3Tag/Artist" -> "Ann") as
  // a hand-edited or older settings file may hold them: numbers as given,
  // even outside what `sondrel-cli options` accepts, each in the write
  // group that owns it, the rest as loading makes it.
  void Store(const std::map<std::string, std::string>& values) {
    IniSettingsRoot root(SettingsPath());
    ConvertSettings stored(dir_.File("Documents"));  // the command line's defaults
    LoadSettings(stored, root);
    uint32_t groups = 0;
    for (const auto& [name, value] : values) {
      const std::optional<SettingField> field = FindSettingField(name, stored);
      ASSERT_TRUE(field) << name;
      groups |= field->group;
      if (field->text) {
        *field->text = value;
      } else {
        const std::optional<uint32_t> number = ParseUint32(value);
        ASSERT_TRUE(number) << name << "=" << value;
        *field->number = *number;
      }
    }
    RebuildExtensionFilter(stored);
    ASSERT_TRUE(SaveSettings(stored, groups, root));
  }

  // Opens the sheet on the page titled `title` (shown, not modal).
  COptPage& OpenOn(const QString& title) {
    // A fresh view of the file, which the command line may have changed.
    sheet_.reset();
    root_ = std::make_unique<IniSettingsRoot>(SettingsPath());
    settings_ = ConvertSettings(dir_.File("docs"));
    LoadSettings(settings_, *root_);
    sheet_ = std::make_unique<COptSheet>(nullptr, settings_, *root_, desktop_);
    sheet_->show();
    QTabWidget& tabs = sheet_->Tabs();
    for (int index = 0; index < tabs.count(); ++index)
      if (tabs.tabText(index) == title) tabs.setCurrentIndex(index);
    EXPECT_EQ(tabs.tabText(tabs.currentIndex()), title) << "no page " << title.toStdString();
    return sheet_->Page(tabs.currentIndex());
  }

  template <typename Page>
  Page& OpenPage(const QString& title) {
    return dynamic_cast<Page&>(OpenOn(title));
  }

  // Presses OK; true when the sheet closed (a page may refuse).
  bool Ok() {
    sheet_->accept();
    return sheet_->result() == QDialog::Accepted && !sheet_->isVisible();
  }
  void Cancel() { sheet_->reject(); }

  // What `sondrel-cli options` prints now, name -> value.
  std::map<std::string, std::string> Printed() {
    const ProcessResult result = Cli({"options"});
    EXPECT_TRUE(Succeeded(result));
    std::map<std::string, std::string> values;
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);) {
      const auto equals = line.find('=');
      if (equals != std::string::npos) values[line.substr(0, equals)] = StoredForm(line, equals);
    }
    return values;
  }

  // The value of a printed line "Name=Value" as the file stores it: a value
  // printed by name as its number.
  static std::string StoredForm(const std::string& line, std::string::size_type equals) {
    ConvertSettings scratch;
    const std::string value = line.substr(equals + 1);
    const std::optional<SettingField> field = FindSettingField(line.substr(0, equals), scratch);
    if (!field || !field->number) return value;
    const std::optional<uint32_t> number = field->values->Parse(value);
    return number ? std::to_string(*number) : value;
  }

  // The settings file's bytes ("" when it does not exist).
  std::string FileBytes() const {
    std::ifstream file(SettingsPath(), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }

  std::string SettingsPath() const {
    return dir_.File("config/Vantrel Technologies/Sondrel.conf");
  }

  ProcessResult Cli(const std::vector<std::string>& args) {
    return RunCliProcess(args, {{"HOME", dir_.Path()}, {"XDG_CONFIG_HOME", dir_.File("config")}});
  }

  TempDir dir_;
  std::unique_ptr<IniSettingsRoot> root_;
  ConvertSettings settings_;
  ScriptedDesktop desktop_;
  std::unique_ptr<COptSheet> sheet_;
};

// Runs `action` on the dialog that becomes modal next (the tag editor, for
// example), from the event loop that its exec() runs.
template <typename Action>
void OnNextModal(Action action) {
  QTimer::singleShot(0, [action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal) action(modal);
  });
}
