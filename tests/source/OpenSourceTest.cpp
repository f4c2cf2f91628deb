// The fallback chain of OpenSource, with readers injected that record the
// order in which they are tried.

#include <gtest/gtest.h>

#include <set>

#include "source/OpenSource.h"
#include "source/SourceKind.h"

namespace {

class FakeSource : public AudioSource {
 public:
  FakeSource(std::string name, bool opens, std::vector<std::string>& log)
      : name_(std::move(name)), opens_(opens), log_(log) {}
  ~FakeSource() override { log_.push_back("~" + name_); }
  void Close() override {}
  bool Open(const std::string&, uint32_t) override {
    log_.push_back(name_);
    return opens_;
  }
  int Read(PcmBlock&) override { return 0; }
  const std::string& Name() const { return name_; }

 private:
  std::string name_;
  bool opens_;
  std::vector<std::string>& log_;
};

struct Chain {
  std::vector<std::string> log;
  std::set<std::string> opening;  // readers whose Open succeeds

  SourceReaders Readers() {
    SourceReaders readers;
    auto factory = [this](const std::string& name) {
      return [this, name] { return std::make_unique<FakeSource>(name, opening.count(name) > 0, log); };
    };
    readers.engine = factory("engine");
    readers.aiff = factory("aiff");
    readers.au = factory("au");
    readers.riffWave = factory("wave");
    readers.container = [this](bool forConversion) {
      const std::string name = forConversion ? "container" : "probe";
      return std::make_unique<FakeSource>(name, opening.count(name) > 0, log);
    };
    return readers;
  }

  // The names tried, in order, and the name of the reader returned ("" for none).
  std::string Open(const std::string& path, bool forConversion = true) {
    log.clear();
    const auto source = OpenSource(path, SourceKindFromPath(path), 0, forConversion, Readers());
    std::string tried;
    for (const std::string& entry : log)
      if (entry[0] != '~') tried += (tried.empty() ? "" : ",") + entry;
    return tried + " -> " + (source ? static_cast<FakeSource&>(*source).Name() : "none");
  }
};

TEST(OpenSourceTest, FallbackChainByKind) {
  Chain chain;
  // Nothing opens: every step of the kind's chain is tried once.
  EXPECT_EQ(chain.Open("/m/a.mp3"), "engine,container -> none");
  EXPECT_EQ(chain.Open("/m/a.aiff"), "aiff,engine,container -> none");
  EXPECT_EQ(chain.Open("/m/a.au"), "au,container -> none");
  EXPECT_EQ(chain.Open("/m/a.wav"), "engine,container,wave -> none");
  EXPECT_EQ(chain.Open("/m/a.amr"), "container -> none");
  EXPECT_EQ(chain.Open("/m/noextension"), "container -> none");
  EXPECT_EQ(chain.Open("/m/a.xyz", false), "probe -> none");

  chain.opening = {"wave"};
  EXPECT_EQ(chain.Open("/m/a.wav"), "engine,container,wave -> wave");
  chain.opening = {"engine"};
  EXPECT_EQ(chain.Open("/m/a.AIFF"), "aiff,engine -> engine");
  EXPECT_EQ(chain.Open("/m/song.mid"), "engine -> engine");
  chain.opening = {"container", "probe"};
  EXPECT_EQ(chain.Open("/m/a.flac", true), "engine,container -> container");
  EXPECT_EQ(chain.Open("/m/a.flac", false), "engine,probe -> probe");
  // Only a WAV file reaches the RIFF WAVE reader.
  chain.opening = {"wave"};
  EXPECT_EQ(chain.Open("/m/a.mp3"), "engine,container -> none");
}

TEST(OpenSourceTest, FailedReadersAreDestroyedAtOnce) {
  Chain chain;
  chain.opening = {"wave"};
  chain.log.clear();
  auto source = OpenSource("/m/a.wav", KIND_WAVE, 0, true, chain.Readers());
  ASSERT_TRUE(source);
  EXPECT_EQ(chain.log, (std::vector<std::string>{"engine", "~engine", "container", "~container", "wave"}));
}

TEST(OpenSourceTest, MissingReadersAreSkipped) {
  Chain chain;
  SourceReaders readers = chain.Readers();
  readers.au = nullptr;
  readers.container = nullptr;
  chain.opening = {"engine"};
  EXPECT_EQ(OpenSource("/m/a.au", KIND_AU, 0, true, readers), nullptr);
  EXPECT_EQ(OpenSource("/m/a.amr", KIND_AMR, 0, true, readers), nullptr);
  EXPECT_NE(OpenSource("/m/a.ogg", KIND_OGG, 0, true, readers), nullptr);
}

}  // namespace
