#pragma once

// What an MP3 writer sets on its encoder beyond the PCM it takes. A field
// that is "not set" leaves LAME's own default (or its own choice from the
// other settings) in place.
struct Mp3EncoderSettings {
  int mode = -1;       // -1: not set; else 0 stereo, 1 joint stereo, 3 mono
  int outputRate = 0;  // 0: not set
  int bitRate = 0;     // kbit/s; 0: not set
};
