#include "codecs/readers/GsmDecoder.h"

#include <gsm.h>

GsmDecoder::GsmDecoder(bool wav49) : handle_(gsm_create()) {
  if (handle_ && wav49) {
    int on = 1;
    gsm_option(handle_, GSM_OPT_WAV49, &on);
  }
}

GsmDecoder::~GsmDecoder() {
  if (handle_) gsm_destroy(handle_);
}

bool GsmDecoder::DecodeFrame(const uint8_t* frame, int16_t* out) {
  if (!handle_) return false;
  // libgsm takes a non-const pointer but only reads the frame.
  return gsm_decode(handle_, const_cast<gsm_byte*>(frame), out) == 0;
}
