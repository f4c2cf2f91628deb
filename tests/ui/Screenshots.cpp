// Takes the README's screenshots of the real windows: run under a display
// server (scripts/screenshots.sh starts one with xvfb-run), with the folder
// to write the PNG files to as its argument. The list is filled with files
// made here: a MIDI song, MP3, OGG, FLAC and WAV files.

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <memory>
#include <utility>

#include "app/ConvertSettings.h"
#include "app/EngineStartup.h"
#include "codecs/readers/ProgramReaders.h"
#include "convert/ConversionJob.h"
#include "platform/settings/IniSettingsKey.h"
#include "source/OpenSource.h"
#include "support/AudioFixtures.h"
#include "support/MidiFixtures.h"
#include "support/ProgramFolder.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"
#include "ui/adding/AddProgressDlg.h"
#include "ui/app/Language.h"
#include "ui/chrome/AboutBox.h"
#include "ui/converting/ConvertProgressDlg.h"
#include "ui/desktop/QtDesktop.h"
#include "ui/desktop/TranslatedPrompter.h"
#include "ui/desktop/SondrelStyle.h"
#include "ui/main/ConvertDlg.h"
#include "ui/main/SortListCtrl.h"
#include "ui/options/OptPage.h"
#include "ui/options/OptSheet.h"
#include "ui/options/TagEditDlg.h"

namespace {

// Saves the screen area `area` as `name` in `folder`.
bool Save(const QString& folder, const char* name, const QRect& area) {
  QApplication::processEvents();
  const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(),
                                                                    area.width(), area.height());
  const QString path = folder + QLatin1Char('/') + QString::fromLatin1(name);
  const bool saved = shot.save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", path.toStdString().c_str());
  return saved;
}

// Lets the window system deliver what is pending (pointer moves, pop-ups)
// for `ms` milliseconds.
void Settle(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QApplication::processEvents();
}

bool Tool(const std::string& program, const std::vector<std::string>& args) {
  return RunProcess(program, args).exitCode == 0;
}

// The songs of the list, made from sines and one MIDI song.
std::vector<std::string> MakeSongs(const TempDir& dir) {
  const std::string wav = dir.File("source.wav");
  WriteWav16(wav, 44100, 2, SineWave(44100 * 40, 2, 44100, 440, 0.3));
  std::vector<std::string> songs;
  auto add = [&](const std::string& name, const std::string& program,
                 std::vector<std::string> args) {
    args.push_back(dir.File(name));
    if (Tool(program, args)) songs.push_back(dir.File(name));
  };
  WriteFileText(dir.File("Prelude in C.mid"), OneNoteSong(500000, 150));
  songs.push_back(dir.File("Prelude in C.mid"));
  add("Evening Rain.mp3", "lame", {"--quiet", "-b", "192", wav});
  add("Harbour Lights.ogg", "ffmpeg", {"-v", "error", "-i", wav, "-c:a", "libvorbis", "-q:a", "5"});
  add("Field Recording.flac", "ffmpeg", {"-v", "error", "-i", wav, "-ar", "48000", "-ac", "1"});
  const std::string memo = dir.File("Voice Memo.wav");
  WriteWav16(memo, 22050, 1, SineWave(22050 * 75, 1, 22050, 300, 0.3));
  songs.push_back(memo);
  const std::string concert = dir.File("Live Concert.wav");
  WriteWav16(concert, 44100, 2, SineWave(44100 * 240, 2, 44100, 220, 0.3));
  songs.push_back(concert);
  return songs;
}

// An OGG whose last two thirds are random bytes: it is added like any
// other, and its conversion fails with the place of the damage.
std::string MakeDamagedSong(const TempDir& dir) {
  const std::string path = dir.File("Old Cassette.ogg");
  if (!Tool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "anoisesrc=c=pink:d=20:s=7", "-ac", "2",
                       path}))
    return std::string();
  const auto size = std::filesystem::file_size(path);
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  std::mt19937 random(7);
  file.seekp(static_cast<std::streamoff>(size / 3));
  for (auto at = size / 3; at < size; ++at) file.put(static_cast<char>(random()));
  return path;
}

// The status of a file converting, in the language shown ("Converting...").
QString ConvertingStatus() {
  return QString::fromStdString(CoreText(STATUS_CONVERTING));
}

// The rows whose status shows them converting.
int RowsConverting(CSortListCtrl& list) {
  int converting = 0;
  for (int row = 0; row < list.RowCount(); ++row)
    if (list.CellText(row, CSortListCtrl::COL_STATUS).startsWith(ConvertingStatus())) ++converting;
  return converting;
}

// Takes the grown window converting three files at a time, then with the
// run's summary and a failed row's reason in its tooltip and in the "Why
// did this fail?" message.
bool ShootGrownWindow(const QString& folder, CConvertDlg& window, ConvertSettings& settings,
                      const TempDir& dir, const std::string& album) {
  bool ok = true;
  window.RemoveAll();
  window.resize(1000, 660);
  // A user gives part of the File column's extra width to the Folder column.
  CSortListCtrl& columns = window.ListCtrl();
  const int moved = columns.columnWidth(CSortListCtrl::COL_FILE) - 170;
  columns.setColumnWidth(CSortListCtrl::COL_FILE, 170);
  columns.setColumnWidth(CSortListCtrl::COL_FOLDER,
                         columns.columnWidth(CSortListCtrl::COL_FOLDER) + moved);
  settings.convertJobs = 3;
  std::vector<std::string> files;
  for (int track = 1; track <= 9; ++track) {
    char name[64];
    std::snprintf(name, sizeof name, "/Track %02d.wav", track);
    files.push_back(album + name);
  }
  window.AddDropped(files);
  window.AddDropped({MakeDamagedSong(dir), dir.File("Evening Rain.mp3"),
                     dir.File("Harbour Lights.ogg"), dir.File("Voice Memo.wav")});
  bool batchShot = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (batchShot || RowsConverting(window.ListCtrl()) < 3 ||
        window.ListCtrl()
                .CellText(0, CSortListCtrl::COL_STATUS)
                .mid(ConvertingStatus().size() + 1)
                .chopped(1)
                .toInt() < 30)
      return;
    batchShot = true;
    ok = Save(folder, "main-window-batch.png", window.frameGeometry()) && ok;
  });
  poll.start(20);
  window.ConvertAll();
  poll.stop();
  ok = ok && batchShot;
  ok = Save(folder, "main-window-grown.png", window.frameGeometry()) && ok;

  CSortListCtrl& list = window.ListCtrl();
  int failed = -1;
  for (int row = 0; row < list.RowCount(); ++row)
    if (!list.EntryAt(row)->reason.empty()) failed = row;
  if (failed < 0) return false;
  list.setCurrentItem(list.topLevelItem(failed));
  const QRect cell = list.visualRect(list.model()->index(failed, CSortListCtrl::COL_STATUS));
  const QPoint at = list.viewport()->mapToGlobal(QPoint(cell.left() + 20, cell.center().y()));
  QCursor::setPos(at);
  QToolTip::showText(at, list.topLevelItem(failed)->toolTip(CSortListCtrl::COL_STATUS), &list);
  Settle(300);
  QRect area = window.frameGeometry();
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->isVisible() && widget->inherits("QTipLabel")) area = area.united(widget->geometry());
  ok = Save(folder, "main-window-failed-row.png", area) && ok;
  QToolTip::hideText();
  QCursor::setPos(window.frameGeometry().bottomRight() + QPoint(20, 20));

  bool whyShot = false;
  QTimer::singleShot(300, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      whyShot = Save(folder, "why-did-this-fail.png", window.frameGeometry());
      box->accept();
    }
  });
  window.ExplainFailure();
  return ok && whyShot;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setStyle(new SondrelStyle);
  // In the desktop's language, as the program starts (LANG=de_DE.UTF-8).
  const InstalledLanguage language = InstallLanguage(BuildProgramFolder());
  if (argc < 2) {
    std::fprintf(stderr, "usage: sondrel-screenshots FOLDER\n");
    return 2;
  }
  const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  QDir().mkpath(folder);

  TempDir dir;
  IniSettingsRoot root(dir.File("Sondrel.conf"));
  root.CreateKey("Options")->WriteNumber("FirstRun", 0);
  ConvertSettings settings(dir.File("docs"));
  EngineSession engine(BuildProgramFolder());
  const SourceReaders readers = ProgramReaders();
  QtDesktop desktop;
  CConvertDlg window(settings, root, engine, desktop,
                     [&readers](const std::string& path, int32_t kind) {
                       return OpenSource(path, kind, 0, false, readers);
                     });
  desktop.SetOwner(&window);
  settings.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
  settings.destSpecifiedFolder = dir.File("out");
  settings.browseOutputFolder = 0;
  std::filesystem::create_directories(dir.File("out"));
  window.move(40, 40);
  window.show();

  // The add window, while a folder of forty tracks is added.
  const std::string album = dir.File("Album");
  std::filesystem::create_directories(album);
  for (int track = 1; track <= 40; ++track) {
    char name[64];
    std::snprintf(name, sizeof name, "/Track %02d.wav", track);
    WriteWav16(album + name, 44100, 2, SineWave(44100 * 30, 2, 44100, 200 + 10 * track, 0.3));
  }
  bool ok = true;
  bool addShot = false;
  QTimer addPoll;
  QObject::connect(&addPoll, &QTimer::timeout, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* adding = qobject_cast<CAddProgressDlg*>(widget);
      if (addShot || !adding || !adding->isVisible() || adding->Bar()->value() < 15) continue;
      addShot = true;
      ok = Save(folder, "adding-files.png", window.frameGeometry()) && ok;
    }
  });
  addPoll.start(5);
  window.AddDropped({album});
  addPoll.stop();
  ok = ok && addShot;
  window.RemoveAll();

  window.AddDropped(MakeSongs(dir));
  ok = Save(folder, "main-window-list.png", window.frameGeometry()) && ok;

  // The conversion window, over the main window, while the long file
  // converts.
  bool shotTaken = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* progress = qobject_cast<CConvertProgressDlg*>(widget);
      if (shotTaken || !progress || !progress->isVisible()) continue;
      // Nine tenths of the work: the others done, the long file under way.
      if (progress->BatchBar()->value() * 10 < progress->BatchBar()->maximum() * 9) continue;
      shotTaken = true;
      ok = Save(folder, "conversion-progress.png", window.frameGeometry()) && ok;
    }
  });
  poll.start(20);
  window.ConvertAll();
  poll.stop();
  ok = ok && shotTaken;
  ok = Save(folder, "main-window-converted.png", window.frameGeometry()) && ok;

  // The pointer over the Convert button (taken before its tooltip shows),
  // then the Help menu dropped down below its caption button.
  const QPushButton* convert = window.Button("convert");
  QCursor::setPos(convert->mapToGlobal(convert->rect().center()));
  Settle(100);
  ok = Save(folder, "main-window-hover.png", window.frameGeometry()) && ok;
  QCursor::setPos(window.frameGeometry().bottomRight() + QPoint(20, 20));
  Settle(100);
  const QPushButton* help = window.Button("help");
  const std::unique_ptr<QMenu> helpMenu = window.MakeHelpMenu();
  helpMenu->popup(help->mapToGlobal(help->rect().bottomLeft()));
  helpMenu->setActiveAction(helpMenu->actions().value(2));  // Tell A Friend, highlighted
  Settle(100);
  ok = Save(folder, "help-menu.png", window.frameGeometry().united(helpMenu->geometry())) && ok;
  helpMenu->close();

  // The options sheet, on each of its pages, and the tag editor.
  // Each page by its class, whatever the language of its title.
  const std::pair<const char*, const char*> optionShots[] = {
      {"COptOutputPage", "options-general.png"}, {"COptMp3Page", "options-mp3.png"},
      {"COptWavPage", "options-wav.png"},        {"CPageWMAOptions", "options-wma.png"},
      {"COptOggPage", "options-ogg.png"},        {"CAmrOptPage", "options-amr.png"},
      {"COptAacPage", "options-aac.png"},        {"COptM4aPage", "options-m4a.png"},
      {"CMidiOptPage", "options-midi.png"},      {"COptFlacPage", "options-flac.png"},
      {"COptOpusPage", "options-opus.png"}, {"CLoudnessOptPage", "options-loudness.png"},
  };
  COptSheet options(&window, settings, root, desktop);
  options.show();
  for (const auto& [title, file] : optionShots) {
    for (int page = 0; page < options.Tabs().count(); ++page) {
      if (std::string(options.Page(page).metaObject()->className()) != title) continue;
      options.Tabs().setCurrentIndex(page);
      Settle(50);  // lists lay out their items on a timer
      ok = Save(folder, file, options.frameGeometry()) && ok;
    }
  }
  options.reject();
  TagPreset preset;
  preset.titleAsFileName = 0;
  preset.title = "Night Train";
  preset.artist = "Zoë Müller";
  preset.album = "Études";
  preset.year = "2024";
  preset.genre = "Jazz";
  preset.trackNumType = TRACK_NUM_SEQUENCE;
  CTagEditDlg editor(&window, preset, true, desktop);
  editor.show();
  ok = Save(folder, "tag-editor.png", editor.frameGeometry()) && ok;
  editor.close();

  // The about box, over the main window.
  {
    CAboutBox about(&window, desktop);
    about.show();
    ok = Save(folder, "about-box.png", about.frameGeometry()) && ok;
  }
  ok = ShootGrownWindow(folder, window, settings, dir, album) && ok;
  return ok ? 0 : 1;
}
