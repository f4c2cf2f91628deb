#include "source/SourceList.h"

#include <filesystem>

#include "platform/engine/Engine.h"
#include "platform/files/SourceFileOpen.h"
#include "platform/paths/PathIdentity.h"
#include "source/OpenSource.h"
#include "source/SourceKind.h"

SourceList::Prober AddingProber(const SourceReaders& readers) {
  return [readers](const std::string& path, int32_t kind) -> std::unique_ptr<AudioSource> {
    // A WAV file whose headers tell all is listed without a decoder.
    if (kind == KIND_WAVE && readers.waveHeader) {
      std::unique_ptr<AudioSource> header = readers.waveHeader();
      if (header && header->Open(path, 0)) return header;
    }
    return OpenSource(path, kind, 0, false, readers);
  };
}

SourceList::SourceList(const SourceReaders& readers) : SourceList(AddingProber(readers)) {}

SourceList::SourceList(Prober prober) : prober_(std::move(prober)) {}

std::string SourceList::PathKey(const std::string& path) { return NormalisedAbsolutePath(path); }

SourceList::AddResult SourceList::AddOneFile(const std::string& path,
                                             const std::string& addedFrom) {
  lastFailureReason_.clear();
  lastFailureSpecial_ = false;
  // The entry keeps the path in the form the duplicate guard uses, so that
  // later steps (folder mirroring, the documents fallback, the same-file
  // check) see the real folder even when the path was typed relative.
  const std::string absolute = PathKey(path);
  if (pathIndex_.count(absolute)) return AddResult::ALREADY_LISTED;
  // The same file reached through a symbolic link is listed once too.
  std::error_code error;
  const std::string resolved = std::filesystem::canonical(absolute, error).string();
  if (!error && resolvedIndex_.count(resolved)) return AddResult::ALREADY_LISTED;
  return AddProbed(ProbeAt(absolute, error ? std::string() : resolved, addedFrom));
}

bool SourceList::Lists(const std::string& path) const { return pathIndex_.count(PathKey(path)) != 0; }

SourceList::Probed SourceList::Probe(const std::string& path, const std::string& addedFrom) const {
  const std::string absolute = PathKey(path);
  std::error_code error;
  const std::string resolved = std::filesystem::canonical(absolute, error).string();
  return ProbeAt(absolute, error ? std::string() : resolved, addedFrom);
}

SourceList::Probed SourceList::ProbeAt(const std::string& absolute, const std::string& resolved,
                                       const std::string& addedFrom) const {
  Probed probed;
  probed.absolute = absolute;
  probed.resolved = resolved;
  // Probing opens the file, and opening a named pipe waits for a writer
  // that may never come; such files are told apart by their type alone.
  probed.reason = SpecialFileReason(absolute);
  probed.special = !probed.reason.empty();
  if (probed.special) return probed;

  int32_t kind = SourceKindFromPath(absolute);
  std::unique_ptr<AudioSource> source = prober_(absolute, kind);
  // A MIDI song under another extension (or none) that every reader of that
  // kind refused is listed as MIDI when its content says so; converting it
  // then renders it with the SoundFont like any MIDI song.
  if (!source && kind != KIND_MIDI && HasMidiContent(absolute)) {
    kind = KIND_MIDI;
    source = prober_(absolute, kind);
  }
  if (!source) {
    // The readers do not say why; the file system tells a file that cannot
    // be read at all from one that holds no sound Sondrel knows.
    probed.reason = FileAccessProblem(absolute);
    // A MIDI file says what is wrong with it.
    if (probed.reason.empty() && kind == KIND_MIDI) probed.reason = engine::MidiFileProblem(absolute);
    if (probed.reason.empty()) probed.reason = NOT_SOUND_FILE_REASON;
    return probed;
  }

  auto entry = std::make_unique<SourceFile>();
  entry->path = absolute;
  entry->kind = kind;
  if (!addedFrom.empty()) entry->addedFrom = PathKey(addedFrom);
  entry->contentKind = source->GetContentKind();
  entry->duration = source->GetDuration();
  entry->durationMs = source->GetDurationMs();
  entry->sampleRate = source->GetSampleRate();
  entry->bitRate = source->GetBitRate();
  if (entry->HasChannelMode()) entry->channelMode = source->GetMp3ChannelMode();
  else entry->channels = source->GetChannels();
  source->Close();
  probed.entry = std::move(entry);
  return probed;
}

SourceList::AddResult SourceList::AddProbed(Probed probed) {
  lastFailureReason_.clear();
  lastFailureSpecial_ = false;
  if (pathIndex_.count(probed.absolute)) return AddResult::ALREADY_LISTED;
  if (!probed.resolved.empty() && resolvedIndex_.count(probed.resolved))
    return AddResult::ALREADY_LISTED;
  if (!probed.entry) {
    lastFailureReason_ = std::move(probed.reason);
    lastFailureSpecial_ = probed.special;
    return AddResult::FAILED;
  }
  pathIndex_.emplace(probed.absolute, probed.entry.get());
  if (!probed.resolved.empty()) resolvedIndex_.emplace(probed.resolved, probed.entry.get());
  entries_.push_back(std::move(probed.entry));
  return AddResult::ADDED;
}

void SourceList::Remove(size_t index) {
  if (index >= entries_.size()) return;
  pathIndex_.erase(PathKey(entries_[index]->path));
  for (auto found = resolvedIndex_.begin(); found != resolvedIndex_.end(); ++found) {
    if (found->second != entries_[index].get()) continue;
    resolvedIndex_.erase(found);
    break;
  }
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

void SourceList::Clear() {
  entries_.clear();
  pathIndex_.clear();
  resolvedIndex_.clear();
}

void LoadFailures::Add(const std::string& path, const std::string& reason) {
  ++count_;
  if (count_ <= 10) text_ += (reason.empty() ? path : path + ": " + reason) + "\n";
  else if (count_ == 11) text_ += "<more files>...\n";
}

std::string LoadFailures::Message() const {
  return std::string(LOAD_FAILURES_HEADING) + "\n\n" + text_;
}
