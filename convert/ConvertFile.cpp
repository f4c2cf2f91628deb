#include "convert/ConvertFile.h"

#include <sys/stat.h>

#include <memory>

#include "codecs/readers/ProgramReaders.h"
#include "convert/Amplify.h"
#include "convert/ConversionLoop.h"
#include "convert/ConvertRoutines.h"
#include "convert/FileProgress.h"
#include "convert/OutputDescription.h"
#include "platform/paths/PathIdentity.h"
#include "source/OpenSource.h"
#include "source/SourceFile.h"
#include "source/SourceKind.h"

namespace {

BlockPlan PlanBlocks(const OutputDescription& output, const ConvertSettings& settings, int32_t kind,
                     const SourceInfo& source, const WriterFormat& target) {
  BlockPlan plan;
  plan.sourceRate = source.sampleRate;
  plan.sourceChannels = source.outputChannels;
  plan.sourceBits = source.bitsPerSample;
  plan.targetRate = target.rate;
  plan.targetChannels = target.channels;
  plan.targetBits = target.bits;
  PlanChannels(plan, settings.monoType);
  const uint32_t coefficient = settings.*output.amplifyCoeff;
  if (settings.*output.amplify != 0 && coefficient != 100) plan.gain = AmplifyFactor(coefficient);
  plan.sequenced = IsSequencedKind(kind);
  plan.writeFailureEnds = output.writeFailureEnds;
  return plan;
}

// The source file's identity, size and modification time.
struct SourceStamp {
  bool known = false;
  struct stat info {};
};

SourceStamp StampOf(const std::string& path) {
  SourceStamp stamp;
  stamp.known = stat(path.c_str(), &stamp.info) == 0;
  return stamp;
}

// True when the file at the source's path is still the one that was opened
// but its size or modification time moved while it was read: the decoder
// may have met a cut or rewritten file, so its output cannot be trusted
// whole. A source removed or replaced meanwhile was read to its end through
// the reader's own handle and is no change.
bool ChangedInPlace(const SourceStamp& before, const std::string& path) {
  const SourceStamp now = StampOf(path);
  if (!before.known || !now.known) return false;
  const struct stat& a = before.info;
  const struct stat& b = now.info;
  if (a.st_dev != b.st_dev || a.st_ino != b.st_ino) return false;
  return a.st_size != b.st_size || a.st_mtim.tv_sec != b.st_mtim.tv_sec ||
         a.st_mtim.tv_nsec != b.st_mtim.tv_nsec;
}

}  // namespace

bool ConvertFile(const OutputDescription& output, int32_t kind, const std::string& sourcePath,
                 const std::string& outputPath, const ConversionContext& context) {
  const ConvertSettings& settings = context.settings;
  const SourceStamp opened = StampOf(sourcePath);
  std::unique_ptr<AudioSource> source =
      OpenSource(sourcePath, kind, output.renderRate(settings), true, ProgramReaders());
  if (!source) {
    context.reason = "the source cannot be opened";
    return false;
  }

  const SourceInfo info = source->Info();
  const WriterFormat target = output.targetFormat(settings, kind, info);
  const BlockPlan plan = PlanBlocks(output, settings, kind, info, target);
  if (output.refuse) {
    if (const char* refusal = output.refuse(info, target)) {
      context.status = refusal;
      return false;
    }
  }

  OutputTag tag;
  if (output.tagOption) {
    tag = ChooseOutputTag(settings.*output.tagOption, output.copiesId3Blocks, kind, sourcePath,
                          *source, settings.*output.tagPreset, context.sequence);
  }
  const std::unique_ptr<AudioWriter> writer =
      output.makeWriter(WriterRequest{settings, kind, info, tag, target});
  // A writer that does not open leaves nothing behind.
  if (!writer || !writer->Open(outputPath, target)) {
    context.reason = "the encoder cannot write the output file";
    return false;
  }

  FileProgress fileProgress(context.progress, FileCellText(sourcePath), source->GetLength());
  const LoopEnd end = RunBlockLoop(*source, plan, *writer, fileProgress, context.progress);
  // A source read whole may still have rendered no usable sound.
  const std::string fault = end == LoopEnd::FINISHED ? source->GetFault() : std::string();
  context.note = source->GetNote();
  source->Close();
  source.reset();
  // An output written over the source itself changes it on purpose.
  const bool changed = end == LoopEnd::FINISHED && !IsSameFile(outputPath, sourcePath) &&
                       ChangedInPlace(opened, sourcePath);
  const bool closed = writer->Close();
  const bool ok = end == LoopEnd::FINISHED && fault.empty() && !changed && closed;
  if (!ok) {
    if (!fault.empty())
      context.reason = fault;
    else if (changed)
      context.reason = "the source changed while it was converted";
    else if (end == LoopEnd::FAILED || !closed)
      context.reason = "reading the source or writing the output failed part-way";
    RemoveFailedOutput(outputPath, sourcePath);
  }
  return ok;
}
