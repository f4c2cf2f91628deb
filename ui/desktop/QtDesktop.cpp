#include "ui/desktop/QtDesktop.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace {

const QString kCaption = QStringLiteral("Sondrel");

QString Text(const std::string& text) { return QString::fromStdString(text); }

// How long the desktop's opener may take to say whether it found a program.
constexpr int kOpenerAnswerMs = 4000;

// Opens a web address, file or folder with the desktop's opener, xdg-open
// (given the address as one argument, never through a shell), and waits
// briefly for its answer: it fails when no application is set up for that
// kind of file or link, which a detached start would never see. An opener
// still running after the wait has started something (some desktops keep it
// until that program closes) and is left to run. Where there is no
// xdg-open, Qt's own opener decides.
bool OpenThroughDesktop(const QUrl& url) {
  auto* opener = new QProcess(QCoreApplication::instance());
  opener->setProgram(QStringLiteral("xdg-open"));
  opener->setArguments({url.isLocalFile() ? url.toLocalFile() : url.toString()});
  opener->setStandardOutputFile(QProcess::nullDevice());
  opener->setStandardErrorFile(QProcess::nullDevice());
  QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
  opener->start();
  if (!opener->waitForStarted()) {
    opener->deleteLater();
    return QDesktopServices::openUrl(url);
  }
  if (!opener->waitForFinished(kOpenerAnswerMs)) return true;
  return opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
}

}  // namespace

void QtDesktop::Information(const std::string& text) {
  QMessageBox::information(owner_, kCaption, Text(text));
}

void QtDesktop::Exclamation(const std::string& text) {
  QMessageBox::warning(owner_, kCaption, Text(text));
}

bool QtDesktop::YesNo(const std::string& text) {
  return QMessageBox::question(owner_, kCaption, Text(text), QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

void QtDesktop::Error(const std::string& text) {
  QMessageBox::critical(owner_, kCaption, Text(text));
}

bool QtDesktop::OpenUrl(const std::string& url) {
  return OpenThroughDesktop(QUrl::fromUserInput(Text(url)));
}

bool QtDesktop::ShowInFileManager(const std::string& path) {
  // The file manager's own interface opens the folder with the file
  // selected; without one the folder is opened.
  QDBusInterface manager(QStringLiteral("org.freedesktop.FileManager1"),
                         QStringLiteral("/org/freedesktop/FileManager1"),
                         QStringLiteral("org.freedesktop.FileManager1"),
                         QDBusConnection::sessionBus());
  if (manager.isValid()) {
    const QStringList items{QUrl::fromLocalFile(Text(path)).toString()};
    const QDBusMessage reply = manager.call(QStringLiteral("ShowItems"), items, QString());
    if (reply.type() == QDBusMessage::ReplyMessage) return true;
  }
  return OpenFolder(QFileInfo(Text(path)).absolutePath().toStdString());
}

bool QtDesktop::OpenFolder(const std::string& path) {
  return OpenThroughDesktop(QUrl::fromLocalFile(Text(path)));
}

bool QtDesktop::OpenFile(const std::string& path) {
  return OpenThroughDesktop(QUrl::fromLocalFile(Text(path)));
}

std::vector<std::string> QtDesktop::ChooseFiles(QWidget* owner,
                                                const std::vector<std::string>& filters) {
  QStringList qtFilters;
  for (const std::string& filter : filters) qtFilters << Text(filter);
  QString selected = qtFilters.isEmpty() ? QString() : qtFilters.front();
  // Qt's own dialog: it matches patterns regardless of letter case and,
  // with details hidden, shows each filter's text before its last pair of
  // parentheses.
  const QStringList chosen = QFileDialog::getOpenFileNames(
      owner, QString(), QString(), qtFilters.join(QStringLiteral(";;")), &selected,
      QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
  std::vector<std::string> paths;
  for (const QString& path : chosen) paths.push_back(path.toStdString());
  return paths;
}

std::string QtDesktop::ChooseFile(QWidget* owner, const std::string& title,
                                  const std::vector<std::string>& filters,
                                  const std::string& initialPath) {
  QStringList qtFilters;
  for (const std::string& filter : filters) qtFilters << Text(filter);
  QString selected = qtFilters.isEmpty() ? QString() : qtFilters.front();
  const QString chosen = QFileDialog::getOpenFileName(
      owner, Text(title), Text(initialPath), qtFilters.join(QStringLiteral(";;")), &selected,
      QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
  return chosen.toStdString();
}

std::string QtDesktop::ChooseFolder(QWidget* owner, const std::string& title,
                                    const std::string& initialFolder) {
  const QString folder = QFileDialog::getExistingDirectory(owner, Text(title), Text(initialFolder));
  return folder.toStdString();
}
