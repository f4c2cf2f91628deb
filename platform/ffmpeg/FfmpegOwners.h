#pragma once

// Owners of FFmpeg's C handles, so that every path out of an open, a read
// or a decode releases what it took. The engine's decoder and the container
// readers hold their handles through these.

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
}

// A deleter that hands the address of the pointer to FFmpeg's own release
// call, which frees the handle and clears the pointer.
template <auto Release>
struct ReleasedBy {
  template <typename Handle>
  void operator()(Handle* handle) const {
    Release(&handle);
  }
};

// Closes the demuxer only: a context given its own I/O leaves that open.
using FormatContextPtr = std::unique_ptr<AVFormatContext, ReleasedBy<avformat_close_input>>;
// A muxer's context; its I/O is the owner's to close first.
struct OutputContextFree {
  void operator()(AVFormatContext* context) const { avformat_free_context(context); }
};
using OutputContextPtr = std::unique_ptr<AVFormatContext, OutputContextFree>;
using AvioPtr = std::unique_ptr<AVIOContext, ReleasedBy<avio_closep>>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, ReleasedBy<avcodec_free_context>>;
using SwrPtr = std::unique_ptr<SwrContext, ReleasedBy<swr_free>>;
using PacketPtr = std::unique_ptr<AVPacket, ReleasedBy<av_packet_free>>;
using FramePtr = std::unique_ptr<AVFrame, ReleasedBy<av_frame_free>>;

// An option dictionary handed to an FFmpeg open call; the call consumes the
// entries it knows and leaves the rest, which the owner frees.
class Dictionary {
 public:
  Dictionary() = default;
  Dictionary(const Dictionary&) = delete;
  Dictionary& operator=(const Dictionary&) = delete;
  ~Dictionary() { av_dict_free(&dict_); }

  bool Set(const char* key, const char* value) { return av_dict_set(&dict_, key, value, 0) >= 0; }
  AVDictionary** Address() { return &dict_; }

 private:
  AVDictionary* dict_ = nullptr;
};
