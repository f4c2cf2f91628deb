#include "convert/NamePattern.h"

#include <algorithm>
#include <cctype>

#include "source/TagReading.h"

namespace {

struct FieldName {
  const char* name;
  NamePattern::Field field;
};

const FieldName kFields[] = {
    {"title", NamePattern::Field::TITLE},       {"artist", NamePattern::Field::ARTIST},
    {"album", NamePattern::Field::ALBUM},       {"albumartist", NamePattern::Field::ALBUM_ARTIST},
    {"composer", NamePattern::Field::COMPOSER}, {"genre", NamePattern::Field::GENRE},
    {"year", NamePattern::Field::YEAR},         {"track", NamePattern::Field::TRACK},
    {"disc", NamePattern::Field::DISC},         {"name", NamePattern::Field::NAME},
    {"ext", NamePattern::Field::EXT},           {"folder", NamePattern::Field::FOLDER},
};

// The longest folder name and file name (before the extension) a pattern
// builds, in bytes: below the 255 that common file systems take, leaving
// the file name room for its extension and a "_n" that auto rename adds.
constexpr size_t kFolderBytes = 240;
constexpr size_t kFileNameBytes = 200;

// Characters that join fields rather than say something: spaces and ASCII
// punctuation.
bool IsSeparator(char c) {
  return c == ' ' ||
         (static_cast<unsigned char>(c) < 0x80 && std::ispunct(static_cast<unsigned char>(c)));
}

char ClosingBracket(char c) {
  switch (c) {
    case '(':
      return ')';
    case '[':
      return ']';
    case '{':
      return '}';
    case '<':
      return '>';
    default:
      return '\0';
  }
}

// True for a byte no file name may hold on the file systems an output may
// be copied to: control characters, the folder separators, and the
// characters that removable media refuse.
bool IsIllegalInName(unsigned char c) {
  return c < 0x20 || c == 0x7F ||
         std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string Trimmed(const std::string& text, const char* what) {
  const std::string::size_type first = text.find_first_not_of(what);
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(what) - first + 1);
}

// `text` cut to at most `limit` bytes, never inside a UTF-8 sequence.
std::string CutTo(std::string text, size_t limit) {
  if (text.size() <= limit) return text;
  size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
  return text;
}

// One folder or file name as it can be created: illegal characters as "_"
// (every byte past ASCII too, when the text is not UTF-8), runs of spaces
// as one, no spaces or dots around it, and no longer than `limit`.
std::string CleanName(const std::string& text, size_t limit) {
  const bool utf8 = IsValidUtf8(text);
  std::string clean;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsIllegalInName(byte) || (!utf8 && byte >= 0x80)) c = '_';
    if (c == ' ' && !clean.empty() && clean.back() == ' ') continue;
    clean += c;
  }
  clean = Trimmed(clean, " .");
  return Trimmed(CutTo(clean, limit), " .");
}

std::string Padded(int32_t number, int width) {
  std::string text = std::to_string(number);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), '0');
  return text;
}

std::string FileNamePart(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FieldValue(NamePattern::Field field, int width, const TagInfo& tags,
                       const std::string& sourcePath) {
  using F = NamePattern::Field;
  switch (field) {
    case F::TITLE:
      return tags.title;
    case F::ARTIST:
      return tags.artist;
    case F::ALBUM:
      return tags.album;
    case F::ALBUM_ARTIST:
      return tags.albumArtist;
    case F::COMPOSER:
      return tags.composer;
    case F::GENRE:
      return tags.genre;
    case F::YEAR: {
      // A full date gives its year.
      const std::string year = Trimmed(tags.year, " \t\r\n");
      const bool dated = year.size() > 4 && !std::isdigit(static_cast<unsigned char>(year[4])) &&
                         std::all_of(year.begin(), year.begin() + 4, [](char c) {
                           return std::isdigit(static_cast<unsigned char>(c));
                         });
      return dated ? year.substr(0, 4) : year;
    }
    case F::TRACK:
    case F::DISC: {
      const int32_t number = TrackNumberFromText(field == F::TRACK ? tags.track : tags.disc);
      return number > 0 ? Padded(number, width) : std::string();
    }
    case F::NAME:
      return FileNameWithoutExtension(sourcePath);
    case F::EXT: {
      const std::string name = FileNamePart(sourcePath);
      const std::string::size_type dot = name.rfind('.');
      return dot == std::string::npos ? std::string() : name.substr(dot + 1);
    }
    case F::FOLDER: {
      const std::string::size_type slash = sourcePath.rfind('/');
      return slash == std::string::npos ? std::string() : FileNamePart(sourcePath.substr(0, slash));
    }
  }
  return std::string();
}

}  // namespace

std::optional<NamePattern> NamePattern::Parse(const std::string& text, std::string& problem) {
  NamePattern pattern;
  pattern.parts_.emplace_back();
  if (!text.empty() && text.front() == '/') {
    problem = "it starts with \"/\"; its folders always go below the output folder";
    return std::nullopt;
  }
  if (!text.empty() && text.back() == '/') {
    problem = "it ends with \"/\"; it needs a file name after the last \"/\"";
    return std::nullopt;
  }
  const auto literal = [&pattern](char c) {
    Part& part = pattern.parts_.back();
    if (part.empty() || part.back().isField) part.emplace_back();
    part.back().text += c;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool doubled = i + 1 < text.size() && text[i + 1] == c;
    if ((c == '{' || c == '}') && doubled) {
      literal(c);
      ++i;
    } else if (c == '}') {
      problem = "a \"}\" has no \"{\" before it (write \"}}\" for a brace)";
      return std::nullopt;
    } else if (c == '{') {
      const std::string::size_type close = text.find('}', i);
      if (close == std::string::npos) {
        problem = "a \"{\" is not closed by \"}\"";
        return std::nullopt;
      }
      const std::string inside = text.substr(i + 1, close - i - 1);
      const std::string::size_type colon = inside.find(':');
      std::string name = inside.substr(0, colon);
      std::transform(name.begin(), name.end(), name.begin(), [](char ch) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
      });
      const auto known = std::find_if(std::begin(kFields), std::end(kFields),
                                      [&name](const FieldName& f) { return name == f.name; });
      if (known == std::end(kFields)) {
        problem = "{" + inside +
                  "} is not a field; the fields are {title}, {artist}, {album}, "
                  "{albumartist}, {composer}, {genre}, {year}, {track}, {disc}, {name}, {ext} "
                  "and {folder}";
        return std::nullopt;
      }
      Token token;
      token.isField = true;
      token.field = known->field;
      if (colon != std::string::npos) {
        const std::string width = inside.substr(colon + 1);
        const bool numbered = token.field == Field::TRACK || token.field == Field::DISC;
        if (!numbered || width.empty() || width.size() > 2 ||
            !std::all_of(width.begin(), width.end(),
                         [](char ch) { return std::isdigit(static_cast<unsigned char>(ch)); }) ||
            std::stoi(width) < 1) {
          problem = "{" + inside + "}: only {track} and {disc} take a width, as in {track:02}";
          return std::nullopt;
        }
        token.width = std::stoi(width);
      }
      pattern.parts_.back().push_back(token);
      i = close;
    } else if (c == '/') {
      // Repeated separators name no folder of their own.
      if (!pattern.parts_.back().empty()) pattern.parts_.emplace_back();
    } else {
      literal(c);
    }
  }
  for (const Part& part : pattern.parts_) {
    if (part.size() == 1 && !part.front().isField &&
        (part.front().text == "." || part.front().text == "..")) {
      problem = "it names the folder \"" + part.front().text +
                "\"; its folders always go below the output folder";
      return std::nullopt;
    }
  }
  return pattern;
}

std::string NamePattern::ExpandPart(const Part& part, const TagInfo& tags,
                                    const std::string& sourcePath) const {
  // The piece as literals around fields: literals[j] precedes values[j].
  std::vector<std::string> literals(1);
  std::vector<std::string> values;
  for (const Token& token : part) {
    if (!token.isField) {
      literals.back() += token.text;
      continue;
    }
    values.push_back(Trimmed(FieldValue(token.field, token.width, tags, sourcePath), " \t\r\n"));
    literals.emplace_back();
  }

  // Each empty field goes with the separators that join it: the spaces and
  // punctuation at the end of the text before it and at the start of the
  // text after it. Between two pieces of content one of the two stays, so
  // the neighbours remain apart; a bracket pair around the field goes too.
  for (size_t j = 0; j < values.size();) {
    if (!values[j].empty()) {
      ++j;
      continue;
    }
    const std::string& left = literals[j];
    const std::string& right = literals[j + 1];
    size_t leftStart = left.size();
    while (leftStart > 0 && IsSeparator(left[leftStart - 1])) --leftStart;
    size_t rightEnd = 0;
    while (rightEnd < right.size() && IsSeparator(right[rightEnd])) ++rightEnd;
    std::string leftRun = left.substr(leftStart);
    std::string rightRun = right.substr(0, rightEnd);
    if (!leftRun.empty() && !rightRun.empty() &&
        ClosingBracket(leftRun.back()) == rightRun.front()) {
      leftRun.pop_back();
      rightRun.erase(0, 1);
    }
    // Values before j are all non-empty by now.
    const bool contentBefore = j > 0 || leftStart > 0;
    const bool contentAfter =
        rightEnd < right.size() || std::any_of(values.begin() + j + 1, values.end(),
                                               [](const std::string& v) { return !v.empty(); });
    const std::string kept = !contentBefore || !contentAfter ? std::string()
                             : leftRun.empty()               ? rightRun
                                                             : leftRun;
    literals[j] = left.substr(0, leftStart) + kept + right.substr(rightEnd);
    literals.erase(literals.begin() + j + 1);
    values.erase(values.begin() + j);
  }

  std::string text = literals.front();
  for (size_t j = 0; j < values.size(); ++j) text += values[j] + literals[j + 1];
  return text;
}

std::string NamePattern::Expand(const TagInfo& tags, const std::string& sourcePath) const {
  std::string path;
  for (size_t i = 0; i + 1 < parts_.size(); ++i) {
    const std::string folder = CleanName(ExpandPart(parts_[i], tags, sourcePath), kFolderBytes);
    if (!folder.empty()) path += folder + "/";
  }
  std::string name = CleanName(ExpandPart(parts_.back(), tags, sourcePath), kFileNameBytes);
  if (name.empty()) name = CleanName(FileNameWithoutExtension(sourcePath), kFileNameBytes);
  // A source named only by its extension (".wav") still gets a name.
  if (name.empty()) name = "_";
  return path + name;
}

std::string NamePatternProblem(const std::string& text) {
  std::string problem;
  NamePattern::Parse(text, problem);
  return problem;
}
