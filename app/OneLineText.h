#pragma once

#include <string>

// A text as one field of a line of output: tabs, line feeds, carriage
// returns and backslashes are written as \t, \n, \r and \\, so that no text
// breaks its line or the tab-separated columns around it. Names of files in
// status lines, tag texts and option values are all written this way.
std::string OneLineText(const std::string& text);

// The text that OneLineText wrote: \t, \n, \r and \\ become a tab, a line
// feed, a carriage return and a backslash again. A backslash before any
// other character, or at the end, stays as it is, so a value typed with a
// lone backslash ("C:\music") keeps it.
std::string TextFromOneLine(const std::string& line);
