#pragma once

#include <string>

#include "convert/Prompter.h"

// The core's fixed texts (messages, questions and list statuses marked with
// QT_TRANSLATE_NOOP in the context CORE_TEXT_CONTEXT) in the user's
// language, and the core's templates filled in with values (a path, a
// format) as the translated template with the same values; any other text,
// such as a file name or a reader's reason, comes back as it is.
inline constexpr const char* CORE_TEXT_CONTEXT = "Sondrel";
std::string CoreText(const std::string& text);

// The prompter the window hands to a batch: the desktop's message boxes,
// with the batch's fixed texts in the user's language.
class TranslatedPrompter : public Prompter {
 public:
  explicit TranslatedPrompter(Prompter& desktop) : desktop_(desktop) {}

  void Information(const std::string& text) override { desktop_.Information(CoreText(text)); }
  void Exclamation(const std::string& text) override { desktop_.Exclamation(CoreText(text)); }
  bool YesNo(const std::string& text) override { return desktop_.YesNo(CoreText(text)); }
  bool OpenUrl(const std::string& url) override { return desktop_.OpenUrl(url); }
  bool ShowInFileManager(const std::string& path) override {
    return desktop_.ShowInFileManager(path);
  }
  bool OpenFolder(const std::string& path) override { return desktop_.OpenFolder(path); }

 private:
  Prompter& desktop_;
};
