#pragma once

#include <cstdint>

// ADPCM decoding of ITU-T G.721 (32 kbit/s, 4-bit codes) and G.723
// (24 kbit/s, 3-bit codes; 40 kbit/s, 5-bit codes) to 16-bit linear PCM,
// following the standards' fixed-point algorithm step by step so that the
// output matches the reference decoder bit for bit. The narrow integer
// types of the state are part of that arithmetic.
class G72xDecoder {
 public:
  // `codeSize` is 3, 4 or 5 bits.
  explicit G72xDecoder(int codeSize);

  // Back to the initial state of the standard.
  void Reset();
  // Decodes one code (the low codeSize bits) into one 16-bit sample,
  // clipped.
  int16_t Decode(unsigned code);
  // The same before clipping: the reconstructed signal times four, as the
  // reference decoder gives it.
  int DecodeLinear(unsigned code);

 private:
  int PredictorZero() const;
  int PredictorPole() const;
  int StepSize() const;
  void Update(int y, int wi, int fi, int dq, int sr, int dqsez);

  int codeSize_;
  int32_t yl_;      // steady-state step size multiplier
  int16_t yu_;      // non-steady-state step size multiplier
  int16_t dms_;     // short-term energy estimate
  int16_t dml_;     // long-term energy estimate
  int16_t ap_;      // weighting of yl against yu
  int16_t a_[2];    // pole coefficients of the predictor
  int16_t b_[6];    // zero coefficients of the predictor
  int16_t pk_[2];   // signs of the last two partial reconstructions
  int16_t dq_[6];   // last quantised differences, in floating form
  int16_t sr_[2];   // last reconstructed samples, in floating form
  bool td_;         // tone detected on the previous sample
};
