#include "support/ReaderFixtures.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/bytes/ByteOrder.h"
#include "source/AudioSource.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

// Appends the `Bits`-bit value `v` in the given byte order.
template <int Bits>
ByteWriter& AppendStored(ByteWriter& w, uint32_t v, bool bigEndian) {
  uint8_t stored[Bits / 8];
  if (bigEndian) {
    StoreBe<Bits>(stored, static_cast<StoredUint<Bits>>(v));
  } else {
    StoreLe<Bits>(stored, static_cast<StoredUint<Bits>>(v));
  }
  w.bytes.insert(w.bytes.end(), stored, stored + sizeof stored);
  return w;
}

}  // namespace

ByteWriter& ByteWriter::Le16(uint32_t v) { return AppendStored<16>(*this, v, false); }
ByteWriter& ByteWriter::Le32(uint32_t v) { return AppendStored<32>(*this, v, false); }
ByteWriter& ByteWriter::Be16(uint32_t v) { return AppendStored<16>(*this, v, true); }
ByteWriter& ByteWriter::Be32(uint32_t v) { return AppendStored<32>(*this, v, true); }
ByteWriter& ByteWriter::Text(const std::string& text) {
  bytes.insert(bytes.end(), text.begin(), text.end());
  return *this;
}
ByteWriter& ByteWriter::Append(const Bytes& more) {
  bytes.insert(bytes.end(), more.begin(), more.end());
  return *this;
}
ByteWriter& ByteWriter::Extended(uint32_t value) {
  if (value == 0) {
    for (int i = 0; i < 10; ++i) bytes.push_back(0);
    return *this;
  }
  int exponent = 31;
  uint64_t mantissa = value;
  while (!(mantissa & 0x80000000u)) {
    mantissa <<= 1;
    --exponent;
  }
  Be16(static_cast<uint32_t>(16383 + exponent));  // sign 0, biased exponent
  Be32(static_cast<uint32_t>(mantissa));          // explicit leading 1
  Be32(0);
  return *this;
}

Bytes PcmBytes16(const std::vector<int16_t>& samples, bool bigEndian) {
  ByteWriter w;
  for (int16_t s : samples) {
    if (bigEndian) {
      w.Be16(static_cast<uint16_t>(s));
    } else {
      w.Le16(static_cast<uint16_t>(s));
    }
  }
  return w.bytes;
}

Bytes RiffChunk(const std::string& id, const Bytes& body, bool pad) {
  ByteWriter w;
  w.Text(id).Le32(static_cast<uint32_t>(body.size())).Append(body);
  if (pad && body.size() % 2) w.bytes.push_back(0);
  return w.bytes;
}

Bytes WaveFormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t blockAlign,
                     uint16_t bits, const Bytes& extra) {
  ByteWriter w;
  w.Le16(tag)                                 // format tag
      .Le16(channels)                         // channels
      .Le32(rate)                             // samples per second
      .Le32(rate * blockAlign)                // average bytes per second
      .Le16(blockAlign)                       // bytes per frame or block
      .Le16(bits)                             // bits per stored sample
      .Append(extra);                         // extension, with its size
  return w.bytes;
}

Bytes WaveFile(const std::vector<Bytes>& chunks) {
  Bytes body;
  for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
  ByteWriter w;
  w.Text("RIFF").Le32(static_cast<uint32_t>(4 + body.size())).Text("WAVE").Append(body);
  return w.bytes;
}

Bytes PcmWave16(uint32_t rate, uint16_t channels, const std::vector<int16_t>& samples) {
  return WaveFile({RiffChunk("fmt ", WaveFormatBody(1, channels, rate, static_cast<uint16_t>(2 * channels), 16)),
                   RiffChunk("data", PcmBytes16(samples, false))});
}

Bytes IffChunk(const std::string& id, const Bytes& body) {
  ByteWriter w;
  w.Text(id).Be32(static_cast<uint32_t>(body.size())).Append(body);
  if (body.size() % 2) w.bytes.push_back(0);
  return w.bytes;
}

Bytes AiffCommBody(uint16_t channels, uint32_t frames, uint16_t bits, uint32_t rate,
                   const std::string& compression, const std::string& name) {
  ByteWriter w;
  w.Be16(channels)      // channels
      .Be32(frames)     // sample frames
      .Be16(bits)       // sample size in bits
      .Extended(rate);  // sample rate, 80-bit extended
  if (!compression.empty()) {
    w.Text(compression);                                       // compression type
    w.bytes.push_back(static_cast<uint8_t>(name.size()));     // Pascal string length
    w.Text(name);
    if ((name.size() + 1) % 2) w.bytes.push_back(0);           // pad to even
  }
  return w.bytes;
}

Bytes AiffSsndBody(const Bytes& data, uint32_t offset) {
  ByteWriter w;
  w.Be32(offset)  // offset of the first sample after the block-size field
      .Be32(0);   // block size
  w.bytes.insert(w.bytes.end(), offset, 0xEE);
  w.Append(data);
  return w.bytes;
}

Bytes AiffFile(bool aifc, const std::vector<Bytes>& chunks) {
  Bytes body;
  for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
  ByteWriter w;
  w.Text("FORM").Be32(static_cast<uint32_t>(4 + body.size())).Text(aifc ? "AIFC" : "AIFF").Append(body);
  return w.bytes;
}

Bytes AuFile(const AuHeader& h, const Bytes& data) {
  ByteWriter w;
  auto put = [&](uint32_t v) {
    if (h.littleEndian) {
      w.Le32(v);
    } else {
      w.Be32(v);
    }
  };
  put(h.magic);     // magic, byte-swapped with the fields
  put(h.offset);    // data offset
  put(h.dataSize);  // data size, 0xFFFFFFFF for unknown
  put(h.encoding);  // encoding number
  put(h.rate);      // sample rate
  put(h.channels);  // channels
  if (h.offset > 24) w.bytes.insert(w.bytes.end(), h.offset - 24, 0);  // annotation
  w.Append(data);
  return w.bytes;
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
  WriteFileText(path, std::string(bytes.begin(), bytes.end()));
}

Bytes ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

SourceDump ReadToEnd(AudioSource& source) {
  SourceDump dump;
  const bool stereo = source.GetOutputChannels() == 2;
  const bool eight = source.GetBitsPerSample() == 8;
  for (;;) {
    PcmBlock block;
    // A marker the source must leave alone in the unused right array.
    for (int16_t& s : block.right) s = 0x5A5A;
    const int frames = source.Read(block);
    ++dump.calls;
    if (frames < 0 || frames > BLOCK_SAMPLES || block.frames != frames) dump.contractKept = false;
    if (frames <= 0) break;
    if (!stereo && block.right[0] != 0x5A5A) dump.contractKept = false;
    for (int i = 0; i < frames; ++i) {
      if (eight) {
        dump.samples.push_back(static_cast<int16_t>((block.Left8()[i] - 128) * 256));
        if (stereo) dump.samples.push_back(static_cast<int16_t>((block.Right8()[i] - 128) * 256));
      } else {
        dump.samples.push_back(block.left[i]);
        if (stereo) dump.samples.push_back(block.right[i]);
      }
    }
    if (dump.calls > 10000000) break;
  }
  return dump;
}

std::vector<int16_t> DecodeWithSox(const std::string& path, const std::string& inputType) {
  TempDir dir;
  const std::string raw = dir.File("out.raw");
  std::vector<std::string> args = {"-V1"};
  if (!inputType.empty()) {
    args.push_back("-t");
    args.push_back(inputType);
  }
  args.insert(args.end(), {path, "-t", "raw", "-e", "signed-integer", "-b", "32", "-L", raw});
  std::vector<int16_t> samples;
  const testing::AssertionResult made = Succeeded(RunProcess("sox", args));
  EXPECT_TRUE(made);
  if (!made) return samples;
  const Bytes bytes = ReadBytes(raw);
  // 32-bit output keeps sox from dithering; the top 16 bits are kept, as
  // the readers keep them.
  samples.resize(bytes.size() / 4);
  for (size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<int16_t>(LoadLe<16>(&bytes[4 * i + 2]));
  return samples;
}

std::vector<int16_t> PickChannels(const std::vector<int16_t>& samples, int channels, int first,
                                  int second) {
  std::vector<int16_t> out;
  for (size_t i = 0; i + channels <= samples.size(); i += channels) {
    out.push_back(samples[i + first]);
    if (second >= 0) out.push_back(samples[i + second]);
  }
  return out;
}

int OpenDescriptorCount() {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    (void)entry;
    ++count;
  }
  return count;
}
