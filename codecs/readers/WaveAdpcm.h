#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Block decoders of the two ADPCM formats found in RIFF WAVE files. Both
// decode one block into samplesPerBlock x channels samples interleaved by
// channel; both refuse a block too short for its layout.
namespace WaveAdpcm {

// The standard adaptation table of Microsoft ADPCM.
extern const int kMsAdaptation[16];

// Bytes a Microsoft ADPCM block needs for `samplesPerBlock` samples.
size_t MsAdpcmBlockBytes(int channels, int samplesPerBlock);
// `coefficients` holds the coefficient pairs of the format chunk (first,
// second, first, second...). A predictor index outside the table refuses
// the block.
bool DecodeMsAdpcmBlock(const uint8_t* block, size_t size, int channels, int samplesPerBlock,
                        const std::vector<int16_t>& coefficients, int16_t* out);

// Bytes an IMA ADPCM block needs for `samplesPerBlock` samples.
size_t ImaBlockBytes(int channels, int samplesPerBlock);
bool DecodeImaBlock(const uint8_t* block, size_t size, int channels, int samplesPerBlock,
                    int16_t* out);

}  // namespace WaveAdpcm
