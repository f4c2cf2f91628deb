#pragma once

#include <string>

class Desktop;

// The addresses behind the Help menu's and the about box's web commands,
// built from app/WebLinks.h: the update-check page for this version and
// build, a mail to the support address, and a mail with no recipient that
// recommends the program.
std::string UpdateCheckLink();
std::string SupportMailLink();
std::string TellAFriendLink();

// Opens `url` through the desktop while the wait cursor shows: starting the
// browser or the mail program can take a moment.
void OpenUnderWaitCursor(Desktop& desktop, const std::string& url);
