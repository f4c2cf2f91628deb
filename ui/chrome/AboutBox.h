#pragma once

#include <QDialog>

class CLinkLabel;
class Desktop;
class QLabel;
class QPushButton;

// The modal "About" box: the program icon, the name with version and
// build, links to the home page, the support address and the MP3 encoder's
// project (always underlined), and the buttons OK, Check Updates and Tell a
// Friend, which open the same pages as the Help menu's commands.
class CAboutBox : public QDialog {
  Q_OBJECT

 public:
  CAboutBox(QWidget* parent, Desktop& desktop);

  QLabel* Icon() const { return icon_; }
  QLabel* VersionLine() const { return version_; }
  CLinkLabel* HomePageLink() const { return homePage_; }
  CLinkLabel* FeedbackLink() const { return feedback_; }
  CLinkLabel* EncoderLink() const { return encoder_; }
  QPushButton* CheckUpdatesButton() const { return checkUpdates_; }
  QPushButton* TellAFriendButton() const { return tellAFriend_; }

 private:
  QLabel* icon_;
  QLabel* version_;
  CLinkLabel* homePage_;
  CLinkLabel* feedback_;
  CLinkLabel* encoder_;
  QPushButton* checkUpdates_;
  QPushButton* tellAFriend_;
};
