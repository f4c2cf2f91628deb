// sondrel-cli info --json, and MIDI songs recognised by their content, run
// as built on files made at test time.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "support/AudioFixtures.h"
#include "support/MidiFixtures.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// A row's file name as a test name: "song.mp3" runs as "song_mp3".
template <class Case>
std::string RowName(const ::testing::TestParamInfo<Case>& row) {
  std::string name = row.param.name;
  std::replace(name.begin(), name.end(), '.', '_');
  return name;
}

class InfoJsonTest : public ::testing::Test {
 protected:
  InfoJsonTest() { fs::create_directories(dir_.File("music")); }

  ProcessResult Cli(const std::vector<std::string>& args) {
    return RunCliProcess(args, {{"HOME", dir_.Path()}, {"XDG_CONFIG_HOME", dir_.File("config")}});
  }
  // The objects of `info --json` on `args`, by path; fails the test when the
  // output is not one JSON array.
  std::map<std::string, QJsonObject> InfoJson(const std::vector<std::string>& args,
                                              int exitCode = 0) {
    std::vector<std::string> command = {"info", "--json"};
    command.insert(command.end(), args.begin(), args.end());
    const ProcessResult result = Cli(command);
    EXPECT_EQ(result.exitCode, exitCode) << result.err;
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
    EXPECT_TRUE(document.isArray()) << error.errorString().toStdString() << "\n" << result.out;
    std::map<std::string, QJsonObject> objects;
    for (const QJsonValue& value : document.array())
      objects[value.toObject().value(QLatin1String("path")).toString().toStdString()] =
          value.toObject();
    return objects;
  }

  TempDir dir_;
};

// One source per row, compared with what ffprobe reads from the same file
// and with the length ffmpeg decodes from it.
struct ProbedCase {
  const char* name;
  std::vector<std::string> ffmpegArgs;  // encoder arguments after the 2.5 s sine input
  const char* kind;
  int kindCode;
  const char* channelMode;  // null: the value is null
  const char* convertTo = nullptr;  // made by sondrel-cli from ffmpeg's WAV file
};

// The seconds ffmpeg decodes from a file; fails the test when it cannot.
double DecodedSeconds(const std::string& path) {
  const Decoded decoded = DecodeWithFfmpeg(path);
  EXPECT_TRUE(decoded.ok) << path;
  return decoded.ok ? static_cast<double>(decoded.Frames()) / decoded.rate : -1;
}

class InfoJsonProbeTest : public InfoJsonTest, public ::testing::WithParamInterface<ProbedCase> {};

TEST_P(InfoJsonProbeTest, NumbersMatchFfprobe) {
  const ProbedCase& c = GetParam();
  const std::string path = dir_.File("music/" + std::string(c.name));
  std::vector<std::string> args = {"-f", "lavfi", "-i", "sine=frequency=440:duration=2.5"};
  args.insert(args.end(), c.ffmpegArgs.begin(), c.ffmpegArgs.end());
  const std::string wav = dir_.File(fs::path(path).stem().string() + ".wav");
  args.push_back(c.convertTo ? wav : path);
  ASSERT_TRUE(RunFfmpeg(args));
  if (c.convertTo) {
    ASSERT_TRUE(Succeeded(Cli({"convert", "--to", c.convertTo, "--out", dir_.File("music"), wav})));
  }

  const std::map<std::string, QJsonObject> objects = InfoJson({path});
  ASSERT_EQ(objects.count(path), 1u);
  const QJsonObject entry = objects.at(path);
  // The length to the millisecond, give or take a codec frame, and the
  // table's cell in whole seconds (every row is shorter than ten), never
  // empty for a known length.
  const double seconds = DecodedSeconds(path);
  EXPECT_NEAR(entry.value(QLatin1String("duration")).toDouble(), seconds, 0.03);
  const std::string table = Cli({"info", path}).out;
  EXPECT_NE(table.find("\t00:0" + std::to_string(static_cast<int>(seconds)) + "\t"),
            std::string::npos)
      << table;
  EXPECT_EQ(entry.value(QLatin1String("sample_rate")).toInt(),
            std::stoi(ProbeStreamField(path, "sample_rate")));
  EXPECT_NEAR(entry.value(QLatin1String("bit_rate")).toDouble(),
              std::stod(ProbeFormatField(path, "bit_rate")) / 1000, 8);
  EXPECT_EQ(entry.value(QLatin1String("kind")).toString().toStdString(), c.kind);
  EXPECT_EQ(entry.value(QLatin1String("kind_code")).toInt(), c.kindCode);
  EXPECT_TRUE(entry.value(QLatin1String("path_bytes_hex")).isNull());
  if (c.channelMode) {
    EXPECT_EQ(entry.value(QLatin1String("channels")).toInt(),
              std::stoi(ProbeStreamField(path, "channels")));
    EXPECT_EQ(entry.value(QLatin1String("channel_mode")).toString().toStdString(), c.channelMode);
  } else if (c.kindCode == 1000) {
    // An MPEG audio file whose channel mode is not read (not named .mp3)
    // has an empty channel cell in the list: both values are unknown.
    EXPECT_TRUE(entry.value(QLatin1String("channels")).isNull())
        << entry.value(QLatin1String("channels")).toInt();
    EXPECT_TRUE(entry.value(QLatin1String("channel_mode")).isNull());
  } else {
    EXPECT_EQ(entry.value(QLatin1String("channels")).toInt(),
              std::stoi(ProbeStreamField(path, "channels")));
    EXPECT_TRUE(entry.value(QLatin1String("channel_mode")).isNull());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, InfoJsonProbeTest,
    ::testing::Values(
        ProbedCase{"mono.wav", {"-ar", "22050", "-c:a", "pcm_s16le"}, "wave", 2000, nullptr},
        ProbedCase{"joint.mp3",
                   {"-ac", "2", "-c:a", "libmp3lame", "-b:a", "128k", "-joint_stereo", "1",
                    "-write_xing", "0"},
                   "mpeg audio",
                   1000,
                   "joint stereo"},
        ProbedCase{"mono.mp3",
                   {"-ar", "22050", "-ac", "1", "-c:a", "libmp3lame", "-b:a", "64k"},
                   "mpeg audio",
                   1000,
                   "mono"},
        ProbedCase{"layer2.mp2",
                   {"-ac", "2", "-c:a", "mp2", "-b:a", "192k"},
                   "mpeg audio",
                   1000,
                   nullptr},
        ProbedCase{"short.wav", {"-t", "0.4", "-c:a", "pcm_s16le"}, "wave", 2000, nullptr},
        ProbedCase{"vorbis.mp3", {"-c:a", "libvorbis", "-b:a", "80k", "-f", "ogg"}, "ogg", 4000,
                   nullptr},
        ProbedCase{"own.awb", {"-ar", "16000"}, "amr", 5500, nullptr, "awb"}),
    RowName<ProbedCase>);

// Names holding a quote, a backslash and a tab, a name that is not UTF-8,
// and tag texts with the same characters, read back by Python's strict
// JSON parser (raw control characters in strings are refused).
TEST_F(InfoJsonTest, EveryTextIsEscapedAndBadPathBytesAreKept) {
  const std::string odd = dir_.File("music/say \"hi\" \\ \there.wav");
  WriteWav16(odd, 8000, 1, SineWave(8000, 1, 8000, 440));
  const std::string bad = dir_.File("music/bad\xff\xfe.wav");
  fs::copy_file(odd, bad);
  ASSERT_TRUE(RunFfmpeg({"-f", "lavfi", "-i", "sine=duration=1", "-c:a", "libvorbis", "-metadata",
                         "title=a \"b\" \\ c\td\ne\x01", dir_.File("music/tagged.ogg")}));
  const ProcessResult info = Cli({"info", "--json", "--tags", dir_.File("music")});
  ASSERT_EQ(info.exitCode, 0) << info.err;
  WriteFileText(dir_.File("info.json"), info.out);

  const char* script = R"(
import json, sys
entries = json.load(open(sys.argv[1], encoding='utf-8', errors='strict'))
by_path = {e['path']: e for e in entries}
assert len(entries) == 3, entries
odd = by_path[sys.argv[2]]
assert odd['path_bytes_hex'] is None and odd['tags']['title'] is None, odd
bad = [e for e in entries if e['path_bytes_hex']]
assert len(bad) == 1 and bytes.fromhex(bad[0]['path_bytes_hex']).hex() == sys.argv[3], bad
assert '\ufffd' in bad[0]['path'], bad
tags = by_path[sys.argv[4]]['tags']
assert tags['title'] == 'a "b" \\ c\td\ne\x01', tags
assert tags['artist'] is None and sorted(tags) == sorted(
    ['title', 'artist', 'album', 'year', 'genre', 'comment', 'track', 'composer', 'copyright',
     'album_artist', 'disc', 'artists', 'genres']), tags
print('ok')
)";
  std::string hex;
  for (const unsigned char c : bad) {
    static const char digits[] = "0123456789abcdef";
    hex += digits[c >> 4];
    hex += digits[c & 15];
  }
  const ProcessResult check = RunProcess(
      "python3", {"-c", script, dir_.File("info.json"), odd, hex, dir_.File("music/tagged.ogg")});
  ASSERT_TRUE(Succeeded(check));
  EXPECT_EQ(check.out, "ok\n");
}

// A MIDI song under another extension, or none, is listed and converted as
// MIDI when no reader of its own kind opens it.
struct MidiNameCase {
  const char* name;
  bool riff;  // wrapped as a RIFF "RMID" file
};

class MidiByContentTest : public InfoJsonTest,
                          public ::testing::WithParamInterface<MidiNameCase> {};

TEST_P(MidiByContentTest, IsListedAndRenderedAsMidi) {
  const std::string song = OneNoteSong(500000, 5);  // two and a half seconds and the tail
  const std::string path = dir_.File("music/" + std::string(GetParam().name));
  WriteFileText(path, GetParam().riff ? RmiBytes(song) : song);
  const std::string twin = dir_.File("music/twin.mid");
  WriteFileText(twin, song);

  std::map<std::string, QJsonObject> objects = InfoJson({path, twin});
  ASSERT_EQ(objects.count(path), 1u);
  const QJsonObject entry = objects[path];
  EXPECT_EQ(entry.value(QLatin1String("kind")).toString().toStdString(), "midi");
  EXPECT_EQ(entry.value(QLatin1String("kind_code")).toInt(), 3050);
  EXPECT_GE(entry.value(QLatin1String("duration")).toDouble(), 2.5);
  EXPECT_EQ(entry.value(QLatin1String("duration")), objects[twin].value(QLatin1String("duration")));
  EXPECT_EQ(entry.value(QLatin1String("sample_rate")),
            objects[twin].value(QLatin1String("sample_rate")));

  // Both render through the SoundFont, sample for sample alike.
  const ProcessResult convert = Cli(
      {"convert", "--to", "wav", "--out", dir_.File("out"), "--set", "CreateDirs=0", path, twin});
  ASSERT_EQ(convert.exitCode, 0) << convert.out << convert.err;
  const Decoded decoded =
      DecodeWithFfmpeg(dir_.File("out/" + fs::path(path).stem().string() + ".wav"));
  const Decoded twinDecoded = DecodeWithFfmpeg(dir_.File("out/twin.wav"));
  ASSERT_TRUE(decoded.ok && twinDecoded.ok);
  EXPECT_NEAR(static_cast<double>(decoded.Frames()) / decoded.rate,
              entry.value(QLatin1String("duration")).toDouble(), 0.001);
  EXPECT_TRUE(decoded.samples == twinDecoded.samples);
  int peak = 0;
  for (const int16_t sample : decoded.samples)
    peak = std::max(peak, std::abs(static_cast<int>(sample)));
  EXPECT_GT(peak, 300) << "the note is heard";
}

INSTANTIATE_TEST_SUITE_P(Names, MidiByContentTest,
                         ::testing::Values(MidiNameCase{"song.mp3", false},
                                           MidiNameCase{"song", false},
                                           MidiNameCase{"song.wav", true}),
                         RowName<MidiNameCase>);

TEST_F(InfoJsonTest, ANearMissOfTheMidiHeaderStillFails) {
  const std::string path = dir_.File("music/notes.mp3");
  WriteFileText(path, "MThx is where the notes for the next song go.\n");
  const std::map<std::string, QJsonObject> objects = InfoJson({path}, 1);
  EXPECT_TRUE(objects.empty());
  EXPECT_NE(Cli({"info", path}).err.find(path), std::string::npos);
}

}  // namespace
