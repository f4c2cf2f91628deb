#include "codecs/readers/ContainerProbe.h"

ContainerProbe::~ContainerProbe() {
  Close();
}

void ContainerProbe::Close() {
  CloseContainer();
  ResetState();
}

bool ContainerProbe::Open(const std::string& path, uint32_t /*renderRate*/) {
  Close();
  if (!OpenContainer(path)) return false;
  const AVStream* video = FirstStream(AVMEDIA_TYPE_VIDEO);
  if (audioStream_ < 0 && video == nullptr) {
    Close();
    return false;
  }
  if (audioStream_ >= 0) {
    const AVCodecParameters* par = format_->streams[audioStream_]->codecpar;
    SetAudioFields(par->ch_layout.nb_channels, par->sample_rate, par->bit_rate, par->format);
  }
  if (video != nullptr) {
    const AVCodecParameters* par = video->codecpar;
    videoWidth_ = par->width > 0 ? static_cast<uint32_t>(par->width) : 0;
    videoHeight_ = par->height > 0 ? static_cast<uint32_t>(par->height) : 0;
    const AVRational rate = video->r_frame_rate;
    frameRate_ = (rate.num > 0 && rate.den > 0) ? av_q2d(rate) : 0;
  }
  return true;
}

int ContainerProbe::Read(PcmBlock& block) {
  block.frames = 0;
  return 0;
}
