#pragma once

#include <QtGlobal>

#include <string>

// The messages shown when the desktop has no application for what a command
// asked to open, so that the command is never met with nothing at all.

// "No application is set up to open "<target>". ..." with what to set up
// for `target`: a file, a folder, or a web or mail link.
std::string NoApplicationText(const std::string& target, const std::string& setUp);
// Its template and the programs it names, marked for translation in the
// context of the window's own open commands, which say the same.
inline constexpr const char* NO_APPLICATION_TEXT = QT_TRANSLATE_NOOP(
    "Desktop",
    "No application is set up to open \"%1\".\n\nSet up %2 in the desktop's settings, then try "
    "again.");
inline constexpr const char* FILE_MANAGER_PROGRAM = QT_TRANSLATE_NOOP("Desktop", "a file manager");
// The same for a web or mail link, naming the program it needs.
std::string NoApplicationForLinkText(const std::string& url);
// The same for the file manager asked to show the file `path` (its folder
// is what could not open).
std::string NoFileManagerText(const std::string& path);
