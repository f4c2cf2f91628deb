#pragma once

#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

// Least-squares amplitudes of sines at `frequencies` (Hz) in
// signal[from, to) sampled at `rate`, all fitted together so that a loud
// sine does not leak into the fit of a faint one beside it. An independent
// measure of what a resampler passes and what it lets through: each
// amplitude is in the signal's own units.
template <typename Samples>
std::vector<double> FitSineAmplitudes(const Samples& signal, size_t from, size_t to, int rate,
                                      const std::vector<double>& frequencies) {
  const size_t k = 2 * frequencies.size();
  std::vector<double> a(k * k, 0.0), b(k, 0.0), row(k);
  for (size_t i = from; i < to; ++i) {
    for (size_t f = 0; f < frequencies.size(); ++f) {
      const double w = 2 * M_PI * frequencies[f] * static_cast<double>(i) / rate;
      row[2 * f] = std::cos(w);
      row[2 * f + 1] = std::sin(w);
    }
    for (size_t r = 0; r < k; ++r) {
      b[r] += row[r] * static_cast<double>(signal[i]);
      for (size_t c = 0; c < k; ++c) a[r * k + c] += row[r] * row[c];
    }
  }
  for (size_t c = 0; c < k; ++c) {  // Gaussian elimination, partial pivoting
    size_t pivot = c;
    for (size_t r = c + 1; r < k; ++r)
      if (std::fabs(a[r * k + c]) > std::fabs(a[pivot * k + c])) pivot = r;
    for (size_t j = 0; j < k; ++j) std::swap(a[c * k + j], a[pivot * k + j]);
    std::swap(b[c], b[pivot]);
    for (size_t r = c + 1; r < k; ++r) {
      const double m = a[r * k + c] / a[c * k + c];
      for (size_t j = c; j < k; ++j) a[r * k + j] -= m * a[c * k + j];
      b[r] -= m * b[c];
    }
  }
  std::vector<double> x(k);
  for (size_t r = k; r-- > 0;) {
    double sum = b[r];
    for (size_t j = r + 1; j < k; ++j) sum -= a[r * k + j] * x[j];
    x[r] = sum / a[r * k + r];
  }
  std::vector<double> amplitudes(frequencies.size());
  for (size_t f = 0; f < frequencies.size(); ++f)
    amplitudes[f] = std::hypot(x[2 * f], x[2 * f + 1]);
  return amplitudes;
}
