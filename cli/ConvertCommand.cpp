#include "cli/ConvertCommand.h"

#include <unistd.h>

#include <filesystem>
#include <ostream>

#include "app/ConvertSettings.h"
#include "app/EngineStartup.h"
#include "cli/Arguments.h"
#include "cli/CliFrontEnd.h"
#include "cli/OptionsCommand.h"
#include "codecs/readers/ProgramReaders.h"
#include "convert/ConversionJob.h"
#include "platform/paths/PathIdentity.h"
#include "platform/process/Signals.h"
#include "source/FileCollector.h"
#include "source/SourceList.h"

namespace {

// Applies the flags to `settings`, in the order given; the operands are the paths.
bool ParseFlags(const std::vector<std::string>& args, ConvertSettings& settings,
                std::vector<std::string>& paths, std::ostream& err) {
  Arguments parsed;
  if (!SplitArguments(args, {{"--to", true}, {"--out", true}, {"--set", true}}, "convert", parsed,
                      err))
    return false;
  for (const Arguments::Flag& flag : parsed.flags) {
    if (flag.name == "--to") {
      if (!ApplyOptionAssignment("OutputFormat=" + flag.value, settings, err)) return false;
    } else if (flag.name == "--out") {
      const std::string folder = NormalisedAbsolutePath(flag.value);
      if (!ApplyOptionAssignment("DestSpecifiedFolder=" + folder, settings, err)) return false;
      settings.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
    } else if (!ApplyOptionAssignment(flag.value, settings, err)) {
      return false;
    }
  }
  paths = std::move(parsed.operands);
  if (paths.empty()) {
    err << "sondrel-cli: convert needs at least one file or folder.\n";
    return false;
  }
  return true;
}

}  // namespace

ExitCode RunConvertCommand(const std::vector<std::string>& args, ConvertSettings& settings,
                           const std::string& programFolder, std::ostream& out, std::ostream& err) {
  std::vector<std::string> paths;
  if (!ParseFlags(args, settings, paths, err)) return EXIT_USAGE;

  EngineSession engine(programFolder);
  if (engine.Result() == EngineStart::WRONG_VERSION) return EXIT_FAILED;
  if (engine.Result() == EngineStart::INIT_FAILED) {
    err << INIT_FAILED_MESSAGE << '\n';
    return EXIT_FAILED;
  }

  SourceList list(ProgramReaders());
  LoadFailures failures;
  for (const std::string& path : paths) {
    std::error_code error;
    std::vector<std::string> files;
    if (std::filesystem::is_directory(path, error))
      files = CollectFiles(path, settings.enableExtFilter != 0, settings.extensionFilter);
    else
      files.push_back(path);
    for (const std::string& file : files)
      if (list.AddOneFile(file) == SourceList::AddResult::FAILED) failures.Add(file);
  }

  std::vector<std::string> entryPaths;
  for (const auto& entry : list.Entries()) entryPaths.push_back(entry->path);
  CliProgress progress(entryPaths, out, err, isatty(STDERR_FILENO) != 0);
  CliPrompter prompter(err);
  CatchCancelSignals();

  // An empty list (nothing found, or nothing readable) is reported as the
  // window reports it.
  ConversionJob job(settings, engine, prompter, progress);
  const BatchResult result = ConvertAll(list, job, prompter);
  if (!failures.Empty()) err << failures.Message();

  if (result.cancelled) return EXIT_CANCELLED;
  if (!failures.Empty() || result.failed > 0 || !result.ran) return EXIT_FAILED;
  return EXIT_OK;
}
