#include "codecs/writers/Id3TagBuilder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <id3/tag.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/paths/StandardFolders.h"
#include "source/Genres.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes UTF-8 into code points. A byte that does not begin a complete,
// well-formed sequence (overlong forms, surrogates and values above
// U+10FFFF included) stands for U+FFFD, and decoding goes on after it.
std::u32string DecodeUtf8(const std::string& text) {
  std::u32string out;
  out.reserve(text.size());
  const size_t size = text.size();
  size_t i = 0;
  while (i < size) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
      out += lead;
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
      cp = lead & 0x1F;
      minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      cp = lead & 0x0F;
      minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      cp = lead & 0x07;
      minimum = 0x10000;
    } else {
      out += kReplacement;
      ++i;
      continue;
    }
    bool valid = i + static_cast<size_t>(extra) < size;
    for (int k = 1; valid && k <= extra; ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) valid = false;
      cp = (cp << 6) | (next & 0x3F);
    }
    if (valid && (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) valid = false;
    if (!valid) {
      out += kReplacement;
      ++i;
      continue;
    }
    out += cp;
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}

bool FitsLatin1(const std::u32string& text) {
  for (char32_t cp : text)
    if (cp > 0xFF) return false;
  return true;
}

// ISO-8859-1 bytes; characters that do not fit become '?'.
std::string ToLatin1(const std::u32string& text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t cp : text) out += cp <= 0xFF ? static_cast<char>(cp) : '?';
  return out;
}

// UTF-16 units for id3lib, terminated by 0. id3lib writes a little-endian
// byte-order mark and then each unit most significant byte first, so the
// units go in with their bytes swapped and come out little-endian, as the
// mark says.
std::vector<unicode_t> ToId3Utf16(const std::u32string& text) {
  std::vector<unicode_t> units;
  units.reserve(text.size() + 1);
  auto put = [&units](uint32_t unit) {
    units.push_back(static_cast<unicode_t>(((unit & 0xFF) << 8) | ((unit >> 8) & 0xFF)));
  };
  for (char32_t cp : text) {
    if (cp < 0x10000) {
      put(cp);
    } else {
      const uint32_t v = cp - 0x10000;
      put(0xD800 | (v >> 10));
      put(0xDC00 | (v & 0x3FF));
    }
  }
  units.push_back(0);
  return units;
}

// Attaches a text frame. ID3v2 texts are ISO-8859-1 when every character
// fits and UTF-16 otherwise; ID3v1 fields are ISO-8859-1 only.
bool AttachText(ID3_Tag& tag, ID3_FrameID id, const std::string& utf8, bool unicodeAllowed) {
  auto frame = std::make_unique<ID3_Frame>(id);
  ID3_Field* text = frame->GetField(ID3FN_TEXT);
  if (!text) return false;
  const std::u32string decoded = DecodeUtf8(utf8);
  if (unicodeAllowed && !FitsLatin1(decoded)) {
    ID3_Field* encoding = frame->GetField(ID3FN_TEXTENC);
    if (!encoding) return false;
    encoding->Set(static_cast<uint32>(ID3TE_UTF16));
    text->SetEncoding(ID3TE_UTF16);
    text->Set(ToId3Utf16(decoded).data());
  } else {
    text->Set(ToLatin1(decoded).c_str());
  }
  return tag.AttachFrame(frame.release());
}

// The ID3v1 comment: ISO-8859-1, as every ID3v1 field.
bool AttachComment(ID3_Tag& tag, const std::string& utf8) {
  auto frame = std::make_unique<ID3_Frame>(ID3FID_COMMENT);
  ID3_Field* language = frame->GetField(ID3FN_LANGUAGE);
  ID3_Field* description = frame->GetField(ID3FN_DESCRIPTION);
  ID3_Field* text = frame->GetField(ID3FN_TEXT);
  if (!language || !description || !text) return false;
  language->Set("XXX");
  description->Set("");
  text->Set(ToLatin1(DecodeUtf8(utf8)).c_str());
  return tag.AttachFrame(frame.release());
}

// UTF-16 little-endian with its byte-order mark.
void PutUtf16(std::vector<uint8_t>& out, const std::u32string& text) {
  auto unit = [&out](uint32_t u) {
    out.push_back(static_cast<uint8_t>(u & 0xFF));
    out.push_back(static_cast<uint8_t>(u >> 8));
  };
  unit(0xFEFF);
  for (char32_t cp : text) {
    if (cp < 0x10000) {
      unit(cp);
    } else {
      unit(0xD800 | ((cp - 0x10000) >> 10));
      unit(0xDC00 | ((cp - 0x10000) & 0x3FF));
    }
  }
}

// The ID3v2.3 comment frame ("COMM", language "XXX", empty description),
// built here rather than by id3lib: id3lib writes no byte-order mark for
// the empty description of a UTF-16 comment, which readers reject. The
// text is ISO-8859-1 when every character fits and UTF-16 otherwise, as in
// the other text frames.
std::vector<uint8_t> CommentFrame(const std::string& utf8) {
  const std::u32string text = DecodeUtf8(utf8);
  const bool latin1 = FitsLatin1(text);
  std::vector<uint8_t> body{static_cast<uint8_t>(latin1 ? 0 : 1), 'X', 'X', 'X'};
  if (latin1) {
    body.push_back(0);
    for (char32_t cp : text) body.push_back(static_cast<uint8_t>(cp));
  } else {
    PutUtf16(body, U"");
    body.insert(body.end(), {0, 0});
    PutUtf16(body, text);
  }
  std::vector<uint8_t> frame{'C', 'O', 'M', 'M'};
  for (int shift = 24; shift >= 0; shift -= 8)
    frame.push_back(static_cast<uint8_t>(body.size() >> shift));
  frame.insert(frame.end(), {0, 0});
  frame.insert(frame.end(), body.begin(), body.end());
  return frame;
}

// Puts a frame into a whole ID3v2.3 image without unsynchronisation or
// extended header, before its track-number frame (which comes last) or at
// its end, and grows the size in its header; false for any other image.
bool InsertFrame(std::vector<uint8_t>& image, const std::vector<uint8_t>& frame) {
  if (image.size() < 10 || image[3] != 3 || image[5] != 0) return false;
  size_t at = 10;
  while (at + 10 <= image.size() && image[at] != 0 &&
         std::string(image.begin() + static_cast<long>(at),
                      image.begin() + static_cast<long>(at) + 4) != "TRCK") {
    size_t size = 0;
    for (size_t i = at + 4; i < at + 8; ++i) size = (size << 8) | image[i];
    at += 10 + size;
  }
  if (at > image.size()) return false;
  image.insert(image.begin() + static_cast<long>(at), frame.begin(), frame.end());
  const size_t size = image.size() - 10;
  if (size >= (size_t{1} << 28)) return false;
  for (int i = 0; i < 4; ++i) image[9 - i] = static_cast<uint8_t>((size >> (7 * i)) & 0x7F);
  return true;
}

// The year of a date text: its first four characters when they are digits
// followed by nothing or a non-digit ("2001-05-17" gives "2001"); any other
// text whole.
std::string YearOf(const std::string& date) {
  const auto digits = [&date](size_t from, size_t count) {
    if (date.size() < from + count) return false;
    for (size_t i = from; i < from + count; ++i)
      if (!std::isdigit(static_cast<unsigned char>(date[i]))) return false;
    return true;
  };
  if (!digits(0, 4) || digits(4, 1)) return date;
  return date.substr(0, 4);
}

// The day and month of a date "YYYY-MM-DD..." as the ID3v2.3 date frame
// holds them ("DDMM"); empty for any other text.
std::string DayMonthOf(const std::string& date) {
  if (date.size() < 10 || YearOf(date).size() != 4 || date[4] != '-' || date[7] != '-') return {};
  const std::string month = date.substr(5, 2), day = date.substr(8, 2);
  for (char c : month + day)
    if (!std::isdigit(static_cast<unsigned char>(c))) return {};
  if (date.size() > 10 && std::isdigit(static_cast<unsigned char>(date[10]))) return {};
  return day + month;
}

// A field's values in one text, separated by "/".
std::string Joined(const std::string& first, const std::vector<std::string>& more) {
  std::string text = first;
  for (const std::string& value : more)
    if (!value.empty()) text += (text.empty() ? "" : "/") + value;
  return text;
}

// For a text "number" or "number/total" made of digits only: the total
// (`part` 1, 0 when there is none) or the number (`part` 0); -1 for any
// other text.
int TotalOf(const std::string& text, int part) {
  const std::string::size_type slash = text.find('/');
  const std::string pieces[2] = {text.substr(0, slash),
                                 slash == std::string::npos ? "" : text.substr(slash + 1)};
  for (const std::string& piece : pieces)
    if (piece.size() > 5 || !std::all_of(piece.begin(), piece.end(), [](char c) {
          return std::isdigit(static_cast<unsigned char>(c));
        }))
      return -1;
  if (pieces[0].empty() || (slash != std::string::npos && pieces[1].empty())) return -1;
  return pieces[part].empty() ? 0 : std::stoi(pieces[part]);
}

// A file created empty under a unique name, removed when the object goes.
class ScopedTempFile {
 public:
  ScopedTempFile(const std::string& folder, const std::string& prefix) {
    if (folder.empty()) return;
    std::string pattern = folder + "/" + prefix + "XXXXXX";
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return;
    close(fd);
    path_ = pattern;
  }
  ~ScopedTempFile() {
    if (!path_.empty()) unlink(path_.c_str());
  }
  ScopedTempFile(const ScopedTempFile&) = delete;
  ScopedTempFile& operator=(const ScopedTempFile&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  bool ok = fstat(fd, &info) == 0 && info.st_size >= 0;
  if (ok) {
    bytes.resize(static_cast<size_t>(info.st_size));
    size_t done = 0;
    while (ok && done < bytes.size()) {
      const ssize_t got = read(fd, bytes.data() + done, bytes.size() - done);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) {
        ok = false;
      } else {
        done += static_cast<size_t>(got);
      }
    }
  }
  close(fd);
  return ok;
}

// Whether `image` is a whole tag of the version: ID3v1 is exactly 128 bytes
// beginning with "TAG"; ID3v2 is exactly as long as its header announces
// (a rendering cut short by a failed write is not).
bool IsCompleteImage(int version, const std::vector<uint8_t>& image) {
  if (version == 1)
    return image.size() == 128 && image[0] == 'T' && image[1] == 'A' && image[2] == 'G';
  if (image.size() < 10 || image[0] != 'I' || image[1] != 'D' || image[2] != '3') return false;
  size_t size = 0;
  for (int i = 6; i < 10; ++i) {
    if (image[i] & 0x80) return false;
    size = (size << 7) | image[i];
  }
  const size_t footer = (image[5] & 0x10) ? 10 : 0;
  return image.size() == 10 + size + footer;
}

}  // namespace

std::vector<uint8_t> BuildId3Tag(int version, const TagInfo& texts, int track) {
  if (version != 1 && version != 2) return {};
  const ScopedTempFile file(TemporaryFolder(), "cvt");
  if (file.Path().empty()) return {};

  const bool v2 = version == 2;
  {
    ID3_Tag tag(file.Path().c_str());
    // ID3v1 takes its genre number from a "(n)" content type.
    const std::string genre =
        v2 ? Joined(texts.genre, texts.moreGenres)
           : "(" + std::to_string(GenreIndexFromName(texts.genre)) + ")";
    // ID3v2.3 separates several performers with "/"; ID3v1 holds one.
    const std::string artist = v2 ? Joined(texts.artist, texts.moreArtists) : texts.artist;
    bool attached = AttachText(tag, ID3FID_TITLE, texts.title, v2) &&
                    AttachText(tag, ID3FID_LEADARTIST, artist, v2) &&
                    AttachText(tag, ID3FID_ALBUM, texts.album, v2) &&
                    AttachText(tag, ID3FID_YEAR, YearOf(texts.year), v2) &&
                    AttachText(tag, ID3FID_CONTENTTYPE, genre, v2);
    if (attached && !texts.composer.empty())
      attached = AttachText(tag, ID3FID_COMPOSER, texts.composer, v2);
    if (attached && !texts.copyright.empty())
      attached = AttachText(tag, ID3FID_COPYRIGHT, texts.copyright, v2);
    if (attached && v2 && !texts.albumArtist.empty())
      attached = AttachText(tag, ID3FID_BAND, texts.albumArtist, true);
    if (attached && v2 && TotalOf(texts.disc, 0) > 0)
      attached = AttachText(tag, ID3FID_PARTINSET, texts.disc, false);
    // The year frame holds four digits; the day and month of a full date
    // have a frame of their own.
    const std::string dayMonth = v2 ? DayMonthOf(texts.year) : std::string();
    if (attached && !dayMonth.empty()) attached = AttachText(tag, ID3FID_DATE, dayMonth, false);
    if (attached && !v2) attached = AttachComment(tag, texts.comment);
    // Only the low 8 bits count, as in the track byte of ID3v1.1.
    const int trackByte = track & 0xFF;
    // ID3v2 holds the track's total after a "/".
    const int total = v2 ? TotalOf(texts.track, 1) : 0;
    const std::string trackText =
        std::to_string(trackByte) + (total > 0 ? "/" + std::to_string(total) : "");
    if (attached && trackByte != 0)
      attached = AttachText(tag, ID3FID_TRACKNUM, trackText, false);
    if (!attached) return {};

    tag.SetPadding(false);
    tag.SetUnsync(false);
    tag.SetExtendedHeader(false);
    if (tag.Update(v2 ? ID3TT_ID3V2 : ID3TT_ID3V1) == 0) return {};
  }

  std::vector<uint8_t> image;
  if (!ReadWholeFile(file.Path(), image) || !IsCompleteImage(version, image)) return {};
  if (v2 && !InsertFrame(image, CommentFrame(texts.comment))) return {};
  return image;
}

Id3Images BuildId3Tags(int versionOption, const TagInfo& texts, int track) {
  Id3Images images;
  if (versionOption == 0 || versionOption == 2) images.v1 = BuildId3Tag(1, texts, track);
  if (versionOption == 1 || versionOption == 2) images.v2 = BuildId3Tag(2, texts, track);
  return images;
}
