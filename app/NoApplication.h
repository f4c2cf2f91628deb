#pragma once

#include <string>

// The messages shown when the desktop has no application for what a command
// asked to open, so that the command is never met with nothing at all.

// "No application is set up to open "<target>". ..." with what to set up
// for `target`: a file, a folder, or a web or mail link.
std::string NoApplicationText(const std::string& target, const std::string& setUp);
// The same for a web or mail link, naming the program it needs.
std::string NoApplicationForLinkText(const std::string& url);
// The same for the file manager asked to show the file `path` (its folder
// is what could not open).
std::string NoFileManagerText(const std::string& path);
