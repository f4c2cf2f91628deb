// The link labels and the about box, driven with real pointer moves and
// clicks offscreen; colours and underlines are read back from the drawn
// pixels.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

#include "ui/chrome/AboutBox.h"
#include "ui/chrome/LinkLabel.h"
#include "ScriptedDesktop.h"

namespace {

const QColor LINK(0, 0, 238);
const QColor VISITED(85, 26, 139);
const QColor HOVER(255, 0, 0);

// Answers every open with `openSucceeds` and notes whether the wait cursor
// showed at the time.
class RecordingDesktop : public ScriptedDesktop {
 public:
  bool OpenUrl(const std::string& url) override {
    opened.push_back("url: " + url);
    const QCursor* cursor = QApplication::overrideCursor();
    underWaitCursor.push_back(cursor && cursor->shape() == Qt::WaitCursor);
    return openSucceeds;
  }

  bool openSucceeds = true;
  std::vector<bool> underWaitCursor;
};

std::string Name(const QColor& colour) {
  return colour.name().toStdString();
}

// The colour the label draws its text in.
std::string TextColour(const QLabel& label) {
  return Name(label.palette().color(label.foregroundRole()));
}

// The longest horizontal run of pixels drawn exactly in `colour`: an
// underline spans the text, glyph strokes alone are far shorter.
int LongestRun(QWidget& widget, const QColor& colour) {
  const QImage image = widget.grab().toImage();
  int longest = 0;
  for (int y = 0; y < image.height(); ++y) {
    int run = 0;
    for (int x = 0; x < image.width(); ++x) {
      run = QColor(image.pixel(x, y)).rgb() == colour.rgb() ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  return longest;
}

class LinkLabelTest : public ::testing::Test {
 protected:
  LinkLabelTest() {
    window_.resize(420, 140);
    window_.move(50, 50);
  }

  CLinkLabel& Make(const QString& text, const QString& url = QString()) {
    label_ = new CLinkLabel(desktop_, text, &window_, url);
    label_->move(20, 20);
    window_.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
    return *label_;
  }

  int TextWidth() const { return QFontMetrics(label_->font()).horizontalAdvance(label_->text()); }

  RecordingDesktop desktop_;
  QWidget window_;
  CLinkLabel* label_ = nullptr;
};

// Underline mode, underlined at rest, underlined under the pointer.
struct HoverCase {
  int mode;
  bool restUnderlined, hoverUnderlined;
};

class LinkLabelHoverTest : public LinkLabelTest, public ::testing::WithParamInterface<HoverCase> {};

TEST_P(LinkLabelHoverTest, PointerOverTheLabelRecoloursItUntilItLeaves) {
  const HoverCase& row = GetParam();
  CLinkLabel& label = Make(QStringLiteral("Feedback and Support"), QStringLiteral("mailto:x@y.z"));
  label.SetUnderline(row.mode);
  EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(label.toolTip(), QStringLiteral("mailto:x@y.z"));
  auto expectLook = [&](const QColor& colour, bool underlined, const char* when) {
    EXPECT_EQ(TextColour(label), Name(colour)) << when;
    EXPECT_EQ(label.font().underline(), underlined) << when;
    if (underlined)
      EXPECT_GE(LongestRun(label, colour), TextWidth() * 8 / 10) << when << ": no underline drawn";
    else
      EXPECT_LT(LongestRun(label, colour), TextWidth() / 2) << when << ": underline drawn";
  };
  expectLook(LINK, row.restUnderlined, "at rest");

  QTest::mouseMove(&label, label.rect().center());
  EXPECT_TRUE(label.IsHovering());
  expectLook(HOVER, row.hoverUnderlined, "under the pointer");
  QTest::qWait(2 * CLinkLabel::HOVER_CHECK_MS);  // still over it: the checks keep the look
  expectLook(HOVER, row.hoverUnderlined, "still under the pointer");

  QTest::mouseMove(&window_, QPoint(400, 130));
  QElapsedTimer clock;
  clock.start();
  while (label.IsHovering() && clock.elapsed() < 2000) QTest::qWait(5);
  EXPECT_FALSE(label.IsHovering());
  EXPECT_LE(clock.elapsed(), 3 * CLinkLabel::HOVER_CHECK_MS) << "resting look came back late";
  expectLook(LINK, row.restUnderlined, "after leaving");
}

INSTANTIATE_TEST_SUITE_P(Modes, LinkLabelHoverTest,
                         ::testing::Values(HoverCase{CLinkLabel::UNDERLINE_HOVER, false, true},
                                           HoverCase{CLinkLabel::UNDERLINE_NEVER, false, false},
                                           HoverCase{CLinkLabel::UNDERLINE_ALWAYS, true, true}));

// Whether the desktop opens the target, the messages shown, the colour
// after the click.
struct ClickCase {
  bool opens;
  std::vector<std::string> shown;
  QColor colour;
};

class LinkLabelClickTest : public LinkLabelTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(LinkLabelClickTest, ClickOpensTheTargetOrSaysWhyNot) {
  const ClickCase& row = GetParam();
  desktop_.openSucceeds = row.opens;
  CLinkLabel& label = Make(QStringLiteral("Home"), QStringLiteral("https://sondrel.example/"));
  QTest::mouseMove(&label, label.rect().center());
  QTest::mouseClick(&label, Qt::LeftButton);
  EXPECT_EQ(desktop_.opened, std::vector<std::string>{"url: https://sondrel.example/"});
  EXPECT_EQ(desktop_.shown, row.shown);
  EXPECT_EQ(label.IsVisited(), row.opens);
  EXPECT_EQ(TextColour(label), Name(row.colour));
}

INSTANTIATE_TEST_SUITE_P(Results, LinkLabelClickTest,
                         ::testing::Values(ClickCase{true, {}, VISITED},
                                           ClickCase{false,
                                                     {"exclamation: Unable to open hyperlink:\n\n"
                                                      "There is no application associated\n"
                                                      "with the given filename extension."},
                                                     LINK}));

TEST_F(LinkLabelTest, UnlistedResultCodesAreNamedByNumber) {
  EXPECT_EQ(HyperlinkErrorText(33), "Unknown Error (33) occurred.");
  EXPECT_EQ(HyperlinkErrorText(-1), "Unknown Error (-1) occurred.");
}

TEST_F(LinkLabelTest, TextAndTargetStandInForEachOther) {
  CLinkLabel& textOnly = Make(QStringLiteral("https://example.org/a b"));
  EXPECT_EQ(textOnly.toolTip(), QStringLiteral("https://example.org/a b"));
  QTest::mouseClick(&textOnly, Qt::LeftButton);
  CLinkLabel& urlOnly = Make(QString(), QStringLiteral("mailto:a@b.c"));
  EXPECT_EQ(urlOnly.text(), QStringLiteral("mailto:a@b.c"));
  QTest::mouseClick(&urlOnly, Qt::LeftButton);
  EXPECT_EQ(desktop_.opened,
            (std::vector<std::string>{"url: https://example.org/a b", "url: mailto:a@b.c"}));
}

// The label's alignment and which of its points a fit to a shorter text
// keeps: 0 the left edge, 1 the centre, 2 the right edge; and whether it
// keeps its vertical centre rather than its top edge.
struct FitCase {
  Qt::Alignment alignment;
  int keptPoint;
  bool keepsVerticalCentre;
};

class LinkLabelFitTest : public LinkLabelTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(LinkLabelFitTest, FittingToAShorterTextKeepsTheAlignedPoint) {
  const FitCase& row = GetParam();
  CLinkLabel& label = Make(QStringLiteral("A rather long link text"));
  label.setAlignment(row.alignment);
  const QRect before(100, 30, 300, 60);
  label.setGeometry(before);
  label.setText(QStringLiteral("Short"));
  label.SetURL(QStringLiteral("https://example.org/"));
  const QRect after = label.geometry();
  EXPECT_GE(after.width(), TextWidth());
  EXPECT_LT(after.width(), before.width());
  EXPECT_GE(after.height(), QFontMetrics(label.font()).height());
  EXPECT_LT(after.height(), before.height());
  auto point = [&](const QRect& rect) {
    return row.keptPoint == 0 ? rect.left() : row.keptPoint == 1 ? rect.center().x() : rect.right();
  };
  EXPECT_NEAR(point(after), point(before), 1);
  if (row.keepsVerticalCentre)
    EXPECT_NEAR(after.center().y(), before.center().y(), 1);
  else
    EXPECT_EQ(after.top(), before.top());
}

INSTANTIATE_TEST_SUITE_P(Alignments, LinkLabelFitTest,
                         ::testing::Values(FitCase{Qt::AlignLeft | Qt::AlignTop, 0, false},
                                           FitCase{Qt::AlignHCenter | Qt::AlignTop, 1, false},
                                           FitCase{Qt::AlignRight | Qt::AlignTop, 2, false},
                                           FitCase{Qt::AlignCenter, 1, true}));

TEST(AboutBoxTest, ShowsTheVersionAndOpensItsTargets) {
  RecordingDesktop desktop;
  CAboutBox box(nullptr, desktop);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  EXPECT_EQ(box.windowTitle(), QStringLiteral("About"));
  EXPECT_EQ(box.VersionLine()->text(), QStringLiteral("Sondrel v2.4 build 775"));
  EXPECT_EQ(box.Icon()->pixmap().size(), QSize(48, 48)) << "the program icon is not embedded";

  const std::vector<std::pair<CLinkLabel*, const char*>> links = {
      {box.HomePageLink(), "Visit Sondrel Homepage"},
      {box.FeedbackLink(), "Feedback and Support"},
      {box.EncoderLink(), "The program uses LAME MP3 encoder"}};
  for (const auto& [link, text] : links) {
    EXPECT_EQ(link->text(), QString::fromUtf8(text));
    EXPECT_EQ(link->toolTip(), link->URL());
    EXPECT_TRUE(link->font().underline()) << text;
    QTest::mouseClick(link, Qt::LeftButton);
  }
  box.CheckUpdatesButton()->click();
  box.TellAFriendButton()->click();
  EXPECT_EQ(desktop.opened,
            (std::vector<std::string>{
                "url: https://sondrel.example/", "url: mailto:support@sondrel.example",
                "url: https://lame.sourceforge.io/",
                "url: https://sondrel.example/latest?ver=2.4&build=775",
                "url: mailto:?subject=Sondrel%20-%20very%20COOL%20application%21%21%21"
                "&body=Download%20from%20https%3A%2F%2Fsondrel.example%2F"}));
  EXPECT_EQ(desktop.underWaitCursor, (std::vector<bool>{false, false, false, true, true}));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(desktop.shown.empty());
}

}  // namespace
