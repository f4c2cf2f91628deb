// Every shipped language, loaded as the program loads it: the main window,
// each page of the options sheet, the about box, the tag editor and the
// progress window show each text of a label, button, group box title, tab
// and list column whole within its rectangle. A failure names the window,
// the control and the text, so that a translator can shorten it or the
// layout can make room.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionHeader>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeWidget>

#include "app/TagPreset.h"
#include "support/ProgramFolder.h"
#include "ui/chrome/AboutBox.h"
#include "ui/chrome/SkinButton.h"
#include "ui/converting/ConvertProgressDlg.h"
#include "ui/options/OptPage.h"
#include "ui/options/OptSheet.h"
#include "ui/options/TagEditDlg.h"
#include "MainWindowFixture.h"

namespace {

QString Shown(QString text) {
  return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
      .remove(QLatin1Char('&'))
      .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The widest line of `text` in `font`.
int TextWidth(const QFont& font, const QString& text) {
  int widest = 0;
  for (const QString& line : Shown(text).split(QLatin1Char('\n')))
    widest = std::max(widest, QFontMetrics(font).horizontalAdvance(line));
  return widest;
}

// The area of `widget` that its ancestors up to its window leave in sight,
// in the widget's own coordinates.
QRect InSight(const QWidget& widget) {
  QRect seen = widget.rect();
  QPoint offset;
  for (const QWidget* child = &widget; !child->isWindow(); child = child->parentWidget()) {
    offset += child->pos();
    seen = seen.translated(child->pos()) & child->parentWidget()->rect();
  }
  return seen.translated(-offset);
}

// The room a control's text is drawn in, and whether it wraps there.
int TextRoom(const QWidget& widget, const QString& text, bool* wraps) {
  *wraps = false;
  if (auto* skin = qobject_cast<const CSkinButton*>(&widget)) {
    *wraps = skin->WrapsText();
    return skin->width() - 2;
  }
  if (auto* label = qobject_cast<const QLabel*>(&widget)) {
    *wraps = label->wordWrap();
    return label->contentsRect().width() - 2 * label->margin() - std::max(label->indent(), 0);
  }
  if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    const QStyle::SubElement contents =
        qobject_cast<const QCheckBox*>(button)      ? QStyle::SE_CheckBoxContents
        : qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                    : QStyle::SE_PushButtonContents;
    return button->style()->subElementRect(contents, &option, button).width();
  }
  return widget.width();
}

// What of `window` does not fit: one line per control.
std::vector<std::string> CutOff(QWidget& window) {
  std::vector<std::string> faults;
  auto fault = [&](const QWidget& widget, const QString& text, int needed, int room) {
    faults.push_back(window.metaObject()->className() + std::string(" ") +
                     widget.metaObject()->className() + " \"" + text.toStdString() + "\" needs " +
                     std::to_string(needed) + " px, has " + std::to_string(room));
  };
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(&window)) continue;
    QString text;
    QFont font = widget->font();
    if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
    if (auto* skin = qobject_cast<CSkinButton*>(widget)) font = skin->TextFont();
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
      QStyleOptionGroupBox option;
      option.initFrom(box);
      option.text = box->title();
      option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
      if (box->isCheckable()) option.subControls |= QStyle::SC_GroupBoxCheckBox;
      const QRect title =
          box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
      const int room = std::min(box->width(), InSight(*box).width());
      if (title.right() + 1 > room) fault(*box, box->title(), title.right() + 1, room);
    }
    if (auto* bar = qobject_cast<QTabBar*>(widget)) {
      const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
      for (int tab = 0; tab < bar->count(); ++tab) {
        const int needed = TextWidth(bar->font(), bar->tabText(tab)) + space;
        const QRect place = bar->tabRect(tab);
        if (place.width() < needed || !InSight(*bar).contains(place))
          fault(*bar, bar->tabText(tab), needed, (place & InSight(*bar)).width());
      }
    }
    if (auto* header = qobject_cast<QHeaderView*>(widget)) {
      // The title as the list draws it: elided to the section less the
      // style's margins.
      for (int section = 0; section < header->count(); ++section) {
        QStyleOptionHeader option;
        option.initFrom(header);
        option.rect = QRect(0, 0, header->sectionSize(section), header->height());
        option.text = header->model()->headerData(section, header->orientation()).toString();
        const QRect room = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header);
        const QString shown = header->fontMetrics().elidedText(option.text, header->textElideMode(),
                                                               room.width(), Qt::TextShowMnemonic);
        if (shown != option.text)
          fault(*header, option.text, TextWidth(header->font(), option.text), room.width());
      }
    }
    if (text.isEmpty()) continue;
    bool wraps = false;
    const int hidden = widget->width() - InSight(*widget).width();
    const int room = TextRoom(*widget, text, &wraps) - hidden;
    if (wraps) {
      // Broken at spaces, each word fits the width and the lines the height.
      const auto* label = qobject_cast<const QLabel*>(widget);
      const QRect lines = QFontMetrics(font).boundingRect(
          QRect(0, 0, room, 100000), Qt::AlignCenter | Qt::TextWordWrap, Shown(text));
      const int height = label ? label->heightForWidth(label->width()) : lines.height();
      if (lines.width() > room || height > InSight(*widget).height())
        fault(*widget, text, height, InSight(*widget).height());
      continue;
    }
    const int needed = TextWidth(font, text);
    if (needed > room) fault(*widget, text, needed, room);
  }
  return faults;
}

// The window in one language: the program's translation and Qt's, loaded
// from where the program loads them.
class TranslationFit : public MainWindowTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    const QString code = QString::fromLatin1(GetParam());
    if (code == QLatin1String("en")) return;
    ASSERT_TRUE(sondrel_.load(QStringLiteral("sondrel_") + code,
                              QString::fromStdString(BuildProgramFolder() + "translations")))
        << "no sondrel_" << GetParam() << ".qm was built";
    QApplication::installTranslator(&sondrel_);
    if (qt_.load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      QApplication::installTranslator(&qt_);
  }
  void TearDown() override {
    QApplication::removeTranslator(&sondrel_);
    QApplication::removeTranslator(&qt_);
  }

  // Shows `window` laid out, and answers what of it does not fit.
  static std::vector<std::string> ShowAndCheck(QWidget& window) {
    window.show();
    QApplication::processEvents();
    return CutOff(window);
  }

  QTranslator sondrel_;
  QTranslator qt_;
};

TEST_P(TranslationFit, EveryTextOfTheWindowsShowsWhole) {
  std::vector<std::string> faults;
  auto add = [&faults](std::vector<std::string> more) {
    faults.insert(faults.end(), more.begin(), more.end());
  };
  CConvertDlg& window = OpenWindow();
  add(ShowAndCheck(window));

  COptSheet sheet(&window, settings_, root_, desktop_);
  for (int page = 0; page < sheet.Tabs().count(); ++page) {
    sheet.Tabs().setCurrentIndex(page);
    ASSERT_EQ(sheet.Tabs().currentIndex(), page) << "the sheet refused to leave a page";
    add(ShowAndCheck(sheet));
  }
  CAboutBox about(&window, desktop_);
  add(ShowAndCheck(about));
  CTagEditDlg tags(&window, TagPreset(), true, desktop_);
  add(ShowAndCheck(tags));
  CConvertProgressDlg progress(&window, window.ListCtrl(), 2);
  progress.Begin(2);
  add(ShowAndCheck(progress));
  progress.Finish();

  std::string report;
  for (const std::string& line : faults) report += "\n  " + line;
  EXPECT_TRUE(faults.empty()) << "texts cut off in " << GetParam() << ":" << report;
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFit,
                         ::testing::Values("en", "de", "fr", "es", "it", "pt_BR", "pl", "ja",
                                           "zh_CN"),
                         [](const auto& row) { return std::string(row.param); });

}  // namespace
