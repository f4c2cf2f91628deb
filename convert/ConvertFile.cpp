#include "convert/ConvertFile.h"

#include <unistd.h>

#include <cmath>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>

#include "codecs/readers/ProgramReaders.h"
#include "convert/Amplify.h"
#include "convert/ConversionLoop.h"
#include "convert/FileProgress.h"
#include "convert/LoudnessMeter.h"
#include "convert/OutputDescription.h"
#include "convert/SourceStamp.h"
#include "convert/WrittenAudio.h"
#include "platform/engine/Engine.h"
#include "platform/paths/PathIdentity.h"
#include "platform/tags/ReplayGainTags.h"
#include "source/OpenSource.h"
#include "source/ReadAheadSource.h"
#include "source/SourceFile.h"
#include "source/SourceKind.h"

namespace {

std::atomic<WriterWrap> writerWrap{nullptr};

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

// "m:ss" of a time in seconds, the seconds cut to whole ones.
std::string MinutesAndSeconds(double seconds) {
  const long whole = static_cast<long>(seconds);
  char text[32];
  std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
  return text;
}

// Adds `more` to a note, after what it already says.
void AddNote(std::string& note, const std::string& more) {
  note += note.empty() ? more : "; " + more;
}

}  // namespace

ReplayGainValues TrackReplayGain(const LoudnessValues& values) {
  ReplayGainValues tags;
  if (!values.measured) return tags;
  // Silence has no loudness to correct: it gets its peak only.
  if (std::isfinite(values.integrated))
    tags.trackGain = REPLAYGAIN_REFERENCE_LUFS - values.integrated;
  tags.trackPeak = values.truePeak;
  return tags;
}

bool ConvertFile(const OutputDescription& output, int32_t kind, const std::string& sourcePath,
                 const std::string& outputPath, const ConversionContext& context) {
  const ConvertSettings& settings = context.settings;
  const SourceStamp opened = SourceStamp::Take(sourcePath);
  std::unique_ptr<AudioSource> source =
      OpenSource(sourcePath, kind, output.renderRate(settings), true, ProgramReaders());
  if (!source) {
    // A MIDI file says what is wrong with it.
    context.reason = kind == KIND_MIDI ? engine::MidiFileProblem(sourcePath) : std::string();
    if (context.reason.empty()) context.reason = "the source cannot be opened";
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
  std::unique_ptr<AudioWriter> writer =
      output.makeWriter(WriterRequest{settings, kind, info, tag, target});
  if (const WriterWrap wrap = writerWrap.load(); writer && wrap) writer = wrap(std::move(writer));
  if (writer && context.written) {
    *context.written = WrittenAudio();
    if (output.storedFormat) {
      const WriterFormat stored = output.storedFormat(settings, info);
      context.written->rate = stored.rate;
      context.written->channels = stored.channels;
    }
    writer = std::make_unique<MeasuredWriter>(std::move(writer), *context.written);
  }
  // A writer that does not open leaves nothing behind.
  if (!writer || !writer->Open(outputPath, target)) {
    context.reason = "the encoder cannot write the output file";
    return false;
  }

  // What is written is measured only when its tags will carry the result.
  LoopTally tally;
  std::shared_ptr<LoudnessMeter> meter;
  if (settings.replayGain != REPLAYGAIN_NONE && HoldsReplayGainTags(outputPath)) {
    meter = std::make_shared<LoudnessMeter>(target.rate, target.channels);
    if (meter->Valid())
      tally.meter = meter.get();
    else
      meter.reset();
  }

  FileProgress fileProgress(context.progress, FileCellText(sourcePath), source->GetLength());
  // A sampled source decodes its next blocks on a thread of its own while
  // the writer encodes; a song's end is decided by its position as it goes.
  if (!plan.sequenced) source = std::make_unique<ReadAheadSource>(std::move(source));
  const LoopEnd end = RunBlockLoop(*source, plan, *writer, fileProgress, context.progress, &tally);
  const double damagedAt = end == LoopEnd::FINISHED ? source->DamagedAt() : -1;
  // A source read whole may still have rendered no usable sound.
  const std::string fault = end == LoopEnd::FINISHED ? source->GetFault() : std::string();
  context.note = source->GetNote();
  if (tally.clipped > 0)
    AddNote(context.note, "amplification clipped " + std::to_string(tally.clipped) + " samples");
  source->Close();
  source.reset();
  // An output written over the source itself changes it on purpose.
  const bool changed = end == LoopEnd::FINISHED && !IsSameFile(outputPath, sourcePath) &&
                       opened.ChangedInPlace(sourcePath);
  const bool closed = writer->Close();
  bool ok = end == LoopEnd::FINISHED && fault.empty() && !changed && damagedAt < 0 && closed;
  // The tags take the values once the file is complete, while it still has
  // its temporary name: a file that cannot take them is no success.
  bool tagged = true;
  if (ok && meter) {
    tagged = WriteReplayGainTags(outputPath, TrackReplayGain(meter->Values()));
    ok = tagged;
    if (tagged) context.loudness = meter;
  }
  if (!ok) {
    if (!tagged)
      context.reason = "the ReplayGain tags could not be written into the output";
    else if (!fault.empty())
      context.reason = fault;
    else if (changed)
      context.reason = "the source changed while it was converted";
    else if (damagedAt >= 0)
      context.reason = "the source is damaged at " + MinutesAndSeconds(damagedAt);
    else if (end == LoopEnd::FAILED || !closed)
      context.reason = "reading the source or writing the output failed part-way";
    RemoveFailedOutput(outputPath, sourcePath);
  }
  return ok;
}

void RemoveFailedOutput(const std::string& outputPath, const std::string& sourcePath) {
  if (!outputPath.empty() && !IsSameFile(outputPath, sourcePath)) unlink(outputPath.c_str());
}

void SetWriterWrap(WriterWrap wrap) { writerWrap.store(wrap); }
