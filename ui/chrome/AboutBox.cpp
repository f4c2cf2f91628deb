#include "ui/chrome/AboutBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/WebLinks.h"
#include "ui/chrome/LinkLabel.h"
#include "ui/chrome/ProductLinks.h"
#include "ui/chrome/SkinArt.h"

namespace {

constexpr const char* ENCODER_SITE_URL = "https://lame.sourceforge.io/";

QString Text(const char* text) {
  return QString::fromUtf8(text);
}

}  // namespace

CAboutBox::CAboutBox(QWidget* parent, Desktop& desktop) : QDialog(parent) {
  setWindowTitle(tr("About"));
  setModal(true);

  icon_ = new QLabel(this);
  icon_->setPixmap(ApplicationIcon().pixmap(48, 48));
  icon_->setAlignment(Qt::AlignTop);
  version_ = new QLabel(this);
  version_->setText(QStringLiteral("%1 v%2").arg(
      QStringLiteral("Sondrel"),
      //: The version line of the about box: "Sondrel v1.2 build 345".
      tr("%1 build %2").arg(Text(PRODUCT_VERSION), Text(PRODUCT_BUILD))));
  QFont bold = version_->font();
  bold.setBold(true);
  version_->setFont(bold);

  // Each link: its text, then its target, then always underlined.
  auto makeLink = [this, &desktop](const QString& text, const std::string& url) {
    auto* link = new CLinkLabel(desktop, text, this);
    link->SetURL(QString::fromStdString(url));
    link->SetUnderline(CLinkLabel::UNDERLINE_ALWAYS);
    return link;
  };
  homePage_ = makeLink(tr("Visit %1 Homepage").arg(QStringLiteral("Sondrel")), HOME_PAGE_URL);
  feedback_ = makeLink(tr("Feedback and Support"), SupportMailLink());
  encoder_ = makeLink(tr("The program uses LAME MP3 encoder"), ENCODER_SITE_URL);

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setDefault(true);
  checkUpdates_ = new QPushButton(tr("&Check Updates"), this);
  checkUpdates_->setAutoDefault(false);
  tellAFriend_ = new QPushButton(tr("Tell a Friend"), this);
  tellAFriend_->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(checkUpdates_, &QPushButton::clicked, this,
          [&desktop] { OpenUnderWaitCursor(desktop, UpdateCheckLink()); });
  connect(tellAFriend_, &QPushButton::clicked, this,
          [&desktop] { OpenUnderWaitCursor(desktop, TellAFriendLink()); });

  auto* lines = new QVBoxLayout;
  lines->addWidget(version_);
  lines->addSpacing(8);
  for (CLinkLabel* link : {homePage_, feedback_, encoder_})
    lines->addWidget(link, 0, Qt::AlignLeft);
  auto* top = new QHBoxLayout;
  top->addWidget(icon_, 0, Qt::AlignTop);
  top->addSpacing(12);
  top->addLayout(lines, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {ok, checkUpdates_, tellAFriend_}) buttons->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(12);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}
