#pragma once

#include <cstdint>

#include "app/ConvertSettings.h"
#include "codecs/writers/AacBlockEncoder.h"

struct OutputDescription;

// The encoder edits of the AAC and M4A outputs from their options, for a
// source of `channels` channels. In automatic mode there are none: the
// encoder's own quality, bit rate and block switching apply. Otherwise
// TNS, mid/side and the block type follow the options, and so does the
// MPEG version for AAC (M4A is always MPEG-4); in variable-bit-rate mode
// the quality is set only when it lies in 10..500, in average mode the bit
// rate per channel is the option's kbit/s x 1000 / channels.
AacEncoderSettings ChooseAacSettings(const ConvertSettings& settings, uint32_t channels);
AacEncoderSettings ChooseM4aSettings(const ConvertSettings& settings, uint32_t channels);

// What the AAC and M4A outputs share: MIDI and modules rendered at 44100
// Hz, the source's PCM handed on as it is (its rate, channels and 16- or
// 8-bit depth), and a block that the writer refuses does not stop the
// file (a write that failed still fails it when the writer closes).
OutputDescription AacFamilyOutput();
