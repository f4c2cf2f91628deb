#pragma once

#include <QPixmap>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "source/SourceList.h"
#include "ui/adding/FileAdder.h"

class CConvertProgressDlg;
class CSortListCtrl;
class Desktop;
class EngineSession;
class HelpWindow;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QSizeGrip;
class SettingsRoot;
struct ConvertSettings;

// The program's main window: the file list, the command buttons, the
// output-format selector, the Help menu and the list's context menu. It
// owns the list's entries and hands the convert commands to the conversion
// batch. It has no system frame: four small buttons in its top-right corner
// stand in for the caption (Help, Minimize, Maximize or Restore, Close),
// dragging its surface moves it, its edges and corner resize it and a double
// click on its header band maximises or restores it. Where it was, its size
// and the list's column widths are stored when it closes and used again at
// the next start.
class CConvertDlg : public QWidget {
  Q_OBJECT

 public:
  // The design size: the default and the smallest.
  static constexpr int WIDTH = 699;
  static constexpr int HEIGHT = 538;

  // `settings` are loaded from `root` here; the window keeps both for its
  // lifetime. The SoundFont of the engine's program folder is set up first.
  // Files are probed through `prober` (OpenSource with the program's
  // readers).
  CConvertDlg(ConvertSettings& settings, SettingsRoot& root, EngineSession& engine,
              Desktop& desktop, SourceList::Prober prober);
  ~CConvertDlg() override;

  // The commands.
  void AddFiles();
  void AddFolder();
  void AddDropped(const std::vector<std::string>& paths);
  void Remove();
  void RemoveAll();
  void ConvertAll();
  void ConvertSelected();
  void PlaySource();
  void PlayDestination();
  void BrowseSourceFolder();
  void BrowseDestinationFolder();
  // Says, in a message, why the selected row's last conversion failed: its
  // source, the output it meant to write, its status and the reason.
  void ExplainFailure();
  void HelpTopics(bool maximized = false);
  void OpenOptions();

  // The menus as they would drop down now, with their enable rules applied.
  std::unique_ptr<QMenu> MakeContextMenu();
  std::unique_ptr<QMenu> MakeHelpMenu();

  // The text that closes a window during a batch asks first.
  static constexpr const char* STOP_ON_CLOSE_QUESTION =
      QT_TRANSLATE_NOOP("CConvertDlg",
                        "Stop the conversion and close Sondrel?\n\n"
                        "The files being converted now are not kept; the finished ones are.");

  CSortListCtrl& ListCtrl() { return *listCtrl_; }
  // What the last batch came to, in one line; kept until the next batch.
  QLabel& BatchSummary() { return *summary_; }
  QComboBox& FormatSelector() { return *formatSelector_; }
  SourceList& Entries() { return list_; }
  HelpWindow* Help() const { return help_.get(); }
  // The Add Files, Add Folder, Remove All, Convert and Options buttons, the
  // home-page link and the Help, Minimize, Maximize and Close caption
  // buttons.
  // All of them are skinned buttons (CSkinButton).
  QPushButton* Button(const char* objectName) const;
  // The image the window paints under everything, at the window's size and
  // pixel ratio.
  const QPixmap& Background() const { return background_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateControls();
  // Puts the controls in their places for the window's size and draws the
  // background for it.
  void LayOut();
  void UpdateBackground();
  // The Maximize button's look and the size grip follow the window's state.
  void ShowWindowState();
  // Gives the command buttons their faces and the caption buttons their
  // icons, drawn at `ratio` device pixels per logical pixel.
  void DrawButtonArt(qreal ratio);
  void ToggleMaximized();
  // The stored place and column widths, or the default centred.
  void RestorePlace();
  void FillFormatSelector();
  void CreateShortcuts();
  void RunBatch(const std::vector<int>& rows);
  // Before a batch with MIDI songs: renders them with the SoundFont of the
  // options (loaded anew when it changed) and names, in one message, the
  // instruments of the songs that the font lacks. The batch goes on.
  void PrepareSoundFont(const std::vector<SourceFile*>& entries);
  // The first selected row's entry, or null.
  SourceFile* FirstSelectedEntry() const;
  void ShowHelpMenu();

  ConvertSettings& settings_;
  SettingsRoot& root_;
  EngineSession& engine_;
  Desktop& desktop_;
  SourceList list_;
  CSortListCtrl* listCtrl_ = nullptr;
  QComboBox* formatSelector_ = nullptr;
  QLabel* summary_ = nullptr;
  QSizeGrip* sizeGrip_ = nullptr;
  CConvertProgressDlg* batch_ = nullptr;  // the running batch's progress window
  bool closeAfterBatch_ = false;
  std::unique_ptr<FileAdder> adder_;
  std::unique_ptr<HelpWindow> help_;
  QPixmap background_;
  // What the background was drawn for: the window's size and pixel ratio.
  QSize backgroundArea_;
  qreal backgroundRatio_ = 0;
};
