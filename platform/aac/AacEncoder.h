#pragma once

// An AAC encoder with the calls and the configuration record of the classic
// encoder library interface (open, get and set the configuration, encode one
// block, the decoder-specific info, close), carried out by FFmpeg's native
// `aac` encoder. AacEncoder.cpp says beside each field how it reaches
// FFmpeg.
//
// Calling order: AacEncOpen; AacEncGetCurrentConfiguration, edits of the
// record; AacEncSetConfiguration; AacEncEncode per block of at most the
// input size returned by AacEncOpen, then with no samples until it answers
// 0; AacEncClose. AacEncGetDecoderSpecificInfo may be asked for after
// AacEncSetConfiguration.

#include <cstdint>
#include <memory>
#include <vector>

// Values of the configuration fields.
enum : unsigned int {
  AAC_MPEG4 = 0,  // mpegVersion
  AAC_MPEG2 = 1,
  AAC_MAIN = 1,  // aacObjectType
  AAC_LOW = 2,
  AAC_SSR = 3,
  AAC_LTP = 4,
  AAC_OUTPUT_RAW = 0,  // outputFormat
  AAC_OUTPUT_ADTS = 1,
  AAC_INPUT_16BIT = 1,  // inputFormat
};
enum : int {
  AAC_SHORTCTL_NORMAL = 0,  // shortctl: long and short blocks
  AAC_SHORTCTL_NOSHORT = 1,
  AAC_SHORTCTL_NOLONG = 2,
};

// The standard AAC rate nearest to `rate` (the lower one on a tie): `rate`
// itself when it is one of the thirteen rates AAC streams can signal.
unsigned long NearestAacRate(unsigned long rate);

// Samples per channel in one AAC frame, and the encoder's delay: the first
// frame of output describes one frame of silence before the input.
inline constexpr unsigned int kAacFrameLength = 1024;

// The size of the ADTS header that AAC_OUTPUT_ADTS puts before each frame.
inline constexpr unsigned int kAdtsHeaderBytes = 7;

struct AacEncConfiguration {
  unsigned int mpegVersion = AAC_MPEG4;
  unsigned int aacObjectType = AAC_LOW;
  unsigned int allowMidside = 1;
  unsigned int useTns = 0;
  // Bits per second per channel; 0: variable bit rate at `quantqual`.
  unsigned long bitRate = 0;
  // Hz; 0: the encoder chooses.
  unsigned int bandWidth = 0;
  // Quality of the variable bit rate, 10..500; 100 is the default.
  unsigned long quantqual = 100;
  unsigned int outputFormat = AAC_OUTPUT_ADTS;
  unsigned int inputFormat = AAC_INPUT_16BIT;
  int shortctl = AAC_SHORTCTL_NORMAL;
};

struct AacEncoder;

// Creates an encoder for `sampleRate` (one of the 13 standard AAC rates)
// and 1 or 2 channels. Answers the input block size in samples (all
// channels counted) and the most bytes one encode call can produce. Null
// for any other rate or channel count.
AacEncoder* AacEncOpen(unsigned long sampleRate, unsigned int numChannels,
                       unsigned long* inputSamples, unsigned long* maxOutputBytes);

// The encoder's configuration record, which the caller may edit before
// AacEncSetConfiguration; it lives as long as the encoder.
AacEncConfiguration* AacEncGetCurrentConfiguration(AacEncoder* encoder);

// Applies `config` (copied into the encoder's own record) and prepares the
// encoder. 1 on success; 0 when a field is out of range, when the encoder
// has already encoded, or when FFmpeg refuses the settings.
int AacEncSetConfiguration(AacEncoder* encoder, const AacEncConfiguration* config);

// Encodes `samplesInput` interleaved samples (all channels counted, at most
// the input block size; 0 to drain the encoder at the end). A block shorter
// than the input size ends the input: only calls with no samples may
// follow. Answers the bytes written to `output` (one frame, with its ADTS
// header in ADTS mode), 0 while the encoder fills its delay and once it is
// drained, or -1 on an error (also when `bufferSize` cannot hold the frame).
int AacEncEncode(AacEncoder* encoder, const int16_t* input, unsigned int samplesInput,
                 uint8_t* output, unsigned int bufferSize);

// The AudioSpecificConfig that describes the stream to a container. False
// before AacEncSetConfiguration has succeeded.
bool AacEncGetDecoderSpecificInfo(AacEncoder* encoder, std::vector<uint8_t>& info);

// Releases the encoder and everything it holds. Null is harmless.
void AacEncClose(AacEncoder* encoder);

struct AacEncoderCloser {
  void operator()(AacEncoder* encoder) const { AacEncClose(encoder); }
};
using AacEncoderPtr = std::unique_ptr<AacEncoder, AacEncoderCloser>;
