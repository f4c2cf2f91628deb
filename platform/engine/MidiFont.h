#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/engine/FluidSynthSupport.h"
#include "platform/engine/PresetChoice.h"

namespace engine {

// A SoundFont loaded once and shared by every MIDI stream rendered with it.
//
// FluidSynth ties a loaded font to the synthesizer that loaded it, and
// loading TimGM6mb takes 10-20 ms (parsing the preset tables and reading the
// sample data), which would dominate short songs and the probing of a list.
// So holder synthesizers, which never render, load the file here; each
// stream's own fresh synthesizer then gets a lightweight font object from a
// SoundFont loader of ours whose presets are a holder's presets. Voices play
// the holder's sample data directly: nothing is read or copied per stream
// (attaching costs about 0.05 ms), and each stream starts from a fresh
// synthesizer, so its output does not depend on earlier songs.
//
// The stream's font answers a bank and program the file lacks with the
// nearest preset it has (ChoosePreset: a GS font without bank 0, a font
// without drum kits), where the synthesizer would leave the channel silent.
//
// FluidSynth counts preset and sample references in plain integers, and a
// voice writes into the sample it plays, so a holder may serve only one
// stream at a time. The font therefore keeps a pool of holders: a stream
// borrows an idle one and gives it back when it is freed; another holder is
// loaded only when every holder is lent to a live stream. The pool grows to
// the number of streams open at once and keeps its holders until the font
// goes. The sample data exists once however many holders there are:
// FluidSynth keeps the sample data of SoundFont 2 files in a process-wide
// cache keyed by file, modification time and sample range, so a second
// holder of the same file builds its own preset tables and sample records
// but reads no sample data: it shares the first holder's. (Rendering two
// songs at once with a 140 MB font takes about 10% more memory than one.)
//
// Threads: Borrow and the return of a lease may happen on any thread (the
// pool has its own lock); a lease, the holder it carries and the stream
// using it are driven by one thread at a time.
class MidiFont : public std::enable_shared_from_this<MidiFont> {
 public:
  // Null when `path` is missing, unreadable, not structured as a SoundFont 2
  // file, or refused by FluidSynth.
  static std::shared_ptr<MidiFont> Load(const std::string& path);

  MidiFont(const MidiFont&) = delete;
  MidiFont& operator=(const MidiFont&) = delete;
  ~MidiFont();

  struct Holder;

  // One holder lent to one stream. It keeps the font alive, and goes back
  // to the font's pool when destroyed; destroy it only after the
  // synthesizer it was attached to.
  class Lease {
   public:
    Lease(std::shared_ptr<MidiFont> font, std::unique_ptr<Holder> holder);
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    ~Lease();

    // Gives `synth`, which must have no font yet, the holder's presets.
    // Call right after creating the synthesizer; false when FluidSynth
    // refuses.
    bool AttachTo(fluid_synth_t* synth) const;

   private:
    std::shared_ptr<MidiFont> font_;
    std::unique_ptr<Holder> holder_;
  };

  // An idle holder, or a newly loaded one when all are lent; null when
  // FluidSynth refuses to load the file again (it changed or went away).
  std::unique_ptr<Lease> Borrow();

  // Holders loaded so far, idle or lent.
  size_t HolderCount() const;

  const std::string& Path() const { return path_; }

  // The bank, program and name of each of the font's presets, in the order
  // FluidSynth lists them; read once, when the font is loaded.
  struct Preset {
    PresetNumber number;
    std::string name;
  };
  const std::vector<Preset>& Presets() const { return presets_; }

 private:
  explicit MidiFont(std::string path);
  void GiveBack(std::unique_ptr<Holder> holder);

  const std::string path_;
  std::vector<Preset> presets_;
  mutable std::mutex mutex_;  // guards idle_ and holders_
  std::vector<std::unique_ptr<Holder>> idle_;
  size_t holders_ = 0;
};

}  // namespace engine
