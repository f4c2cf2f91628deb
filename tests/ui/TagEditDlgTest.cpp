// The tag editor: what a preset shows, what OK hands back, what Cancel and
// a refused track number leave alone, and the genre list.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QTest>

#include <set>

#include "source/Genres.h"
#include "ui/options/SpinStepCtrl.h"
#include "ui/options/TagEditDlg.h"
#include "ui/options/TagSection.h"
#include "OptionsFixture.h"
#include "ScriptedDesktop.h"

namespace {

TagPreset FilledPreset() {
  TagPreset preset;
  preset.titleAsFileName = 0;
  preset.title = "Evening Rain";
  preset.artist = "Ann";
  preset.album = "Harbour";
  preset.year = "1999";
  preset.genre = "Jazz";
  preset.comment = "live";
  preset.composer = "Bo";
  preset.copyright = "(c) Ann";
  preset.trackNumType = TRACK_NUM_SEQUENCE;
  preset.customTrackNum = 7;
  return preset;
}

void Type(QWidget* edit, const char* text) {
  if (auto* line = qobject_cast<QLineEdit*>(edit)) line->selectAll();
  QTest::keyClicks(edit, QString::fromUtf8(text));
}

// One row: the preset as the page holds it, edits through the dialog's
// controls, then OK (or Cancel), and the preset the page ends with.
struct TagRow {
  const char* name;
  void (*given)(TagPreset& preset);
  bool showCopyright;
  void (*edit)(CTagEditDlg& dialog);
  bool ok;              // press OK (else Cancel)
  const char* message;  // OK refused with this exclamation ("" none)
  void (*expected)(TagPreset& preset);
};

void Same(TagPreset&) {}

class TagEditDlgTest : public ::testing::TestWithParam<TagRow> {
 protected:
  ScriptedDesktop desktop_;
};

TEST_P(TagEditDlgTest, OkHandsBackTheEditsCancelAndRefusalsKeepThePreset) {
  const TagRow& row = GetParam();
  TagPreset given = FilledPreset();
  row.given(given);
  CTagEditDlg dialog(nullptr, given, row.showCopyright, desktop_);
  dialog.show();
  row.edit(dialog);
  if (row.ok) {
    dialog.accept();
  } else {
    dialog.reject();
  }
  TagPreset expected = given;
  row.expected(expected);
  const bool refused = row.message[0] != '\0';
  EXPECT_EQ(dialog.isVisible(), refused);
  EXPECT_EQ(dialog.result(), row.ok && !refused ? QDialog::Accepted : QDialog::Rejected);
  EXPECT_TRUE(dialog.Result() == expected);
  EXPECT_EQ(dialog.Result().title, expected.title);
  EXPECT_EQ(dialog.Result().genre, expected.genre);
  EXPECT_EQ(dialog.Result().trackNumType, expected.trackNumType);
  if (refused) {
    ASSERT_EQ(desktop_.shown.size(), 1u);
    EXPECT_EQ(desktop_.shown[0], std::string("exclamation: ") + row.message);
    // A disabled number box cannot take the focus.
    if (dialog.TrackNumber()->isEnabled()) {
      EXPECT_EQ(dialog.focusWidget(), dialog.TrackNumber());
    }
  } else {
    EXPECT_TRUE(desktop_.shown.empty());
  }
}

const TagRow kTagRows[] = {
    {"UnknownTrackTypeOpensOnNone", [](TagPreset& p) { p.trackNumType = 5; }, true,
     [](CTagEditDlg& d) {
       EXPECT_TRUE(d.TrackRadio(TRACK_NUM_NONE)->isChecked());
       EXPECT_FALSE(d.TrackNumber()->isEnabled());
     },
     true, "", [](TagPreset& p) { p.trackNumType = TRACK_NUM_NONE; }},
    {"TitleAsFileNameKeepsTheTitle", Same, true,
     [](CTagEditDlg& d) {
       d.TitleAsFileName()->click();
       EXPECT_FALSE(d.Text("title")->isEnabled());
       EXPECT_EQ(d.Text("title")->text(), QStringLiteral("Evening Rain"));
     },
     true, "", [](TagPreset& p) { p.titleAsFileName = 1; }},
    {"TextsAsTyped", Same, true,
     [](CTagEditDlg& d) {
       Type(d.Text("artist"), "Bo & Ann");
       Type(d.Text("year"), "late 90s");
       // Typed with the focus in the box, as a user types.
       d.activateWindow();
       EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
       d.Genre()->setFocus();
       d.Genre()->clearEditText();
       Type(d.Genre(), "trip");
     },
     true, "",
     [](TagPreset& p) {
       p.artist = "Bo & Ann";
       p.year = "late 90s";
       p.genre = "trip";
     }},
    {"GenreNotInTheList", [](TagPreset& p) { p.genre = "Sea Shanty"; }, true,
     [](CTagEditDlg& d) { EXPECT_EQ(d.Genre()->currentText(), QStringLiteral("Sea Shanty")); },
     true, "", Same},
    {"M4aHasNoCopyrightRow", Same, false,
     [](CTagEditDlg& d) {
       EXPECT_TRUE(d.Text("copyright")->isHidden());
       Type(d.Text("album"), "Pier");
     },
     true, "", [](TagPreset& p) { p.album = "Pier"; }},
    {"CustomNumber", Same, true,
     [](CTagEditDlg& d) {
       d.TrackRadio(TRACK_NUM_CUSTOM)->click();
       EXPECT_TRUE(d.TrackNumber()->isEnabled());
       EXPECT_EQ(d.focusWidget(), d.TrackNumber());
       d.TrackNumber()->selectAll();
       QTest::keyClicks(d.TrackNumber(), QStringLiteral("255"));
     },
     true, "",
     [](TagPreset& p) {
       p.trackNumType = TRACK_NUM_CUSTOM;
       p.customTrackNum = 255;
     }},
    {"CustomNumberAbove255", Same, true,
     [](CTagEditDlg& d) {
       d.TrackRadio(TRACK_NUM_CUSTOM)->click();
       d.TrackNumber()->selectAll();
       QTest::keyClicks(d.TrackNumber(), QStringLiteral("300"));
     },
     true, "Please enter an integer between 0 and 255.", Same},
    {"StoredNumberAbove255WhileDisabled", [](TagPreset& p) { p.customTrackNum = 1000; }, true,
     [](CTagEditDlg&) {}, true, "Please enter an integer between 0 and 255.", Same},
    {"CancelAfterEditing", Same, true,
     [](CTagEditDlg& d) {
       Type(d.Text("comment"), "changed");
       d.TitleAsFileName()->click();
       d.TrackRadio(TRACK_NUM_NONE)->click();
       Type(d.Genre(), "Rock");
     },
     false, "", Same},
};

INSTANTIATE_TEST_SUITE_P(Rows, TagEditDlgTest, ::testing::ValuesIn(kTagRows),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(TagEditDlgGenres, ListHoldsEveryGenreNameSorted) {
  ScriptedDesktop desktop;
  CTagEditDlg dialog(nullptr, TagPreset(), true, desktop);
  QComboBox& genres = *dialog.Genre();
  ASSERT_EQ(genres.count(), GENRE_COUNT);
  std::set<std::string> listed;
  for (int index = 0; index < genres.count(); ++index) {
    listed.insert(genres.itemText(index).toStdString());
    if (index > 0) {
      EXPECT_LE(genres.itemText(index - 1).compare(genres.itemText(index), Qt::CaseInsensitive), 0)
          << genres.itemText(index).toStdString();
    }
  }
  EXPECT_EQ(listed, std::set<std::string>(GENRE_NAMES, GENRE_NAMES + GENRE_COUNT));
}

// The page's copy of the preset changes only when the editor ends with OK.
TEST(TagEditDlgFromPage, PagePresetTakesTheEditsOnlyOnOk) {
  ScriptedDesktop desktop;
  TagSection section(
      nullptr, {"Add &ID3 tag", "T&ransfer ID3 tag from source file", "&None", "Edit ID3 &tag"},
      true, desktop);
  section.Load(TAG_FROM_PRESET, FilledPreset());
  for (const bool ok : {false, true}) {
    OnNextModal([ok](QWidget* modal) {
      auto* dialog = qobject_cast<CTagEditDlg*>(modal);
      if (!dialog) return;
      dialog->Text("artist")->setText(QStringLiteral("Cy"));
      if (ok) {
        dialog->accept();
      } else {
        dialog->reject();
      }
    });
    section.EditButton()->click();
    EXPECT_EQ(section.Preset().artist, ok ? "Cy" : "Ann");
  }
}

}  // namespace
