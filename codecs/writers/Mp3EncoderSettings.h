#pragma once

// What an MP3 writer sets on its encoder beyond the PCM it takes. A field
// that is "not set" leaves LAME's own default (or its own choice from the
// other settings) in place.
struct Mp3EncoderSettings {
  int mode = -1;       // -1: not set; else 0 stereo, 1 joint stereo, 3 mono
  int outputRate = 0;  // 0: not set
  int bitRate = 0;     // kbit/s; 0: not set; unused at a variable bit rate
  // -1: a constant bit rate; 0..9: a variable bit rate at LAME's quality
  // level V0 (best, largest) to V9 (smallest).
  int vbrQuality = -1;
  // Writes LAME's Info frame (encoder delay, padding, frame count) at the
  // start of the stream, so that decoders give back exactly the samples
  // encoded. A variable-bit-rate file always carries it (as its Xing frame).
  bool infoFrame = false;
};
