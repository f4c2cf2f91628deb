#include "convert/ConversionLoop.h"

#include <atomic>
#include <memory>
#include <vector>

#include "codecs/writers/AudioWriter.h"
#include "convert/Amplify.h"
#include "convert/ConversionProgress.h"
#include "convert/FileProgress.h"
#include "convert/LoudnessMeter.h"
#include "convert/SampleConverter.h"
#include "source/AudioSource.h"

namespace {

std::atomic<uint64_t> sequencedRenders{0};

// The output arrays of the converter, sized once for the file.
struct ConvertedBlock {
  std::vector<int16_t> left;
  std::vector<int16_t> right;
  int count = 0;
};

// Answers how many samples the gain clipped.
uint64_t Amplify(void* left, void* right, int count, const BlockPlan& plan) {
  if (plan.gain == 0) return 0;
  const int channels = static_cast<int>(plan.targetChannels);
  if (plan.targetBits == 8)
    return Amplify8(static_cast<uint8_t*>(left), static_cast<uint8_t*>(right), count, channels,
                    plan.gain);
  return Amplify16(static_cast<int16_t*>(left), static_cast<int16_t*>(right), count, channels,
                   plan.gain);
}

}  // namespace

uint64_t SequencedRendersStarted() { return sequencedRenders.load(); }

void PlanChannels(BlockPlan& plan, uint32_t monoType) {
  const bool fewer = plan.targetChannels < plan.sourceChannels;
  const bool select = fewer && (monoType == 1 || monoType == 2);
  plan.selectChannel = select ? monoType : 0;
  plan.convert = plan.targetRate != plan.sourceRate || plan.targetBits != plan.sourceBits ||
                 plan.targetChannels > plan.sourceChannels || (fewer && !select);
}

LoopEnd RunBlockLoop(AudioSource& source, const BlockPlan& plan, AudioWriter& writer,
                     FileProgress& fileProgress, ConversionProgress& progress,
                     LoopTally* tally) {
  if (plan.sequenced) ++sequencedRenders;
  auto input = std::make_unique<PcmBlock>();

  std::unique_ptr<SampleConverter> converter;
  ConvertedBlock out;
  if (plan.convert) {
    converter = std::make_unique<SampleConverter>();
    converter->inputRate = static_cast<int32_t>(plan.sourceRate);
    converter->inputChannels = plan.selectChannel ? 1 : static_cast<int32_t>(plan.sourceChannels);
    converter->inputBits = static_cast<int32_t>(plan.sourceBits);
    converter->outputRate = static_cast<int32_t>(plan.targetRate);
    converter->outputChannels = static_cast<int32_t>(plan.targetChannels);
    converter->outputBits = static_cast<int32_t>(plan.targetBits);
    if (!converter->Prepare()) return LoopEnd::FAILED;
    // int16_t arrays hold 8-bit blocks as well.
    const size_t capacity = static_cast<size_t>(converter->OutputCapacity(BLOCK_SAMPLES));
    out.left.assign(capacity, 0);
    if (plan.targetChannels == 2) out.right.assign(capacity, 0);
  }

  auto writeBlock = [&](void* left, void* right, int count) {
    const uint64_t clipped = Amplify(left, right, count, plan);
    if (plan.targetChannels != 2) right = nullptr;
    if (tally) tally->clipped += clipped;
    if (tally && tally->meter) {
      if (plan.targetBits == 8)
        tally->meter->Add8(static_cast<const uint8_t*>(left), static_cast<const uint8_t*>(right),
                           count);
      else
        tally->meter->Add16(static_cast<const int16_t*>(left), static_cast<const int16_t*>(right),
                            count);
    }
    const bool written = plan.targetBits == 8
                             ? writer.WriteBlock8(static_cast<const uint8_t*>(left),
                                                  static_cast<const uint8_t*>(right), count)
                             : writer.WriteBlock16(static_cast<const int16_t*>(left),
                                                   static_cast<const int16_t*>(right), count);
    return written || !plan.writeFailureEnds;
  };
  // The arrays of one input block after channel selection.
  const bool eightBit = plan.sourceBits == 8;
  auto channel = [&](int which) -> void* {
    if (which == 2) return eightBit ? static_cast<void*>(input->Right8()) : input->right;
    return eightBit ? static_cast<void*>(input->Left8()) : input->left;
  };

  for (;;) {
    const int n = source.Read(*input);
    if (n <= 0) break;
    const uint64_t position = source.GetPosition();
    fileProgress.Update(position);
    progress.Pump();
    if (progress.CancelRequested()) return LoopEnd::CANCELLED;

    void* left = channel(plan.selectChannel == 2 ? 2 : 1);
    void* right = plan.selectChannel == 0 && plan.sourceChannels == 2 ? channel(2) : nullptr;
    if (converter) {
      if (!converter->Process(left, right, n, out.left.data(), out.right.empty() ? nullptr : out.right.data(),
                              out.count))
        return LoopEnd::FAILED;
      if (!writeBlock(out.left.data(), out.right.data(), out.count)) return LoopEnd::FAILED;
    } else {
      // Mono to mono or stereo to stereo at the same rate and depth, or
      // one selected channel passed on unchanged.
      if (!writeBlock(left, right ? right : left, n)) return LoopEnd::FAILED;
    }
    // Asked anew: a MIDI song whose tail still rings grows as it renders.
    if (plan.sequenced && position >= source.GetLength()) break;
  }

  // The resamplers hold the last few milliseconds of the file: write them.
  if (converter) {
    for (;;) {
      if (!converter->Flush(out.left.data(), out.right.empty() ? nullptr : out.right.data(), out.count))
        return LoopEnd::FAILED;
      if (out.count == 0) break;
      if (!writeBlock(out.left.data(), out.right.data(), out.count)) return LoopEnd::FAILED;
    }
  }
  fileProgress.Complete();
  return LoopEnd::FINISHED;
}
