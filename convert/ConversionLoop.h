#pragma once

#include <cstdint>

class AudioSource;
class AudioWriter;
class ConversionProgress;
class FileProgress;
class LoudnessMeter;

// How the blocks of one source become the blocks a writer takes.
struct BlockPlan {
  // What the source delivers: its rate, delivered channels (1 or 2), bits.
  uint32_t sourceRate = 0;
  uint32_t sourceChannels = 0;
  uint32_t sourceBits = 0;
  // What the writer takes.
  uint32_t targetRate = 0;
  uint32_t targetChannels = 0;
  uint32_t targetBits = 0;
  // 1 or 2: only the left or right source channel goes on (a stereo source
  // into one channel); 0: both.
  uint32_t selectChannel = 0;
  // The SampleConverter changes rate, depth or channel count.
  bool convert = false;
  // The gain factor (coefficient x 0.01); 0 leaves the samples unchanged.
  float gain = 0;
  // A module or MIDI song: it ends as soon as its position reaches its
  // length, whatever the decoder would still deliver.
  bool sequenced = false;
  // A write that answers false fails the file; otherwise it is ignored.
  bool writeFailureEnds = true;
};

enum class LoopEnd { FINISHED, FAILED, CANCELLED };

// What the loop learns of the samples it writes, besides writing them.
struct LoopTally {
  // Optional: measures every block as the writer takes it (after
  // conversion and amplification).
  LoudnessMeter* meter = nullptr;
  // The samples the gain clipped, all channels counted.
  uint64_t clipped = 0;
};

// The per-file loop: read a block, show progress, pump and poll Cancel,
// convert, amplify, write (16-bit or 8-bit blocks by the target depth; the
// right array only for two target channels); at the end, the samples the
// resamplers still hold are written too. Buffers are allocated once for the
// file. `tally`, when given, measures and counts what is written.
LoopEnd RunBlockLoop(AudioSource& source, const BlockPlan& plan, AudioWriter& writer,
                     FileProgress& fileProgress, ConversionProgress& progress,
                     LoopTally* tally = nullptr);

// How many times the loop has started on a MIDI song or a module in this
// process: each start renders the song from its beginning, the costly work
// of converting one.
uint64_t SequencedRendersStarted();

// The render rate and the decision of the channel selection and the
// conversion for a target format, by the MonoType option: 1 passes the
// left channel, 2 the right one, anything else averages both.
void PlanChannels(BlockPlan& plan, uint32_t monoType);
