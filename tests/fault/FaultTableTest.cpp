// The fault table: one row per fault (and per output format where the
// fault concerns writing). Every row checks what the batch reports and that
// the fault left no partial output and no hidden temporary file, did not
// change the source, kept the file an overwrite would have replaced, and
// released every file descriptor.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <tuple>
#include <random>

#include "app/EngineStartup.h"
#include "app/OutputFormat.h"
#include "codecs/readers/ProgramReaders.h"
#include "convert/ConversionJob.h"
#include "source/SourceList.h"
#include "support/AudioFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/MidiFixtures.h"
#include "support/ProgramFolder.h"
#include "support/RunProcess.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRate = 44100;
constexpr int kSeconds = 3;
const std::string kOldTarget = "the old target";

int OpenDescriptors() {
  int count = 0;
  for (const auto& item : fs::directory_iterator("/proc/self/fd")) {
    (void)item;
    ++count;
  }
  return count;
}

// The size and FNV-1a hash of a file's bytes, so that a changed file shows
// as two short texts.
std::string Checksum(const std::string& path) {
  const std::string bytes = ReadFileText(path);
  uint64_t hash = 14695981039346656037ull;
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return std::to_string(bytes.size()) + ":" + std::to_string(hash);
}

// The length of `path` as ffmpeg decodes it.
double DecodedSeconds(const std::string& path) {
  const Decoded decoded = DecodeWithFfmpeg(path);
  return decoded.ok && decoded.rate ? static_cast<double>(decoded.Frames()) / decoded.rate : -1;
}

std::string MakeWav(const std::string& path, int seconds = kSeconds) {
  WriteWav16(path, kRate, 2, SineWave(kRate * seconds, 2, kRate, 440));
  return path;
}

// A file system mounted over a folder for one test: a small tmpfs (a disk
// that fills up) or a read-only view of the folder itself. Unmounted when
// the object goes. `Why()` tells why it could not be mounted.
class TestMount {
 public:
  ~TestMount() {
    if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
  }
  bool Tmpfs(const std::string& folder, size_t bytes) {
    folder_ = folder;
    const std::string size = "size=" + std::to_string(bytes);
    return Done(mount("tmpfs", folder.c_str(), "tmpfs", 0, size.c_str()), "tmpfs");
  }
  bool ReadOnly(const std::string& folder) {
    folder_ = folder;
    if (!Done(mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr), "bind"))
      return false;
    const unsigned long flags = MS_REMOUNT | MS_BIND | MS_RDONLY;
    return mount(nullptr, folder.c_str(), nullptr, flags, nullptr) == 0 ||
           !Failed("read-only remount");
  }
  const std::string& Why() const { return why_; }

 private:
  bool Done(int result, const char* what) {
    mounted_ = result == 0;
    return mounted_ || !Failed(what);
  }
  bool Failed(const char* what) {
    why_ = std::string("cannot mount (") + what + "): " + std::strerror(errno);
    return true;
  }
  std::string folder_;
  bool mounted_ = false;
  std::string why_;
};

// A front end that counts the Cancel polls (one per block, one after each
// finished entry), can act at a chosen poll or status, and records reasons.
class FaultProgress : public RecordingProgress {
 public:
  bool CancelRequested() override {
    ++polls;
    if (polls == actAtPoll && act) act();
    return cancelAtPoll > 0 && polls >= cancelAtPoll;
  }
  void SetEntryStatus(size_t index, const std::string& text) override {
    RecordingProgress::SetEntryStatus(index, text);
    if (onStatus) onStatus(index, text);
  }
  void SetEntryReason(size_t index, const std::string& reason) override { reasons[index] = reason; }

  int polls = 0;
  int cancelAtPoll = 0;
  int actAtPoll = 0;
  std::function<void()> act;
  std::function<void(size_t, const std::string&)> onStatus;
  std::map<size_t, std::string> reasons;
};

// One in-process batch over `sources`, writing `format` into `out` under
// overwrite, without the documents folder as a fallback.
struct Batch {
  Batch(const TempDir& dir, uint32_t format, const std::string& out) : settings(dir.File("docs")) {
    settings.outputFormat = format;
    settings.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
    settings.destSpecifiedFolder = out;
    settings.targetExistsOpt = TARGET_OVERWRITE;
    settings.outputFiles2MyDocuments = 0;
    settings.browseOutputFolder = 0;
  }
  BatchResult Run(EngineSession& engine, const std::vector<std::string>& sources) {
    SourceList list(ProgramReaders());
    for (const std::string& source : sources) list.AddOneFile(source);
    ConversionJob job(settings, engine, prompter, progress,
                      PlacementContext([] { return std::string(); }));
    return ConvertAll(list, job, prompter);
  }
  ConvertSettings settings;
  FaultProgress progress;
  ScriptedPrompter prompter;
};

// ---------------------------------------------------------------------------
// Faults while an output is written, for every output format.

enum class WriteFault { DISK_FULL, CANCEL_FIRST, CANCEL_MIDDLE, CANCEL_LAST };

struct WriteCase {
  WriteFault fault;
  uint32_t format;
};

void PrintTo(const WriteCase& c, std::ostream* out) {
  static const char* const kNames[] = {"DiskFull", "CancelAtFirstBlock", "CancelInTheMiddle",
                                       "CancelAtLastBlock"};
  *out << kNames[static_cast<int>(c.fault)] << "_" << OutputExtension(c.format);
}

// A complete conversion of the shared source to one format: its size and
// the number of Cancel polls it made, found once per format.
struct Reference {
  uintmax_t bytes = 0;
  int blockPolls = 0;
  double seconds = 0;
};

class WriteFaultTest : public ::testing::TestWithParam<WriteCase> {
 protected:
  static void SetUpTestSuite() {
    shared_ = new TempDir;
    folder_ = new TestProgramFolder(false, false);
    WriteFileText(shared_->File("old"), kOldTarget);
  }
  static void TearDownTestSuite() {
    delete folder_;
    delete shared_;
  }
  static std::string Source() {
    const std::string path = shared_->File("in/a.wav");
    if (!fs::exists(path)) {
      fs::create_directories(shared_->File("in"));
      MakeWav(path);
    }
    return path;
  }
  static const Reference& ReferenceFor(uint32_t format, EngineSession& engine) {
    static std::map<uint32_t, Reference> known;
    auto found = known.find(format);
    if (found != known.end()) return found->second;
    const std::string out = shared_->File("reference-" + OutputExtension(format));
    Batch batch(*shared_, format, out);
    const BatchResult result = batch.Run(engine, {Source()});
    EXPECT_EQ(result.converted, 1) << batch.progress.status[0];
    Reference reference;
    const std::string output = out + "/a." + OutputExtension(format);
    reference.bytes = fs::file_size(output);
    reference.blockPolls = batch.progress.polls - 1;  // less the poll after the entry
    reference.seconds = DecodedSeconds(output);
    return known.emplace(format, reference).first->second;
  }

  static TempDir* shared_;
  static TestProgramFolder* folder_;
  TempDir dir_;
};

TempDir* WriteFaultTest::shared_ = nullptr;
TestProgramFolder* WriteFaultTest::folder_ = nullptr;

TEST_P(WriteFaultTest, NothingPartialIsLeftAndTheOldTargetStays) {
  const WriteCase& c = GetParam();
  EngineSession engine(folder_->Path());
  const Reference& reference = ReferenceFor(c.format, engine);
  ASSERT_GT(reference.bytes, 0u);
  ASSERT_GT(reference.blockPolls, 4);
  EXPECT_NEAR(reference.seconds, kSeconds, 0.2);

  const std::string source = Source();
  const std::string sourceSum = Checksum(source);
  const std::string out = dir_.File("out");
  const std::string name = "a." + OutputExtension(c.format);
  fs::create_directories(out);

  Batch batch(dir_, c.format, out);
  TestMount disk;
  std::unique_ptr<FileSizeLimit> limit;
  // Room for the old target's page and about half of the output. A tmpfs
  // gives room by whole pages: an output that would fit in that meets its
  // limit through the file-size limit instead, to the byte.
  const size_t room = (reference.bytes / 2 + 4095) / 4096 * 4096;
  switch (c.fault) {
    case WriteFault::DISK_FULL:
      if (room >= reference.bytes || !disk.Tmpfs(out, room + 4096)) {
        limit = std::make_unique<FileSizeLimit>(reference.bytes / 2);
        if (!limit->Active()) GTEST_SKIP() << disk.Why() << "; nor can the file size be limited";
      }
      break;
    case WriteFault::CANCEL_FIRST:
      batch.progress.cancelAtPoll = 1;
      break;
    case WriteFault::CANCEL_MIDDLE:
      batch.progress.cancelAtPoll = reference.blockPolls / 2;
      break;
    case WriteFault::CANCEL_LAST:
      batch.progress.cancelAtPoll = reference.blockPolls;
      break;
  }
  WriteFileText(out + "/" + name, kOldTarget);

  const int descriptors = OpenDescriptors();
  const BatchResult result = batch.Run(engine, {source});
  limit.reset();
  EXPECT_EQ(OpenDescriptors(), descriptors);

  if (c.fault == WriteFault::DISK_FULL) {
    EXPECT_EQ(batch.progress.status[0], "Conversion Failure");
    EXPECT_EQ(batch.progress.reasons[0],
              "reading the source or writing the output failed part-way");
    EXPECT_EQ(result.failed, 1);
  } else {
    EXPECT_EQ(batch.progress.status[0], "Cancelled");
    EXPECT_TRUE(result.cancelled);
  }
  EXPECT_EQ(result.converted, 0);
  EXPECT_EQ(FolderNames(out), std::vector<std::string>{name});
  EXPECT_EQ(Checksum(out + "/" + name), Checksum(shared_->File("old")));
  EXPECT_EQ(Checksum(source), sourceSum);
}

std::vector<WriteCase> WriteCases() {
  std::vector<WriteCase> cases;
  for (WriteFault fault : {WriteFault::DISK_FULL, WriteFault::CANCEL_FIRST,
                           WriteFault::CANCEL_MIDDLE, WriteFault::CANCEL_LAST})
    for (uint32_t format : {FORMAT_MP3, FORMAT_WAV, FORMAT_OGG, FORMAT_AAC, FORMAT_M4A, FORMAT_WMA,
                            FORMAT_AMR, FORMAT_AWB})
      cases.push_back({fault, format});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, WriteFaultTest, ::testing::ValuesIn(WriteCases()),
                         [](const auto& row) {
                           std::ostringstream name;
                           PrintTo(row.param, &name);
                           return name.str();
                         });

// ---------------------------------------------------------------------------
// Faults around one entry of a batch, written as WAV so that lengths compare
// exactly.

enum class EntryFault {
  SOURCE_DELETED,
  SOURCE_TRUNCATED,
  SOURCE_REWRITTEN_WITHIN_ITS_SECOND,
  SHORT_FROM_THE_START,
  FOLDER_BECOMES_READ_ONLY,
  MIDI_WITHOUT_SOUNDFONT
};

struct EntryCase {
  const char* name;
  EntryFault fault;
  std::vector<std::string> sources;   // below "in/"
  std::vector<std::string> statuses;  // "%o" stands for the output folder
  std::string reason;                 // why the first failed entry failed, if one did
  double seconds;                     // the length of each output written
};

void PrintTo(const EntryCase& c, std::ostream* out) {
  *out << c.name;
}

std::string Expand(std::string text, const std::string& key, const std::string& value) {
  for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
    text.replace(at, key.size(), value);
  return text;
}

std::string WavName(const std::string& source) {
  return fs::path(source).replace_extension(".wav").string();
}

class EntryFaultTest : public ::testing::TestWithParam<EntryCase> {
 protected:
  TempDir dir_;
};

TEST_P(EntryFaultTest, TheEntryReportsWhatHappenedAndLosesNothing) {
  const EntryCase& c = GetParam();
  const std::string out = dir_.File("out");
  fs::create_directories(dir_.File("in"));
  fs::create_directories(out);
  std::vector<std::string> sources;
  std::map<std::string, std::string> sourceSums;
  std::vector<std::string> targets;
  for (const std::string& name : c.sources) {
    const std::string path = dir_.File("in/" + name);
    if (name.size() > 4 && name.substr(name.size() - 4) == ".mid")
      WriteFileText(path, OneNoteSong(500000, 2));
    else
      MakeWav(path);
    sources.push_back(path);
    targets.push_back(WavName(name));
    WriteFileText(out + "/" + targets.back(), kOldTarget);
  }
  const std::string first = sources.front();
  // A block is 1152 frames: the middle of the first source.
  const int middle = kRate * kSeconds / 1152 / 2;
  const off_t oneSecond = 44 + kRate * 4;

  TestProgramFolder folder(false, c.fault != EntryFault::MIDI_WITHOUT_SOUNDFONT);
  EngineSession engine(folder.Path());
  Batch batch(dir_, FORMAT_WAV, out);
  TestMount readOnly;
  switch (c.fault) {
    case EntryFault::SOURCE_DELETED:
      batch.progress.actAtPoll = middle;
      batch.progress.act = [&] { fs::remove(first); };
      break;
    case EntryFault::SOURCE_TRUNCATED:
      batch.progress.actAtPoll = middle;
      batch.progress.act = [&] { ASSERT_EQ(truncate(first.c_str(), oneSecond), 0); };
      break;
    case EntryFault::SOURCE_REWRITTEN_WITHIN_ITS_SECOND: {
      // Times kept in whole seconds (exFAT): a same-size rewrite within the
      // second the source was written leaves its time as it was.
      const timespec second[2] = {{time(nullptr), 0}, {time(nullptr), 0}};
      ASSERT_EQ(utimensat(AT_FDCWD, first.c_str(), second, 0), 0);
      batch.progress.actAtPoll = middle;
      batch.progress.act = [&] {
        WriteWav16(first, kRate, 2, SineWave(kRate * kSeconds, 2, kRate, 880));
        ASSERT_EQ(utimensat(AT_FDCWD, first.c_str(), second, 0), 0);
      };
      break;
    }
    case EntryFault::SHORT_FROM_THE_START:
      // A download that stopped: the header still promises the whole file.
      ASSERT_EQ(truncate(first.c_str(), oneSecond), 0);
      break;
    case EntryFault::FOLDER_BECOMES_READ_ONLY:
      batch.progress.onStatus = [&](size_t index, const std::string& text) {
        if (index == 0 && text == targets[0] && !readOnly.ReadOnly(out))
          ADD_FAILURE() << readOnly.Why();
      };
      break;
    case EntryFault::MIDI_WITHOUT_SOUNDFONT:
      break;
  }
  for (const std::string& source : sources)
    if (source != first || c.fault == EntryFault::MIDI_WITHOUT_SOUNDFONT)
      sourceSums[source] = Checksum(source);

  const int descriptors = OpenDescriptors();
  const BatchResult result = batch.Run(engine, sources);
  EXPECT_EQ(OpenDescriptors(), descriptors);

  std::sort(targets.begin(), targets.end());
  EXPECT_EQ(FolderNames(out), targets);
  for (size_t i = 0; i < sources.size(); ++i) {
    EXPECT_EQ(batch.progress.status[i], Expand(c.statuses[i], "%o", out)) << sources[i];
    const std::string target = out + "/" + WavName(c.sources[i]);
    if (batch.progress.status[i] == WavName(c.sources[i])) {
      EXPECT_NEAR(DecodedSeconds(target), c.seconds, 1e-9) << target;
    } else {
      EXPECT_EQ(ReadFileText(target), kOldTarget) << target;
    }
  }
  if (!c.reason.empty()) {
    ASSERT_FALSE(batch.progress.reasons.empty());
    EXPECT_EQ(batch.progress.reasons.begin()->second, Expand(c.reason, "%o", out));
  }
  for (const auto& [source, sum] : sourceSums) {
    EXPECT_EQ(Checksum(source), sum) << source;
  }
  if (c.fault == EntryFault::MIDI_WITHOUT_SOUNDFONT) {
    EXPECT_EQ(batch.prompter.shown.size(), 1u);
  }
  EXPECT_EQ(result.converted + result.failed, static_cast<int>(sources.size()));
}

const EntryCase kEntryCases[] = {
    // The reader holds the file open: everything is read.
    {"SourceDeletedWhileConverted", EntryFault::SOURCE_DELETED, {"a.wav"}, {"a.wav"}, "", 3.0},
    {"SourceTruncatedWhileConverted",
     EntryFault::SOURCE_TRUNCATED,
     {"a.wav"},
     {"Conversion Failure"},
     "the source changed while it was converted",
     0},
    {"SourceRewrittenWithinItsSecond",
     EntryFault::SOURCE_REWRITTEN_WITHIN_ITS_SECOND,
     {"a.wav"},
     {"Conversion Failure"},
     "the source changed while it was converted",
     0},
    // What is there is converted, as before.
    {"SourceShortFromTheStart", EntryFault::SHORT_FROM_THE_START, {"a.wav"}, {"a.wav"}, "", 1.0},
    {"OutputFolderBecomesReadOnly",
     EntryFault::FOLDER_BECOMES_READ_ONLY,
     {"a.wav", "b.wav"},
     {"a.wav", "Failed to create file \"%o/b.wav\""},
     "Failed to create file \"%o/b.wav\"",
     3.0},
    {"MidiWithoutSoundFont",
     EntryFault::MIDI_WITHOUT_SOUNDFONT,
     {"song.mid", "a.wav"},
     {"Failure. Requires file \"ct4mgm.sf2\".", "a.wav"},
     "",
     3.0},
};

INSTANTIATE_TEST_SUITE_P(Faults, EntryFaultTest, ::testing::ValuesIn(kEntryCases),
                         [](const auto& row) { return std::string(row.param.name); });

// ---------------------------------------------------------------------------
// Damaged sources, converted to WAV: from a third of a compressed source on,
// random bytes over more than an Ogg page, or to the end, or nothing more (a
// download that stopped).

enum class Damage { STRETCH, TO_THE_END, CUT };
const char* const kDamageNames[] = {"Stretch", "ToTheEnd", "Cut"};

class DamagedSourceTest : public ::testing::TestWithParam<std::tuple<std::string, Damage>> {};

TEST_P(DamagedSourceTest, ReadsPastDamageItCanAndNamesWhereItStopped) {
  const auto& [extension, damage] = GetParam();
  TempDir dir;
  const std::string source = dir.File("a." + extension), head = dir.File("head." + extension);
  ASSERT_TRUE(RunFfmpeg({"-f", "lavfi", "-i", "anoisesrc=c=pink:d=20:s=7", "-ac", "2", source}));
  const uintmax_t size = fs::file_size(source), from = size / 3, stretch = 80 * 1024;
  fs::copy_file(source, head);
  fs::resize_file(head, from);
  const double headSeconds = DecodedSeconds(head);  // what lies before the damage
  std::fstream file(source, std::ios::in | std::ios::out | std::ios::binary);
  std::mt19937 random(7);
  file.seekp(static_cast<std::streamoff>(from));
  for (uintmax_t at = from; at < (damage == Damage::STRETCH ? from + stretch : size); ++at)
    file.put(static_cast<char>(random()));
  file.close();
  if (damage == Damage::CUT) fs::resize_file(source, from);
  TestProgramFolder folder(true, false);
  EngineSession engine(folder.Path());
  Batch batch(dir, FORMAT_WAV, dir.File("out"));
  batch.Run(engine, {source});
  if (damage == Damage::TO_THE_END) {
    int minutes = -1, seconds = -1;
    EXPECT_EQ(batch.progress.status[0], "Conversion Failure");
    EXPECT_TRUE(FolderNames(dir.File("out")).empty()) << "nothing is left behind";
    const char* reason = batch.progress.reasons[0].c_str();
    EXPECT_EQ(std::sscanf(reason, "the source is damaged at %d:%d", &minutes, &seconds), 2)
        << reason;
    EXPECT_NEAR(minutes * 60 + seconds, headSeconds, 1) << reason;
    return;
  }
  EXPECT_EQ(batch.progress.status[0], "a.wav") << batch.progress.reasons[0];
  const double output = DecodedSeconds(dir.File("out/a.wav"));
  if (damage == Damage::STRETCH)  // what the stretch held is missing, and its Ogg pages
    EXPECT_GT(output, 20 * (1 - double(stretch) / size) - 2);
  else  // what is there is converted, give or take the last Ogg page (a second)
    EXPECT_NEAR(output, headSeconds, 1.5);
}

INSTANTIATE_TEST_SUITE_P(Sources, DamagedSourceTest,
                         ::testing::Combine(::testing::Values("ogg", "mp3", "flac"),
                                            ::testing::Values(Damage::STRETCH, Damage::TO_THE_END,
                                                              Damage::CUT)),
                         [](const auto& row) {
                           return std::get<0>(row.param) +
                                  kDamageNames[static_cast<int>(std::get<1>(row.param))];
                         });

// ---------------------------------------------------------------------------
// Faults met by the command line: its exit code, its output, and what is
// left in the folders it touched.

enum class CliFault {
  OUTPUT_IS_SOURCE,
  FOLDER_AT_TARGET,
  DANGLING_LINK_AT_TARGET,
  SETTINGS_GARBAGE,
  SETTINGS_UNREADABLE,
  SETTINGS_FOLDER,
  SETTINGS_HAND_EDITED
};

struct CliCase {
  const char* name;
  CliFault fault;
  std::vector<std::string> args;  // "%d" stands for the test's folder
  int exitCode;
  std::string out;
  std::string err;
};

void PrintTo(const CliCase& c, std::ostream* out) {
  *out << c.name;
}

class CliFaultTest : public ::testing::TestWithParam<CliCase> {
 protected:
  TempDir dir_;
};

TEST_P(CliFaultTest, TheCommandSaysWhatIsWrongAndLosesNothing) {
  const CliCase& c = GetParam();
  const std::string d = dir_.Path();
  const std::string source = MakeWav(dir_.File("in/a.wav"));
  const std::string sourceSum = Checksum(source);
  const std::string settings = dir_.File("config/Vantrel Technologies/Sondrel.conf");
  const std::string garbage("\x00\xff[Opt\x01ions\n=\xfe\x80\x00garbage\x1b]]\n", 27);
  // Saved by an editor that opens with a byte order mark, with a comment.
  const std::string handEdited = "\xEF\xBB\xBF; mine\r\n[Options]\r\nOutputFormat=4000\r\n";
  const std::string settingsText = c.fault == CliFault::SETTINGS_HAND_EDITED ? handEdited : garbage;
  fs::create_directories(dir_.File("out"));
  fs::create_directories(fs::path(settings).parent_path());
  std::vector<std::string> prefix;
  switch (c.fault) {
    case CliFault::FOLDER_AT_TARGET:
      WriteFileText(dir_.File("out/a.mp3/kept"), kOldTarget);
      break;
    case CliFault::DANGLING_LINK_AT_TARGET:
      fs::create_symlink(dir_.File("elsewhere/nothing.mp3"), dir_.File("out/a.mp3"));
      break;
    case CliFault::SETTINGS_UNREADABLE:
      // The superuser reads any file: the command runs as nobody then.
      if (geteuid() == 0) {
        if (!fs::exists("/usr/bin/setpriv")) GTEST_SKIP() << "needs setpriv to run as nobody";
        prefix = {"--reuid=65534", "--regid=65534", "--clear-groups", SONDREL_CLI_PATH};
        for (const std::string& folder : {d, dir_.File("config"), dir_.File("in")})
          fs::permissions(folder, fs::perms(0755));
        ASSERT_EQ(chown(dir_.File("out").c_str(), 65534, 65534), 0);
      }
      [[fallthrough]];
    case CliFault::SETTINGS_GARBAGE:
    case CliFault::SETTINGS_HAND_EDITED:
      WriteFileText(settings, settingsText);
      if (c.fault == CliFault::SETTINGS_UNREADABLE) fs::permissions(settings, fs::perms::none);
      break;
    case CliFault::SETTINGS_FOLDER:
      WriteFileText(settings + "/kept", kOldTarget);
      break;
    case CliFault::OUTPUT_IS_SOURCE:
      break;
  }

  std::vector<std::string> args;
  for (const std::string& arg : c.args) args.push_back(Expand(arg, "%d", d));
  const std::map<std::string, std::string> env = {{"HOME", d},
                                                  {"XDG_CONFIG_HOME", dir_.File("config")}};
  args.insert(args.begin(), prefix.begin(), prefix.end());
  const ProcessResult result =
      prefix.empty() ? RunCliProcess(args, env) : RunProcess("/usr/bin/setpriv", args, env);
  EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
  EXPECT_EQ(result.out, Expand(c.out, "%d", d));
  EXPECT_EQ(result.err, Expand(c.err, "%d", d));

  EXPECT_EQ(Checksum(source), sourceSum);
  EXPECT_EQ(FolderNames(dir_.File("in")), std::vector<std::string>{"a.wav"});
  switch (c.fault) {
    case CliFault::OUTPUT_IS_SOURCE:
      break;
    case CliFault::FOLDER_AT_TARGET:
      EXPECT_EQ(FolderNames(dir_.File("out")), std::vector<std::string>{"a.mp3"});
      EXPECT_EQ(ReadFileText(dir_.File("out/a.mp3/kept")), kOldTarget);
      break;
    case CliFault::DANGLING_LINK_AT_TARGET: {
      // The link's own target is never created: the link is replaced (under
      // overwrite) or kept beside the output.
      EXPECT_FALSE(fs::exists(dir_.File("elsewhere")));
      const bool replaced = result.out.find("\ta.mp3\n") != std::string::npos;
      const std::string output = dir_.File(replaced ? "out/a.mp3" : "out/a_1.mp3");
      EXPECT_EQ(FolderNames(dir_.File("out")), (replaced ? std::vector<std::string>{"a.mp3"}
                                                   : std::vector<std::string>{"a.mp3", "a_1.mp3"}));
      EXPECT_EQ(fs::is_symlink(dir_.File("out/a.mp3")), !replaced);
      EXPECT_NEAR(DecodedSeconds(output), kSeconds, 0.1);
      break;
    }
    case CliFault::SETTINGS_GARBAGE:
    case CliFault::SETTINGS_UNREADABLE:
    case CliFault::SETTINGS_HAND_EDITED:
      fs::permissions(settings, fs::perms(0644));
      EXPECT_TRUE(ReadFileText(settings) == settingsText) << "the settings file was changed";
      break;
    case CliFault::SETTINGS_FOLDER:
      EXPECT_EQ(ReadFileText(settings + "/kept"), kOldTarget);
      break;
  }
  // A command that converted left exactly its output; one that did not, nothing.
  if (c.args.front() == "convert" && c.fault >= CliFault::SETTINGS_GARBAGE) {
    const std::string name =
        c.out.substr(c.out.find('\t') + 1, c.out.size() - c.out.find('\t') - 2);
    EXPECT_EQ(FolderNames(dir_.File("out")), std::vector<std::string>{name});
    EXPECT_NEAR(DecodedSeconds(dir_.File("out/" + name)), kSeconds, 0.05);
  } else if (c.fault >= CliFault::SETTINGS_GARBAGE) {
    EXPECT_TRUE(FolderNames(dir_.File("out")).empty());
  }
}

const char kSameAsSource[] =
    "Target file name is same as original file that can't be overwritten. Please output files "
    "to a custom folder.";
const std::string kToWav[] = {"convert", "--to", "wav", "--out", "%d/out", "%d/in/a.wav"};
const std::string kConverted = "%d/in/a.wav\ta.wav\n";
const std::string kSettingsFile =
    "sondrel-cli: the settings file \"%d/config/Vantrel Technologies/Sondrel.conf\"";

const CliCase kCliCases[] = {
    {"OutputIsTheSource",
     CliFault::OUTPUT_IS_SOURCE,
     {"convert", "--to", "wav", "--overwrite", "--set", "DestOutputFolderOpt=source",
      "%d/in/a.wav"},
     1,
     std::string("%d/in/a.wav\t") + kSameAsSource + "\n",
     std::string("%d/in/a.wav: ") + kSameAsSource + "\n"},
    {"FolderAtTheTarget",
     CliFault::FOLDER_AT_TARGET,
     {"convert", "--to", "mp3", "--out", "%d/out", "--overwrite", "--set",
      "OutputFiles2MyDocuments=0", "%d/in/a.wav"},
     1,
     "%d/in/a.wav\tFailed to create file \"%d/out/a.mp3\"\n",
     "%d/in/a.wav: Failed to create file \"%d/out/a.mp3\"\n"},
    {"DanglingLinkAtTheTargetOverwritten",
     CliFault::DANGLING_LINK_AT_TARGET,
     {"convert", "--to", "mp3", "--out", "%d/out", "--overwrite", "%d/in/a.wav"},
     0,
     "%d/in/a.wav\ta.mp3\n",
     ""},
    {"DanglingLinkAtTheTargetRenamed",
     CliFault::DANGLING_LINK_AT_TARGET,
     {"convert", "--to", "mp3", "--out", "%d/out", "%d/in/a.wav"},
     0,
     "%d/in/a.wav\ta_1.mp3\n",
     ""},
    {"GarbageSettingsConvert",
     CliFault::SETTINGS_GARBAGE,
     {std::begin(kToWav), std::end(kToWav)},
     0,
     kConverted,
     kSettingsFile + " cannot be parsed; the defaults are used.\n"},
    {"GarbageSettingsOptions",
     CliFault::SETTINGS_GARBAGE,
     {"options", "OutputFormat=ogg"},
     1,
     "",
     kSettingsFile +
         " cannot be parsed; nothing was saved. Correct or remove the file, then try again.\n"},
    {"UnreadableSettingsConvert",
     CliFault::SETTINGS_UNREADABLE,
     {std::begin(kToWav), std::end(kToWav)},
     0,
     kConverted,
     kSettingsFile + " cannot be read; the defaults are used.\n"},
    {"UnreadableSettingsOptions",
     CliFault::SETTINGS_UNREADABLE,
     {"options", "OutputFormat=ogg"},
     1,
     "",
     kSettingsFile +
         " cannot be read; nothing was saved. Correct or remove the file, then try again.\n"},
    {"SettingsFolderConvert",
     CliFault::SETTINGS_FOLDER,
     {std::begin(kToWav), std::end(kToWav)},
     0,
     kConverted,
     kSettingsFile + " cannot be read; the defaults are used.\n"},
    {"SettingsFolderOptions",
     CliFault::SETTINGS_FOLDER,
     {"options", "OutputFormat=ogg"},
     1,
     "",
     kSettingsFile +
         " cannot be read; nothing was saved. Correct or remove the file, then try again.\n"},
    // A file the stricter reading must still take: the output format comes from it.
    {"HandEditedSettingsConvert",
     CliFault::SETTINGS_HAND_EDITED,
     {"convert", "--out", "%d/out", "%d/in/a.wav"},
     0,
     "%d/in/a.wav\ta.ogg\n",
     ""},
};

INSTANTIATE_TEST_SUITE_P(Faults, CliFaultTest, ::testing::ValuesIn(kCliCases),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
