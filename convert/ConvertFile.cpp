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
#include "convert/ConversionProgress.h"
#include "convert/CoverArt.h"
#include "convert/FileProgress.h"
#include "convert/KeptRender.h"
#include "convert/LoudnessMeter.h"
#include "convert/Normalization.h"
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
  // Normalised loudness takes the place of the format's amplification.
  const uint32_t coefficient = settings.*output.amplifyCoeff;
  if (settings.normalize == NORMALIZE_OFF && settings.*output.amplify != 0 && coefficient != 100)
    plan.gain = AmplifyFactor(coefficient);
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

// The plan of a second pass that reads back a kept render: it is already in
// the writer's format, so only the gain is left to apply.
BlockPlan ReplayPlan(BlockPlan plan) {
  plan.sourceRate = plan.targetRate;
  plan.sourceChannels = plan.targetChannels;
  plan.sourceBits = plan.targetBits;
  plan.selectChannel = 0;
  plan.convert = false;
  plan.sequenced = false;
  return plan;
}

// The source opened for `output`: a MIDI song rendered at the output's rate.
std::unique_ptr<AudioSource> OpenForOutput(const OutputDescription& output, int32_t kind,
                                           const std::string& sourcePath,
                                           const ConvertSettings& settings) {
  return OpenSource(sourcePath, kind, output.renderRate(settings), true, ProgramReaders());
}

// Why a source could not be opened: a MIDI file says what is wrong with it.
std::string OpenFailure(int32_t kind, const std::string& sourcePath) {
  std::string reason = kind == KIND_MIDI ? engine::MidiFileProblem(sourcePath) : std::string();
  return reason.empty() ? "the source cannot be opened" : reason;
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
  // The first pass of a normalised entry measured alone; it may hold the
  // render the second pass reads, so it outlives the source.
  LevelPass ownPass;
  const SourceStamp opened = SourceStamp::Take(sourcePath);
  std::unique_ptr<AudioSource> source = OpenForOutput(output, kind, sourcePath, settings);
  if (!source) {
    context.reason = OpenFailure(kind, sourcePath);
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

  // What is written is measured only when its tags will carry the result:
  // as the writer takes it, or once the file is complete, as it decodes.
  LoopTally tally;
  std::shared_ptr<LoudnessMeter> meter;
  const bool tagsLoudness =
      settings.replayGain != REPLAYGAIN_NONE && HoldsReplayGainTags(outputPath);
  if (tagsLoudness && !output.measuresDecoded) {
    meter = std::make_shared<LoudnessMeter>(target.rate, target.channels);
    if (meter->Valid())
      tally.meter = meter.get();
    else
      meter.reset();
  }

  // Normalised loudness takes two passes: the first measures what would be
  // written (here, or with the rest of its album before any of it was
  // encoded), the second writes it with the one gain that brings it to the
  // target. A MIDI song or a module is rendered once: the second pass reads
  // the render the first kept; any other source is decoded again.
  const bool normalizing = settings.normalize != NORMALIZE_OFF;
  LevelPass* pass = context.levels;
  BlockPlan encodePlan = plan;
  std::string gainNote;
  std::string problem;
  if (normalizing) {
    if (!pass) {
      FileProgress measuring(context.progress, FileCellText(sourcePath), source->GetLength(),
                             FileProgress::Pass::FIRST_OF_TWO);
      ownPass = RunLevelPass(*source, plan, target, plan.sequenced, measuring, context.progress);
      pass = &ownPass;
    }
    if (pass->Succeeded()) {
      const NormalizeGain gain =
          pass->albumGain ? *pass->albumGain : ChooseNormalizeGain({pass->meter}, settings);
      encodePlan.gain = NormalizeFactor(gain);
      gainNote = NormalizeNote(gain);
      if (pass->kept) {
        source->Close();
        source = pass->kept->Replay();
        encodePlan = ReplayPlan(encodePlan);
      } else if (pass == &ownPass) {
        source->Close();
        source = OpenForOutput(output, kind, sourcePath, settings);
        if (!source)
          problem = "the source could not be opened again after its loudness was measured";
      }
    } else {
      problem = pass->problem;
    }
  }

  LoopEnd end = LoopEnd::FAILED;
  double damagedAt = -1;
  std::string fault;
  if (normalizing && !pass->Succeeded()) {
    end = pass->end;
    damagedAt = pass->damagedAt;
    fault = pass->fault;
    context.note = pass->note;
  } else if (source) {
    // A sampled source decodes its next blocks on a thread of its own while
    // the writer encodes; a song's end is decided by its position as it goes,
    // and a kept render is already at hand.
    if (!plan.sequenced && !(pass && pass->kept))
      source = std::make_unique<ReadAheadSource>(std::move(source));
    FileProgress fileProgress(
        context.progress, FileCellText(sourcePath), source->GetLength(),
        normalizing ? FileProgress::Pass::SECOND_OF_TWO : FileProgress::Pass::WHOLE);
    end = RunBlockLoop(*source, encodePlan, *writer, fileProgress, context.progress, &tally);
    damagedAt = end == LoopEnd::FINISHED ? source->DamagedAt() : -1;
    // A source read whole may still have rendered no usable sound.
    fault = end == LoopEnd::FINISHED ? source->GetFault() : std::string();
    // A render read back says nothing: its source spoke in the first pass.
    context.note = pass && pass->kept ? pass->note : source->GetNote();
  }
  if (!gainNote.empty() && end == LoopEnd::FINISHED) AddNote(context.note, gainNote);
  if (tally.clipped > 0)
    AddNote(context.note, std::string(normalizing ? "normalisation" : "amplification") +
                              " clipped " + std::to_string(tally.clipped) + " samples");
  if (source) source->Close();
  source.reset();
  // An output written over the source itself changes it on purpose.
  const bool changed = end == LoopEnd::FINISHED && !IsSameFile(outputPath, sourcePath) &&
                       opened.ChangedInPlace(sourcePath);
  const bool closed = writer->Close();
  bool ok = end == LoopEnd::FINISHED && fault.empty() && !changed && damagedAt < 0 && closed &&
            problem.empty();
  // The source's pictures go into the complete file while it still has its
  // temporary name; one that cannot take them is no success.
  if (ok && !CarryCoverArt(output, sourcePath, outputPath, context)) ok = false;
  // The tags take the values once the file is complete, while it still has
  // its temporary name: a file that cannot take them is no success.
  bool measured = true;
  if (ok && tagsLoudness && output.measuresDecoded) {
    meter = MeasureSource(outputPath, SourceKindFromPath(outputPath), LoudnessMeter::NONE,
                          [&context] { return context.progress.CancelRequested(); });
    measured = ok = meter != nullptr;
  }
  bool tagged = true;
  if (ok && meter) {
    tagged = WriteReplayGainTags(outputPath, TrackReplayGain(meter->Values()));
    ok = tagged;
    if (tagged) context.loudness = meter;
  }
  if (!ok) {
    if (!measured)
      context.reason = "the finished output could not be decoded to measure its loudness";
    else if (!tagged)
      context.reason = "the ReplayGain tags could not be written into the output";
    else if (!problem.empty())
      context.reason = problem;
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

LevelPass MeasureLevels(const OutputDescription& output, int32_t kind,
                        const std::string& sourcePath, const ConvertSettings& settings,
                        ConversionProgress& progress) {
  LevelPass pass;
  std::unique_ptr<AudioSource> source = OpenForOutput(output, kind, sourcePath, settings);
  if (!source) {
    pass.problem = OpenFailure(kind, sourcePath);
    return pass;
  }
  const SourceInfo info = source->Info();
  const WriterFormat target = output.targetFormat(settings, kind, info);
  const BlockPlan plan = PlanBlocks(output, settings, kind, info, target);
  // A refused entry is refused again when it converts, and says why then.
  if (output.refuse && output.refuse(info, target)) {
    pass.problem = "the output format refuses the source";
    return pass;
  }
  FileProgress measuring(progress, FileCellText(sourcePath), source->GetLength(),
                         FileProgress::Pass::FIRST_OF_TWO);
  pass = RunLevelPass(*source, plan, target, plan.sequenced, measuring, progress);
  source->Close();
  return pass;
}

void RemoveFailedOutput(const std::string& outputPath, const std::string& sourcePath) {
  if (!outputPath.empty() && !IsSameFile(outputPath, sourcePath)) unlink(outputPath.c_str());
}

void SetWriterWrap(WriterWrap wrap) { writerWrap.store(wrap); }
