#pragma once

#include <string>

// A text as one field of a line of output: tabs, line feeds, carriage
// returns and backslashes are written as \t, \n, \r and \\, so that no text
// breaks its line or the tab-separated columns around it.
inline std::string OneLineText(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    if (c == '\t') escaped += "\\t";
    else if (c == '\n') escaped += "\\n";
    else if (c == '\r') escaped += "\\r";
    else if (c == '\\') escaped += "\\\\";
    else escaped += c;
  }
  return escaped;
}
