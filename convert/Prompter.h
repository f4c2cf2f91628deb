#pragma once

#include <string>

// What the conversion needs from whoever faces the user: message boxes and
// the desktop's browser and file manager. The window front end shows the
// messages with the caption "Sondrel"; the command-line front end prints
// them; tests script the answers and record what was shown. Keeping these
// behind one small interface lets the conversion core run without a window.
class Prompter {
 public:
  Prompter() = default;
  Prompter(const Prompter&) = delete;
  Prompter& operator=(const Prompter&) = delete;
  virtual ~Prompter() = default;

  // A command had nothing to act on (the information icon).
  virtual void Information(const std::string& text) = 0;
  // Refused input or a failed operation (the exclamation icon).
  virtual void Exclamation(const std::string& text) = 0;
  // An offer (the question icon with Yes and No); true for Yes.
  virtual bool YesNo(const std::string& text) = 0;

  // Opens `url` in the web browser; false when nothing could be started.
  virtual bool OpenUrl(const std::string& url) = 0;
  // Opens the file manager with the file `path` selected.
  virtual bool ShowInFileManager(const std::string& path) = 0;
  // Opens the folder `path` in the file manager.
  virtual bool OpenFolder(const std::string& path) = 0;
};
