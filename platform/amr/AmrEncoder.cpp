#include "platform/amr/AmrEncoder.h"

#include <opencore-amrnb/interf_enc.h>
#include <vo-amrwbenc/enc_if.h>

#include <cstdio>

#include "platform/files/OutputFile.h"
#include "platform/files/FileHandle.h"

namespace {

// The largest frame of either band with its table-of-contents byte is 61
// bytes (wide band at 23.85 kbit/s); the libraries are given room to spare.
constexpr size_t kFrameBufferBytes = 128;

// What both encoders share: the output file, the library's state and the
// failure of an earlier write.
struct EncoderFile {
  FilePtr file;
  void* state = nullptr;
  int dtx = 0;
  int mode = 0;
  bool failed = false;
};

// Creates `path` and writes `magic`; null, with no file left, on failure.
FilePtr CreateWithMagic(const char* path, const char* magic, size_t size) {
  FilePtr file(OpenOutputStream(path));
  if (!file) return nullptr;
  if (std::fwrite(magic, 1, size, file.get()) != size) {
    file.reset();
    std::remove(path);
    return nullptr;
  }
  return file;
}

// Appends one encoded frame; a frame the library did not produce (a
// negative or zero size) fails the file as a lost write does.
int StoreFrame(EncoderFile& encoder, const unsigned char* frame, int size) {
  if (size <= 0 || std::fwrite(frame, 1, static_cast<size_t>(size), encoder.file.get()) !=
                       static_cast<size_t>(size)) {
    encoder.failed = true;
    return -1;
  }
  return size;
}

// Closes the file; fclose writes out what stdio still holds, so its
// failure is a lost tail.
int CloseFile(EncoderFile& encoder) {
  const bool closed = std::fclose(encoder.file.release()) == 0;
  return closed && !encoder.failed ? 0 : -1;
}

}  // namespace

struct AmrNbEncoder : EncoderFile {};
struct AmrWbEncoder : EncoderFile {};

AmrNbEncoder* amrnbenc_init(const char* path, int dtx, int mode) {
  if (mode < 0 || mode > kAmrNbMaxMode) return nullptr;
  FilePtr file = CreateWithMagic(path, "#!AMR\n", 6);
  if (!file) return nullptr;
  void* state = Encoder_Interface_init(dtx != 0 ? 1 : 0);
  if (!state) {
    file.reset();
    std::remove(path);
    return nullptr;
  }
  auto* encoder = new AmrNbEncoder;
  encoder->file = std::move(file);
  encoder->state = state;
  encoder->mode = mode;
  return encoder;
}

int amrnbenc_encode(AmrNbEncoder* handle, const short* samples) {
  if (!handle || handle->failed) return -1;
  unsigned char frame[kFrameBufferBytes];
  const int size =
      Encoder_Interface_Encode(handle->state, static_cast<Mode>(handle->mode), samples, frame, 0);
  return StoreFrame(*handle, frame, size);
}

int amrnbenc_quit(AmrNbEncoder* handle) {
  if (!handle) return 0;
  const int result = CloseFile(*handle);
  Encoder_Interface_exit(handle->state);
  delete handle;
  return result;
}

AmrWbEncoder* amrwbenc_init(const char* path, int dtx, int mode) {
  if (mode < 0 || mode > kAmrWbMaxMode) return nullptr;
  FilePtr file = CreateWithMagic(path, "#!AMR-WB\n", 9);
  if (!file) return nullptr;
  void* state = E_IF_init();
  if (!state) {
    file.reset();
    std::remove(path);
    return nullptr;
  }
  auto* encoder = new AmrWbEncoder;
  encoder->file = std::move(file);
  encoder->state = state;
  encoder->dtx = dtx != 0 ? 1 : 0;
  encoder->mode = mode;
  return encoder;
}

int amrwbenc_encode(AmrWbEncoder* handle, const short* samples) {
  if (!handle || handle->failed) return -1;
  unsigned char frame[kFrameBufferBytes];
  const int size = E_IF_encode(handle->state, handle->mode, samples, frame, handle->dtx);
  return StoreFrame(*handle, frame, size);
}

int amrwbenc_quit(AmrWbEncoder* handle) {
  if (!handle) return 0;
  const int result = CloseFile(*handle);
  E_IF_exit(handle->state);
  delete handle;
  return result;
}
