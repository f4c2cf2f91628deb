#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>

#include "OptionsFixture.h"
#include "support/AudioFixtures.h"
#include "ui/options/SpinStepCtrl.h"
#include "ui/options/TagEditDlg.h"
#include "ui/options/TagSection.h"

namespace {

struct TagRow {
  const char* page;       // the sheet's tab
  const char* format;     // sondrel-cli convert --to
  const char* tagOption;  // the format's tag option, set to the preset
};

class TagPresetRoundTripTest : public OptionsTest, public ::testing::WithParamInterface<TagRow> {
 protected:
  // The tags ffprobe reads from `path` (container and stream tags), keys in
  // lower case.
  static std::map<std::string, std::string> Tags(const std::string& path) {
    const ProcessResult result =
        RunProcess("ffprobe", {"-v", "error", "-show_entries", "format_tags:stream_tags", "-of",
                               "default=nw=1", path});
    EXPECT_TRUE(Succeeded(result));
    std::map<std::string, std::string> tags;
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind("TAG:", 0) != 0) continue;
      const auto equals = line.find('=');
      std::string key = line.substr(4, equals - 4);
      std::transform(key.begin(), key.end(), key.begin(),
                     [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
      tags[key] = line.substr(equals + 1);
    }
    return tags;
  }
};

// A preset edited in the tag editor and kept by OK of the editor and of the
// sheet reaches the settings file and is written into the next output.
TEST_P(TagPresetRoundTripTest, EditedPresetIsWrittenIntoTheNextOutput) {
  const TagRow& row = GetParam();
  Store({{row.tagOption, "0"}});
  COptPage& page = OpenOn(QString::fromLatin1(row.page));
  auto* section = page.findChild<TagSection*>();
  ASSERT_NE(section, nullptr) << row.page << " has no tag section";
  ASSERT_TRUE(section->EditButton()->isEnabled());

  bool edited = false;
  OnNextModal([&edited](QWidget* modal) {
    auto* editor = qobject_cast<CTagEditDlg*>(modal);
    if (!editor) return;
    if (editor->TitleAsFileName()->isChecked()) editor->TitleAsFileName()->click();
    editor->Text("title")->setText(QStringLiteral("Night Train"));
    editor->Text("artist")->setText(QStringLiteral("Zoë Müller"));
    editor->Text("album")->setText(QStringLiteral("Études"));
    editor->Genre()->setEditText(QStringLiteral("Jazz"));
    editor->accept();
    edited = true;
  });
  section->EditButton()->click();
  ASSERT_TRUE(edited);
  ASSERT_TRUE(Ok()) << "the sheet refused OK";

  const std::string source = dir_.File("song.wav");
  WriteWav16(source, 44100, 2, SineWave(44100, 2, 44100, 440));
  ASSERT_TRUE(Succeeded(Cli({"convert", "--to", row.format, "--out", dir_.File("out"), source})));
  const std::map<std::string, std::string> tags =
      Tags(dir_.File(std::string("out/song.") + row.format));
  EXPECT_EQ(tags.count("title") ? tags.at("title") : "", "Night Train") << row.format;
  EXPECT_EQ(tags.count("artist") ? tags.at("artist") : "", "Zoë Müller") << row.format;
  EXPECT_EQ(tags.count("album") ? tags.at("album") : "", "Études") << row.format;
  EXPECT_EQ(tags.count("genre") ? tags.at("genre") : "", "Jazz") << row.format;
}

INSTANTIATE_TEST_SUITE_P(Formats, TagPresetRoundTripTest,
                         ::testing::Values(TagRow{"MP3 Options", "mp3", "MP3ID3TagType"},
                                           TagRow{"OGG Options", "ogg", "OGGID3TagType"},
                                           TagRow{"WMA Options", "wma", "WMAID3TagType"},
                                           TagRow{"MP4/M4A/M4B Options", "m4a",
                                                  "M4AID3TagType"}),
                         [](const auto& row) { return std::string(row.param.format); });

}  // namespace
