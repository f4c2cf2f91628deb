#include "codecs/readers/ContainerProbe.h"

ContainerProbe::~ContainerProbe() {
  Close();
}

void ContainerProbe::Close() {
  CloseContainer();
  ResetState();
}

namespace {

// True when the container holds at least one packet of stream `index`
// among its first packets. Reading a few packets costs almost nothing and
// keeps a file that holds no sound (a header alone) out of the list, as
// converting it would fail.
bool HasPacketOf(AVFormatContext* format, int index) {
  constexpr int kPacketsLooked = 256;
  PacketPtr packet(av_packet_alloc());
  if (!packet) return false;
  for (int i = 0; i < kPacketsLooked; ++i) {
    if (av_read_frame(format, packet.get()) < 0) return false;
    const bool found = packet->stream_index == index && packet->size > 0;
    av_packet_unref(packet.get());
    if (found) return true;
  }
  return true;  // a file this busy with other streams is taken as it is
}

}  // namespace

bool ContainerProbe::Open(const std::string& path, uint32_t /*renderRate*/) {
  Close();
  if (!OpenContainer(path)) return false;
  // A container without an audio stream (a picture, a video without sound)
  // is no sound file: converting it could only fail. One whose audio stream
  // holds no packet is none either, unless video fills its first packets.
  const bool hasVideo = FirstStream(AVMEDIA_TYPE_VIDEO) != nullptr;
  if (audioStream_ < 0 || (!hasVideo && !HasPacketOf(format_.get(), audioStream_))) {
    Close();
    return false;
  }
  const AVCodecParameters* par = format_->streams[audioStream_]->codecpar;
  SetAudioFields(par->ch_layout.nb_channels, par->sample_rate, par->bit_rate, par->format);
  return true;
}

int ContainerProbe::Read(PcmBlock& block) {
  block.frames = 0;
  return 0;
}
