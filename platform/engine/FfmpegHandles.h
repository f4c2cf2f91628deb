#pragma once

// Owners of FFmpeg's C handles, so that every path out of a function that
// took one releases it.

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
}

namespace engine {

struct AvioCloser {
  void operator()(AVIOContext* io) const { avio_closep(&io); }
};
// Closes the demuxer only: a context given its own I/O leaves that open.
struct FormatCloser {
  void operator()(AVFormatContext* format) const { avformat_close_input(&format); }
};
struct CodecFreer {
  void operator()(AVCodecContext* codec) const { avcodec_free_context(&codec); }
};
struct SwrFreer {
  void operator()(SwrContext* swr) const { swr_free(&swr); }
};
struct PacketFreer {
  void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct FrameFreer {
  void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};

using AvioPtr = std::unique_ptr<AVIOContext, AvioCloser>;
using FormatPtr = std::unique_ptr<AVFormatContext, FormatCloser>;
using CodecPtr = std::unique_ptr<AVCodecContext, CodecFreer>;
using SwrPtr = std::unique_ptr<SwrContext, SwrFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;

}  // namespace engine
