#include "app/OneLineText.h"

std::string OneLineText(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    if (c == '\t')
      escaped += "\\t";
    else if (c == '\n')
      escaped += "\\n";
    else if (c == '\r')
      escaped += "\\r";
    else if (c == '\\')
      escaped += "\\\\";
    else
      escaped += c;
  }
  return escaped;
}

std::string TextFromOneLine(const std::string& line) {
  std::string text;
  text.reserve(line.size());
  for (std::string::size_type i = 0; i < line.size(); ++i) {
    const char next = i + 1 < line.size() ? line[i + 1] : '\0';
    const char decoded = next == 't'    ? '\t'
                         : next == 'n'  ? '\n'
                         : next == 'r'  ? '\r'
                         : next == '\\' ? '\\'
                                        : '\0';
    if (line[i] == '\\' && decoded != '\0') {
      text += decoded;
      ++i;
    } else {
      text += line[i];
    }
  }
  return text;
}
