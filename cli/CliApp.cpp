#include "cli/CliApp.h"

#include <ostream>

#include "app/ConvertSettings.h"
#include "app/SettingsStore.h"
#include "cli/Arguments.h"
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
    "  convert [FLAGS] PATH... convert files and folders with the saved options\n"
    "  info [--tags] [--json] [--quiet | --verbose] PATH...\n"
    "                          probe files and folders and print a table\n"
    "  options [NAME=VALUE...] print or change the options\n"
    "\n"
    "  -h, --help              show this help; 'sondrel-cli COMMAND --help' shows\n"
    "                          the help of one command\n"
    "  -V, --version           show the version\n"
    "\n"
    "A flag's value follows it or an \"=\": --out DIR or --out=DIR.\n"
    "Options live in $XDG_CONFIG_HOME/Vantrel Technologies/Sondrel.conf.\n"
    "Exit codes: 0 success, 1 a failure while working (a file that failed to load\n"
    "or convert), 2 a wrong command line, 130 interrupted.\n";

const char kConvertUsage[] =
    "Usage: sondrel-cli convert [FLAGS] PATH...\n"
    "\n"
    "Converts files and folders (searched with their sub-folders) with the saved\n"
    "options and prints \"path<TAB>status\" for each entry. The flags change the\n"
    "options for this run only.\n"
    "\n"
    "  --to FORMAT       output format: mp3, wav, wma, ogg, aac, m4a, mp4, m4b,\n"
    "                    amr, awb, flac or opus\n"
    "  --out DIR         write into DIR; an entry whose output cannot be made\n"
    "                    there fails\n"
    "  --set NAME=VALUE  any option, names and values as 'sondrel-cli options'\n"
    "                    prints them (repeatable)\n"
    "  --bitrate N       bit rate in kbit/s of the output format (MP3, WMA, OGG,\n"
    "                    Opus; AAC and M4A: the average bit rate)\n"
    "  --quality N       encode by quality level: MP3 0 (best) to 9 (smallest), a\n"
    "                    variable bit rate; OGG -1 (smallest) to 10 (best); FLAC\n"
    "                    the compression level, 0 (fastest) to 8 (smallest); Opus\n"
    "                    the complexity, 0 (fastest) to 10 (best sound)\n"
    "  --rate HZ         sample rate in Hz (MP3, WAV, WMA, OGG, FLAC)\n"
    "  --channels N      1, 2, mono or stereo (MP3, WAV, WMA, OGG, FLAC, Opus)\n"
    "                    These switch the format's automatic mode off (--quality\n"
    "                    for MP3 and OGG only).\n"
    "  --tag MODE        preset, transfer or none: tag from the format's preset,\n"
    "                    copied from the source, or none (MP3, WMA, OGG, M4A,\n"
    "                    FLAC, Opus); transfer carries the source's pictures too\n"
    "  --replaygain MODE off, track or album: measure what is written (EBU R128)\n"
    "                    and tag MP3, OGG, FLAC, Opus, M4A, MP4, M4B and WMA\n"
    "                    outputs with ReplayGain gain and peak, the track's, or\n"
    "                    the track's and the album's (WAV, AMR, AWB, AAC: none)\n"
    "  --album-by WHAT   folder or batch: an album is the files of one source\n"
    "                    folder (the default) or the whole batch\n"
    "  --normalize[=LUFS]\n"
    "                    bring every output to LUFS (-5 to -40, default -16)\n"
    "                    with one gain, measured in a first pass and lowered to\n"
    "                    keep the true-peak ceiling; in place of amplification\n"
    "  --normalize-by HOW\n"
    "                    track or album: one gain per file (the default) or per\n"
    "                    album (the albums of --album-by); turns it on\n"
    "  --ceiling DBTP    the true peak a normalised output keeps below, 0 to\n"
    "                    -12 (default -1.0)\n"
    "  --overwrite       replace output files that exist\n"
    "  --skip-existing   leave output files that exist; a skipped file counts\n"
    "                    as done\n"
    "  --keep-folders    with --out or a custom output folder: repeat the\n"
    "                    sub-folders of each folder named below the output\n"
    "                    folder, so equal names in different folders stay apart\n"
    "  --name PATTERN    name each output by its source's tags, as\n"
    "                    '{artist}/{album}/{track:02} - {title}'; fields: title,\n"
    "                    artist, album, albumartist, composer, genre, year, track,\n"
    "                    disc, name, ext, folder; a \"/\" makes a sub-folder below\n"
    "                    the output folder (the OutputNamePattern option)\n"
    "  --verify          decode each output before it takes its name and check\n"
    "                    its rate, channels, length and level against what was\n"
    "                    written; one that fails is removed, any old file kept\n"
    "  --cover-from-folder\n"
    "                    when tags are transferred from a source without a\n"
    "                    picture, put cover.jpg or folder.jpg (or .png) from\n"
    "                    the source's folder into the output as its cover\n"
    "  --soundfont PATH  render MIDI with this SoundFont instead of the stored\n"
    "                    SoundFontFile (empty: ct4mgm.sf2 beside the program)\n"
    "  -j, --jobs N      convert N files at a time (default: the ConvertJobs\n"
    "                    option, one per core unless set); the outputs and the\n"
    "                    order of the statuses are the same\n"
    "  --dry-run         print what each file would become and write nothing:\n"
    "                    source, action (convert, overwrite, rename, skip,\n"
    "                    fail) and the output or the reason, tab-separated\n"
    "  --json            with --dry-run: print the plan as a JSON array\n"
    "  --report FILE     append a JSON line per file as it ends (source, output,\n"
    "                    status, reason, lengths, seconds, bytes) and a summary\n"
    "  --shard K/N       convert only the K-th of N shares of the batch, for\n"
    "                    spreading it over machines\n"
    "  --quiet           print only the entries that failed and why\n"
    "  --verbose         also name each file met in a folder that is not a sound\n"
    "                    file (else they are counted in one line)\n"
    "  --                every argument after it is a path\n"
    "  -h, --help        show this help\n"
    "\n"
    "A flag's value follows it or an \"=\": --to=ogg, --set=MonoType=left.\n"
    "Example: sondrel-cli convert --to=mp3 --out ~/Music/mp3 --keep-folders --skip-existing ~/midi\n";

const char kInfoUsage[] =
    "Usage: sondrel-cli info [--tags] [--loudness [-j N]] [--json] [--quiet | --verbose] PATH...\n"
    "\n"
    "Probes files and folders as adding them to the list does and prints a table:\n"
    "File, Duration, Bit Rate, Freq., Channels.\n"
    "\n"
    "  --tags      add the nine tag texts of each file\n"
    "  --loudness  decode each file and add its integrated loudness (LUFS),\n"
    "              loudness range (LU) and true peak (dBTP); JSON fields\n"
    "              loudness_lufs, loudness_range_lu, true_peak_dbtp\n"
    "  -j, --jobs N  measure N files at a time (default: the ConvertJobs option)\n"
    "  --json      print one JSON array instead, for scripts: an object per file\n"
    "              with its absolute path and plain numbers (null if unknown)\n"
    "  --quiet     print only the files that failed to load and why\n"
    "  --verbose   also name each file met in a folder that is not a sound file\n"
    "              (else they are counted in one line)\n"
    "  --          every argument after it is a path\n"
    "  -h, --help  show this help\n";

const char kOptionsUsage[] =
    "Usage: sondrel-cli options [NAME=VALUE...]\n"
    "       sondrel-cli options --describe\n"
    "\n"
    "Without arguments, prints every option as NAME=VALUE, tag presets last\n"
    "(MP3Tag/Title=...). With NAME=VALUE pairs, checks them all, saves them and\n"
    "prints them as stored; a bad pair saves nothing.\n"
    "\n"
    "Options with a set of values take a name or its number, and print the name:\n"
    "TargetExistsOpt=rename|overwrite|skip, DestOutputFolderOpt=source|custom,\n"
    "MonoType=average|left|right, MP3ID3TagType=preset|transfer|none,\n"
    "OutputFormat=mp3|wav|ogg|..., switches on|off. The settings file keeps the\n"
    "numbers the window reads.\n"
    "\n"
    "  --describe       print each option with its value, the values it takes and\n"
    "                   what it means\n"
    "  --names          print the option names, one a line (for shell completion)\n"
    "  --values NAME    print the value names of one option (for shell completion)\n"
    "  -h, --help       show this help\n"
    "\n"
    "Example: sondrel-cli options TargetExistsOpt=skip MP3ChannelMode=joint OutputFormat=ogg\n";

// The usage text of a command, or null for an unknown one.
const char* CommandUsage(const std::string& command) {
  if (command == "convert") return kConvertUsage;
  if (command == "info") return kInfoUsage;
  if (command == "options") return kOptionsUsage;
  return nullptr;
}

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
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (const char* usage = CommandUsage(command); usage && HelpRequested(rest)) {
    out << usage;
    return EXIT_OK;
  }
  if (command == "options") {
    ConvertSettings settings(DocumentsFolder());
    const std::unique_ptr<SettingsRoot> root = OpenUserSettings();
    return RunOptionsCommand(rest, settings, *root, out, err);
  }
  if (command == "info" || command == "convert") {
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
