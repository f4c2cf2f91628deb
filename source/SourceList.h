#pragma once

#include <QtGlobal>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "source/AudioSource.h"
#include "source/OpenSource.h"
#include "source/SourceFile.h"

// The list of sources a front end converts: entries in list order and the
// duplicate guard keyed by each entry's absolute, lexically normalised path,
// which is also the path the entry holds, and by the path with symbolic
// links followed.
// Adding probes a file once through OpenSource (rate 0, probe only) and
// closes it again; no audio is decoded.
// The reason given for a readable file that no reader takes.
inline constexpr char NOT_SOUND_FILE_REASON[] = "not a sound file Sondrel can read";

class SourceList {
 public:
  enum class AddResult { ADDED, ALREADY_LISTED, FAILED };

  // Opens a file for probing; OpenSource in the program, a fake in tests.
  using Prober = std::function<std::unique_ptr<AudioSource>(const std::string& path, int32_t kind)>;

  // Probes with AddingProber(readers) (the program passes
  // ProgramReaders()).
  explicit SourceList(const SourceReaders& readers);
  explicit SourceList(Prober prober);

  // `addedFrom` is the folder whose search found the file ("" when the
  // file was added by itself); the entry keeps it in normalised form.
  // A named pipe, a socket or a device is refused without being opened.
  AddResult AddOneFile(const std::string& path, const std::string& addedFrom = std::string());
  // Why the last add that FAILED failed: a special file ("not a regular
  // file (a named pipe)"), a file that cannot be read at all ("no such
  // file", "permission denied", "empty file"), or NOT_SOUND_FILE_REASON
  // when the readers refused it.
  const std::string& LastFailureReason() const { return lastFailureReason_; }
  // True when that file was a named pipe, a socket or a device, refused
  // without being opened.
  bool LastFailureSpecial() const { return lastFailureSpecial_; }

  // What probing one file found, apart from the list: the entry to add, or
  // why the file failed.
  struct Probed {
    std::string absolute;  // the key of the duplicate guard
    std::string resolved;  // with symbolic links followed; "" when that failed
    std::unique_ptr<SourceFile> entry;  // null when the file failed
    std::string reason;
    bool special = false;
  };
  // Probes `path` as AddOneFile does, without reading or changing the list,
  // so that several threads may probe at once (when the prober allows it).
  Probed Probe(const std::string& path, const std::string& addedFrom = std::string()) const;
  // Adds what Probe found, with the outcome AddOneFile would have had: a
  // file listed meanwhile is ALREADY_LISTED, a failure sets the last reason.
  AddResult AddProbed(Probed probed);
  // True when the list holds `path` (by its key); such a file needs no probe.
  bool Lists(const std::string& path) const;

  const std::vector<std::unique_ptr<SourceFile>>& Entries() const { return entries_; }
  size_t Size() const { return entries_.size(); }
  SourceFile& At(size_t index) { return *entries_[index]; }
  void Remove(size_t index);
  void Clear();

  // The key of the duplicate guard for a path.
  static std::string PathKey(const std::string& path);

 private:
  Probed ProbeAt(const std::string& absolute, const std::string& resolved,
                 const std::string& addedFrom) const;

  Prober prober_;
  std::string lastFailureReason_;
  bool lastFailureSpecial_ = false;
  std::vector<std::unique_ptr<SourceFile>> entries_;
  std::map<std::string, SourceFile*> pathIndex_;
  // The entries by their path with symbolic links followed, for the files
  // that existed when added.
  std::map<std::string, SourceFile*> resolvedIndex_;
};

// The prober of adding files with `readers`: OpenSource (rate 0, probe
// only), a WAV file first through the readers' header reader.
SourceList::Prober AddingProber(const SourceReaders& readers);

// The files that failed to load in one adding run, reported together at the
// end: at most ten paths (each with its reason when one is known, as
// "path: reason"), then "<more files>..." once.
inline constexpr const char* LOAD_FAILURES_HEADING =
    QT_TRANSLATE_NOOP("Sondrel", "Failed to load the following files.");
class LoadFailures {
 public:
  void Add(const std::string& path, const std::string& reason = std::string());
  bool Empty() const { return count_ == 0; }
  int Count() const { return count_; }
  // LOAD_FAILURES_HEADING, an empty line and the list.
  std::string Message() const;
  // The list alone: a line per file, with its reason where there is one.
  const std::string& List() const { return text_; }

 private:
  int count_ = 0;
  std::string text_;
};
