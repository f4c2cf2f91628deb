// The MIDI page of the options sheet and the SoundFont of the window's
// batches, on real widgets offscreen with fonts and songs made at test time.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "app/OutputFormat.h"
#include "MainWindowFixture.h"
#include "OptionsFixture.h"
#include "support/AudioFixtures.h"
#include "support/MidiFixtures.h"
#include "support/SineFit.h"
#include "support/SoundFontFixtures.h"
#include "ui/main/SortListCtrl.h"
#include "ui/options/MidiOptPage.h"

namespace {

namespace fs = std::filesystem;

// A song of one note, key 69, on program `program`.
std::string SongOf(int program) {
  MidiTrackWriter track;
  track.Program(0, 0, program).NoteOn(0, 0, 69).NoteOff(1920, 0, 69);
  return MidiFileBytes(0, 480, {track.EndOfTrack()});
}

class MidiPageTest : public OptionsTest {
 protected:
  // The sheet on its MIDI page, listing the fonts of "fonts" and checking `songs`.
  CMidiOptPage& OpenMidiPage(const std::vector<std::string>& songs = {}) {
    sheet_.reset();
    root_ = std::make_unique<IniSettingsRoot>(SettingsPath());
    settings_ = ConvertSettings(dir_.File("docs"));
    LoadSettings(settings_, *root_);
    const MidiPageContext midi{BuildProgramFolder(), songs, {dir_.File("fonts")}};
    sheet_ = std::make_unique<COptSheet>(nullptr, settings_, *root_, desktop_, midi);
    sheet_->show();
    for (int tab = 0; tab < sheet_->Tabs().count(); ++tab)
      if (sheet_->Tabs().tabText(tab) == QStringLiteral("MIDI Options"))
        sheet_->Tabs().setCurrentIndex(tab);
    return dynamic_cast<CMidiOptPage&>(sheet_->Page(sheet_->ActiveIndex()));
  }
  std::string Font(const std::string& name, const std::vector<TinyPreset>& presets) {
    fs::create_directories(fs::path(dir_.File(name)).parent_path());
    WriteFileText(dir_.File(name), TinySoundFontBytes(0.1, presets));
    return dir_.File(name);
  }
};

TEST_F(MidiPageTest, InstalledFontsFillTheFieldOkStoresItCancelDoesNot) {
  const std::string a = Font("fonts/a.sf2", {{0, 0, 0}});
  const std::string b = Font("fonts/kit/b.SF3", {{0, 0, 0}});
  Font("fonts/kit/deeper/c.sf2", {{0, 0, 0}});  // two levels down: not listed
  WriteFileText(dir_.File("fonts/notes.txt"), "not a font");
  CMidiOptPage& page = OpenMidiPage();
  QListWidget* list = page.InstalledFonts();
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(1)->text().toStdString(), a);
  EXPECT_EQ(list->item(2)->text().toStdString(), b);
  list->setCurrentRow(2);
  EXPECT_EQ(page.FontEdit()->text().toStdString(), b);
  const std::string before = FileBytes();
  Cancel();
  EXPECT_EQ(FileBytes(), before);

  OpenMidiPage().InstalledFonts()->setCurrentRow(1);
  ASSERT_TRUE(Ok());
  EXPECT_EQ(Printed()["SoundFontFile"], a);
  CMidiOptPage& again = OpenMidiPage();
  EXPECT_EQ(again.FontEdit()->text().toStdString(), a);
  again.InstalledFonts()->setCurrentRow(0);  // the default: the field empties
  desktop_.chosenFile = b;
  QTest::mouseClick(again.BrowseButton(), Qt::LeftButton);
  EXPECT_EQ(again.FontEdit()->text().toStdString(), b);
  again.FontEdit()->setText(QString::fromStdString(dir_.File("none.sf2")));
  EXPECT_FALSE(Ok());
  EXPECT_EQ(desktop_.shown.back(), "exclamation: The SoundFont \"" + dir_.File("none.sf2") +
                                       "\" cannot be used: No such file or directory.");
}

TEST_F(MidiPageTest, CheckNamesWhatAFontWithoutBank0LacksBeforeConverting) {
  WriteFileText(dir_.File("theme.mid"), SongOf(48));
  CMidiOptPage& page = OpenMidiPage({dir_.File("theme.mid")});
  page.FontEdit()->setText(QString::fromStdString(Font("gs.sf2", {{8, 48, 0}})));
  QTest::mouseClick(page.CheckButton(), Qt::LeftButton);
  EXPECT_NE(page.CheckResult()->toPlainText().toStdString().find(
                "theme.mid: bank 0 program 48 (String Ensemble 1) is played with bank 8 program "
                "48 \"Tiny\""),
            std::string::npos)
      << page.CheckResult()->toPlainText().toStdString();
}

// The amplitudes of 441 Hz and 882 Hz in the first second of `path`'s left
// channel.
std::vector<double> Amplitudes(const std::string& path) {
  const Decoded decoded = DecodeWithFfmpeg(path);
  std::vector<double> left;
  for (int64_t frame = 0; frame < decoded.Frames(); ++frame)
    left.push_back(decoded.samples[static_cast<size_t>(frame * decoded.channels)]);
  if (left.size() < 44100) return {0, 0};
  return FitSineAmplitudes(left, 4410, 44100, decoded.rate, {441, 882});
}

class MidiBatchTest : public MainWindowTest {};

// Each batch renders with the font the options name at its start; one
// lacking the song's instrument is named first, one that cannot be used is
// said, and the batch goes on.
TEST_F(MidiBatchTest, FontChosenBetweenBatchesRendersTheNextOne) {
  WriteFileText(dir_.File("song.mid"), SongOf(0));
  WriteFileText(dir_.File("plain.sf2"), TinySoundFontBytes(0.1, {{0, 0, 0}}));
  WriteFileText(dir_.File("octave.sf2"), TinySoundFontBytes(0.1, {{8, 0, 12}}));
  CConvertDlg& window = OpenWindow();
  settings_.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
  settings_.destSpecifiedFolder = dir_.File("out");
  settings_.browseOutputFolder = 0;
  settings_.outputFormat = FORMAT_WAV;
  settings_.targetExistsOpt = TARGET_OVERWRITE;
  window.AddDropped({dir_.File("song.mid")});
  for (const char* font : {"plain.sf2", "octave.sf2"}) {
    settings_.soundFontFile = dir_.File(font);
    window.ConvertAll();
    const std::vector<double> amplitudes = Amplitudes(dir_.File("out/song.wav"));
    const size_t playing = std::string(font) == "octave.sf2" ? 1 : 0;
    EXPECT_GT(amplitudes[playing], 10 * amplitudes[1 - playing]) << font;
  }
  // A chosen font gone missing: said, and the program's font renders.
  settings_.soundFontFile = dir_.File("gone.sf2");
  window.ConvertAll();
  EXPECT_EQ(window.ListCtrl().CellText(0, CSortListCtrl::COL_STATUS).toStdString(), "song.wav");
  EXPECT_EQ(
      desktop_.shown,
      (std::vector<std::string>{
          "information: The SoundFont lacks instruments these songs use; the nearest "
          "presets it has play them instead:\nsong.mid: bank 0 program 0 (Acoustic Grand "
          "Piano) is played with bank 8 program 0 \"Tiny\"",
          "exclamation: The SoundFont \"" + dir_.File("gone.sf2") +
              "\" chosen on the MIDI page of the options cannot be used: No such file or "
              "directory.\nThe MIDI songs are rendered with ct4mgm.sf2 beside the program."}));
}

}  // namespace
