#pragma once

#include <string>
#include <vector>

#include "app/NoApplication.h"
#include "convert/Prompter.h"

class QWidget;

// Everything the window asks of the desktop: the message boxes (caption
// "Sondrel"), the file and folder dialogs, and opening files, web pages and
// folders. The program shows real dialogs (QtDesktop); tests replace it with
// a scripted desktop so that nothing blocks and every text can be checked.
class Desktop : public Prompter {
 public:
  // A failure that ends the program (the error icon).
  virtual void Error(const std::string& text) = 0;

  // The multi-select open-file dialog with `filters` ("MP3 Files (*.mp3)"),
  // the first selected; the chosen files in the order given, or none when
  // the dialog was cancelled.
  virtual std::vector<std::string> ChooseFiles(QWidget* owner,
                                               const std::vector<std::string>& filters) = 0;
  // The open-file dialog for one file, titled `title`, with `filters` (the
  // first selected), opened at `initialPath` (a file or a folder; "" for
  // the dialog's own choice); "" when the dialog was cancelled.
  virtual std::string ChooseFile(QWidget* owner, const std::string& title,
                                 const std::vector<std::string>& filters,
                                 const std::string& initialPath) = 0;
  // The folder picker opened on `initialFolder`; "" when nothing was chosen.
  virtual std::string ChooseFolder(QWidget* owner, const std::string& title,
                                   const std::string& initialFolder) = 0;

  // Opens a file with the program the desktop associates with it (Play).
  virtual bool OpenFile(const std::string& path) = 0;

  // The window's open commands (Play, Browse, the web links): each opens
  // through the methods above and, when nothing on this desktop could open
  // it, says so with the path (the exclamation icon) rather than leaving
  // the user waiting for a window that never comes. True when opened.
  bool OpenFileOrSay(const std::string& path);
  bool ShowInFileManagerOrSay(const std::string& path);
  bool OpenUrlOrSay(const std::string& url);
};

// What OpenUrlOrSay says when nothing opened `url`, in the user's language.
std::string NoApplicationForLinkMessage(const std::string& url);
