#include "app/TextTemplate.h"

std::string FillTemplate(const std::string& pattern, const std::vector<std::string>& values) {
  std::string text;
  for (size_t at = 0; at < pattern.size(); ++at) {
    const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
    const size_t number = static_cast<size_t>(next - '1');
    if (pattern[at] == '%' && next >= '1' && next <= '9' && number < values.size()) {
      text += values[number];
      ++at;
    } else {
      text += pattern[at];
    }
  }
  return text;
}
