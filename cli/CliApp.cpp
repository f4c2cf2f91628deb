#include "cli/CliApp.h"

#include <ostream>

#include "app/ConvertSettings.h"
#include "app/SettingsStore.h"
#include "cli/ConvertCommand.h"
#include "cli/InfoCommand.h"
#include "cli/OptionsCommand.h"
#include "platform/paths/StandardFolders.h"
#include "platform/settings/SettingsKey.h"

namespace {

const char kUsage[] =
    "Usage: sondrel-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Sondrel converts sound files: MIDI songs rendered through a SoundFont, and\n"
    "most audio formats. The command-line front end shares its options with the\n"
    "window.\n"
    "\n"
    "Commands:\n"
    "  convert [FLAGS] PATH... convert files and folders (searched with their\n"
    "                          sub-folders) with the saved options; prints\n"
    "                          \"path<TAB>status\" for each entry\n"
    "      --to FORMAT         output format for this run: mp3, wav, wma, ogg, aac,\n"
    "                          m4a, mp4, m4b, amr or awb\n"
    "      --out DIR           write into DIR for this run\n"
    "      --set NAME=VALUE    any option for this run (names as 'options' prints)\n"
    "  info [--tags] PATH...   probe files and folders and print a table: File,\n"
    "                          Duration, Bit Rate, Freq., Channels; --tags adds\n"
    "                          the nine tag texts of each file; --json prints\n"
    "                          one JSON array instead (numbers, null if unknown)\n"
    "  options                 print every option as Name=Value, tag presets last\n"
    "                          (MP3Tag/Title=...)\n"
    "  options NAME=VALUE...   change options, names as printed; OutputFormat also\n"
    "                          takes a format name (mp3, wav, wma, ogg, aac, m4a,\n"
    "                          mp4, m4b, amr, awb)\n"
    "\n"
    "  -h, --help              show this help\n"
    "  -V, --version           show the version\n"
    "\n"
    "Options live in $XDG_CONFIG_HOME/Vantrel Technologies/Sondrel.conf.\n"
    "Exit codes: 0 success, 1 a failure while working (a file that failed to load\n"
    "or convert), 2 a wrong command line, 130 interrupted.\n";

}  // namespace

ExitCode RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return EXIT_USAGE;
  }
  const std::string& command = args.front();
  if (command == "-h" || command == "--help" || command == "help") {
    out << kUsage;
    return EXIT_OK;
  }
  if (command == "-V" || command == "--version") {
    out << "sondrel-cli " << SONDREL_VERSION << '\n';
    return EXIT_OK;
  }
  if (command == "options") {
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const std::string& arg : rest) {
      if (arg == "-h" || arg == "--help") {
        out << kUsage;
        return EXIT_OK;
      }
    }
    ConvertSettings settings(DocumentsFolder());
    const std::unique_ptr<SettingsRoot> root = OpenUserSettings();
    return RunOptionsCommand(rest, settings, *root, out, err);
  }
  if (command == "info" || command == "convert") {
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    ConvertSettings settings(DocumentsFolder());
    const std::unique_ptr<SettingsRoot> root = OpenUserSettings();
    LoadSettings(settings, *root);
    // Working with the defaults is fine, but not silently: the user's own
    // options would otherwise be ignored without a word.
    const std::string problem = root->ReadProblem();
    if (!problem.empty()) err << "sondrel-cli: " << problem << "; the defaults are used.\n";
    if (command == "info") return RunInfoCommand(rest, settings, ProgramFolder(), out, err);
    return RunConvertCommand(rest, settings, ProgramFolder(), out, err);
  }
  err << "sondrel-cli: unknown command \"" << command
      << "\". Run 'sondrel-cli --help' for the commands.\n";
  return EXIT_USAGE;
}
