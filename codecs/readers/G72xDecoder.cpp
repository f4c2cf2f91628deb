#include "codecs/readers/G72xDecoder.h"

#include <cstdlib>

namespace {

const int16_t kPower2[15] = {1,     2,     4,     8,     0x10,   0x20,   0x40,  0x80,
                             0x100, 0x200, 0x400, 0x800, 0x1000, 0x2000, 0x4000};

// Index of the first table entry above `value`.
int Quan(int value, const int16_t* table, int size) {
  int i = 0;
  while (i < size && value >= table[i]) ++i;
  return i;
}

// Multiplies a predictor coefficient by a value in the 4-bit exponent,
// 6-bit mantissa floating form.
int FMult(int an, int srn) {
  const int16_t anmag = static_cast<int16_t>(an > 0 ? an : ((-an) & 0x1FFF));
  const int16_t anexp = static_cast<int16_t>(Quan(anmag, kPower2, 15) - 6);
  const int16_t anmant = static_cast<int16_t>(anmag == 0 ? 32 : anexp >= 0 ? anmag >> anexp : anmag << -anexp);
  const int16_t wanexp = static_cast<int16_t>(anexp + ((srn >> 6) & 0xF) - 13);
  const int16_t wanmant = static_cast<int16_t>((anmant * (srn & 077) + 0x30) >> 4);
  const int16_t product =
      static_cast<int16_t>(wanexp >= 0 ? ((wanmant << wanexp) & 0x7FFF) : (wanmant >> -wanexp));
  return ((an ^ srn) < 0) ? -product : product;
}

// Rebuilds the quantised difference from its log magnitude and the step.
int Reconstruct(bool negative, int dqln, int y) {
  const int16_t dql = static_cast<int16_t>(dqln + (y >> 2));
  if (dql < 0) return negative ? -0x8000 : 0;
  const int16_t dex = static_cast<int16_t>((dql >> 7) & 15);
  const int16_t dqt = static_cast<int16_t>(128 + (dql & 127));
  const int16_t dq = static_cast<int16_t>((dqt << 7) >> (14 - dex));
  return negative ? dq - 0x8000 : dq;
}

// Per code size: log magnitudes of the quantised difference, scale factor
// multipliers and speed-control values, indexed by code.
const int16_t kDqln24[8] = {-2048, 135, 273, 373, 373, 273, 135, -2048};
const int16_t kWi24[8] = {-128, 960, 4384, 18624, 18624, 4384, 960, -128};
const int16_t kFi24[8] = {0, 0x200, 0x400, 0xE00, 0xE00, 0x400, 0x200, 0};

const int16_t kDqln32[16] = {-2048, 4, 135, 213, 273, 323, 373, 425, 425, 373, 323, 273, 213, 135, 4, -2048};
const int16_t kWi32[16] = {-12, 18, 41, 64, 112, 198, 355, 1122, 1122, 355, 198, 112, 64, 41, 18, -12};
const int16_t kFi32[16] = {0, 0, 0, 0x200, 0x200, 0x200, 0x600, 0xE00,
                           0xE00, 0x600, 0x200, 0x200, 0x200, 0, 0, 0};

const int16_t kDqln40[32] = {-2048, -66, 28,  104, 169, 224, 274, 318, 358, 395, 429,
                             459,   488, 514, 539, 566, 566, 539, 514, 488, 459, 429,
                             395,   358, 318, 274, 224, 169, 104, 28,  -66, -2048};
const int16_t kWi40[32] = {448,   448,   768,   1248,  1280,  1312,  1856,  3200,  4512,  5728, 7008,
                           8960,  11456, 14080, 16928, 22272, 22272, 16928, 14080, 11456, 8960, 7008,
                           5728,  4512,  3200,  1856,  1312,  1280,  1248,  768,   448,   448};
const int16_t kFi40[32] = {0,     0,     0,     0,     0,     0x200, 0x200, 0x200, 0x200, 0x200, 0x400,
                           0x600, 0x800, 0xA00, 0xC00, 0xC00, 0xC00, 0xC00, 0xA00, 0x800, 0x600, 0x400,
                           0x200, 0x200, 0x200, 0x200, 0x200, 0,     0,     0,     0,     0};

// The floating form of a value: 4-bit exponent, 6-bit mantissa.
int16_t Float(int magnitude) {
  const int exponent = Quan(magnitude, kPower2, 15);
  return static_cast<int16_t>((exponent << 6) + ((magnitude << 6) >> exponent));
}

}  // namespace

G72xDecoder::G72xDecoder(int codeSize) : codeSize_(codeSize) { Reset(); }

void G72xDecoder::Reset() {
  yl_ = 34816;
  yu_ = 544;
  dms_ = 0;
  dml_ = 0;
  ap_ = 0;
  for (int i = 0; i < 2; ++i) {
    a_[i] = 0;
    pk_[i] = 0;
    sr_[i] = 32;
  }
  for (int i = 0; i < 6; ++i) {
    b_[i] = 0;
    dq_[i] = 32;
  }
  td_ = false;
}

int G72xDecoder::PredictorZero() const {
  int sezi = 0;
  for (int i = 0; i < 6; ++i) sezi += FMult(b_[i] >> 2, dq_[i]);
  return sezi;
}

int G72xDecoder::PredictorPole() const { return FMult(a_[1] >> 2, sr_[1]) + FMult(a_[0] >> 2, sr_[0]); }

int G72xDecoder::StepSize() const {
  if (ap_ >= 256) return yu_;
  int y = static_cast<int>(yl_ >> 6);
  const int dif = yu_ - y;
  const int al = ap_ >> 2;
  if (dif > 0) {
    y += (dif * al) >> 6;
  } else if (dif < 0) {
    y += (dif * al + 0x3F) >> 6;
  }
  return y;
}

int G72xDecoder::DecodeLinear(unsigned code) {
  const int mask = (1 << codeSize_) - 1;
  const int i = static_cast<int>(code) & mask;
  const bool negative = (i & (1 << (codeSize_ - 1))) != 0;

  const int16_t sezi = static_cast<int16_t>(PredictorZero());
  const int16_t sez = static_cast<int16_t>(sezi >> 1);
  const int16_t sei = static_cast<int16_t>(sezi + PredictorPole());
  const int16_t se = static_cast<int16_t>(sei >> 1);  // the estimated signal
  const int16_t y = static_cast<int16_t>(StepSize());

  int dqln = 0, wi = 0, fi = 0;
  switch (codeSize_) {
    case 3:
      dqln = kDqln24[i];
      wi = kWi24[i];
      fi = kFi24[i];
      break;
    case 4:
      dqln = kDqln32[i];
      wi = kWi32[i] * 32;
      fi = kFi32[i];
      break;
    default:
      dqln = kDqln40[i];
      wi = kWi40[i];
      fi = kFi40[i];
      break;
  }
  const int16_t dq = static_cast<int16_t>(Reconstruct(negative, dqln, y));
  // The 40 kbit/s coder's differences reach 15 bits, the others' 14.
  const int magnitudeMask = codeSize_ == 5 ? 0x7FFF : 0x3FFF;
  const int16_t sr = static_cast<int16_t>(dq < 0 ? se - (dq & magnitudeMask) : se + dq);
  const int16_t dqsez = static_cast<int16_t>(sr - se + sez);
  Update(y, wi, fi, dq, sr, dqsez);

  return sr * 4;  // the reconstructed signal has a 14-bit range
}

int16_t G72xDecoder::Decode(unsigned code) {
  // An overloaded stream can reconstruct beyond 14 bits; clip rather than
  // let the sample wrap around.
  const int linear = DecodeLinear(code);
  return static_cast<int16_t>(linear > 32767 ? 32767 : linear < -32768 ? -32768 : linear);
}

void G72xDecoder::Update(int y, int wi, int fi, int dq, int sr, int dqsez) {
  const int16_t pk0 = dqsez < 0 ? 1 : 0;
  int16_t mag = static_cast<int16_t>(dq & 0x7FFF);

  // Tone and transition detection.
  const int16_t ylint = static_cast<int16_t>(yl_ >> 15);
  const int16_t ylfrac = static_cast<int16_t>((yl_ >> 10) & 0x1F);
  const int16_t thr1 = static_cast<int16_t>((32 + ylfrac) << ylint);
  const int16_t thr2 = static_cast<int16_t>(ylint > 9 ? 31 << 10 : thr1);
  const int16_t dqthr = static_cast<int16_t>((thr2 + (thr2 >> 1)) >> 1);
  const bool transition = td_ && mag > dqthr;

  // Quantizer scale factor adaptation.
  int yu = y + ((wi - y) >> 5);
  if (yu < 544) yu = 544;
  if (yu > 5120) yu = 5120;
  yu_ = static_cast<int16_t>(yu);
  yl_ += yu_ + ((-yl_) >> 6);

  int16_t a2p = 0;
  if (transition) {
    // A modem signal: the predictor starts over.
    a_[0] = a_[1] = 0;
    for (int16_t& b : b_) b = 0;
  } else {
    const int16_t pks1 = static_cast<int16_t>(pk0 ^ pk_[0]);
    a2p = static_cast<int16_t>(a_[1] - (a_[1] >> 7));
    if (dqsez != 0) {
      const int16_t fa1 = static_cast<int16_t>(pks1 ? a_[0] : -a_[0]);
      if (fa1 < -8191) {
        a2p = static_cast<int16_t>(a2p - 0x100);
      } else if (fa1 > 8191) {
        a2p = static_cast<int16_t>(a2p + 0xFF);
      } else {
        a2p = static_cast<int16_t>(a2p + (fa1 >> 5));
      }
      if (pk0 ^ pk_[1]) {
        if (a2p <= -12160) {
          a2p = -12288;
        } else if (a2p >= 12416) {
          a2p = 12288;
        } else {
          a2p = static_cast<int16_t>(a2p - 0x80);
        }
      } else if (a2p <= -12416) {
        a2p = -12288;
      } else if (a2p >= 12160) {
        a2p = 12288;
      } else {
        a2p = static_cast<int16_t>(a2p + 0x80);
      }
    }
    a_[1] = a2p;

    a_[0] = static_cast<int16_t>(a_[0] - (a_[0] >> 8));
    if (dqsez != 0) a_[0] = static_cast<int16_t>(pks1 == 0 ? a_[0] + 192 : a_[0] - 192);
    const int16_t a1ul = static_cast<int16_t>(15360 - a2p);
    if (a_[0] < -a1ul) {
      a_[0] = static_cast<int16_t>(-a1ul);
    } else if (a_[0] > a1ul) {
      a_[0] = a1ul;
    }

    for (int i = 0; i < 6; ++i) {
      // The 40 kbit/s coder leaks its zero coefficients more slowly.
      b_[i] = static_cast<int16_t>(b_[i] - (b_[i] >> (codeSize_ == 5 ? 9 : 8)));
      if (dq & 0x7FFF) b_[i] = static_cast<int16_t>((dq ^ dq_[i]) >= 0 ? b_[i] + 128 : b_[i] - 128);
    }
  }

  for (int i = 5; i > 0; --i) dq_[i] = dq_[i - 1];
  if (mag == 0) {
    dq_[0] = static_cast<int16_t>(dq >= 0 ? 0x20 : 0xFC20);
  } else {
    dq_[0] = static_cast<int16_t>(dq >= 0 ? Float(mag) : Float(mag) - 0x400);
  }

  sr_[1] = sr_[0];
  if (sr == 0) {
    sr_[0] = 0x20;
  } else if (sr > 0) {
    sr_[0] = Float(sr);
  } else if (sr > -32768) {
    sr_[0] = static_cast<int16_t>(Float(-sr) - 0x400);
  } else {
    sr_[0] = static_cast<int16_t>(0xFC20);
  }

  pk_[1] = pk_[0];
  pk_[0] = pk0;

  if (transition) {
    td_ = false;
  } else {
    td_ = a2p < -11776;  // little correlation between samples: maybe data
  }

  // Adaptation speed control.
  dms_ = static_cast<int16_t>(dms_ + ((fi - dms_) >> 5));
  dml_ = static_cast<int16_t>(dml_ + (((fi << 2) - dml_) >> 7));
  if (transition) {
    ap_ = 256;
  } else if (y < 1536 || td_ || std::abs((dms_ << 2) - dml_) >= (dml_ >> 3)) {
    ap_ = static_cast<int16_t>(ap_ + ((0x200 - ap_) >> 4));
  } else {
    ap_ = static_cast<int16_t>(ap_ + ((-ap_) >> 4));
  }
}
