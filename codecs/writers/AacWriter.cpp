#include "codecs/writers/AacWriter.h"

#include <cstdio>

#include "platform/files/OutputFile.h"

AacWriter::AacWriter(const AacEncoderSettings& settings) : settings_(settings) {}

AacWriter::~AacWriter() {
  Close();
}

bool AacWriter::Open(const std::string& path, const WriterFormat& format) {
  if (file_ || !encoder_.Open(format, AAC_OUTPUT_ADTS)) return false;
  FilePtr file(OpenOutputStream(path));
  if (!file) {
    encoder_.Close();
    return false;
  }
  if (!encoder_.Start(settings_)) {
    file.reset();
    remove(path.c_str());
    encoder_.Close();
    return false;
  }
  file_ = std::move(file);
  failed_ = false;
  return true;
}

bool AacWriter::WriteBlock16(const int16_t* left, const int16_t* right, int count) {
  if (!file_ || failed_) return false;
  if (encoder_.Write16(left, right, count, *this)) return true;
  failed_ = true;
  return false;
}

bool AacWriter::WriteBlock8(const uint8_t* left, const uint8_t* right, int count) {
  if (!file_ || failed_) return false;
  if (encoder_.Write8(left, right, count, *this)) return true;
  failed_ = true;
  return false;
}

bool AacWriter::Close() {
  if (!file_) return true;
  bool ok = !failed_ && encoder_.FramesBuffered() > 0 && PadShortStream() && encoder_.Finish(*this);
  // fclose writes out what stdio still holds; its failure is a lost tail.
  if (fclose(file_.release()) != 0) ok = false;
  encoder_.Close();
  failed_ = false;
  return ok;
}

// Common demuxers recognise an ADTS stream only by three frames in a row.
// The encoder's delay makes the first frame, so an input of one frame or
// less (two frames with the delay) gets silence up to one frame and one
// sample, which makes a third.
bool AacWriter::PadShortStream() {
  const uint64_t frames = encoder_.FramesBuffered();
  const uint64_t wanted = uint64_t{encoder_.FrameLength()} + 1;
  if (frames >= wanted) return true;
  return encoder_.WriteSilence(static_cast<int>(wanted - frames), *this);
}

bool AacWriter::StoreFrame(const uint8_t* bytes, size_t size) {
  return fwrite(bytes, 1, size, file_.get()) == size;
}
