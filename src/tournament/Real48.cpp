#include "tournament/Real48.h"

#include <cmath>

namespace lwk {

namespace {

constexpr int kMantissaBits = 39;
constexpr std::uint64_t kMantissaOne = std::uint64_t{1} << kMantissaBits;
constexpr int kBias = 129;

Real48Bytes Pack(int exponent, std::uint64_t mantissa, bool negative) {
  Real48Bytes b{};
  b[0] = static_cast<std::uint8_t>(exponent);
  for (int i = 0; i < 5; ++i) b[1 + i] = static_cast<std::uint8_t>((mantissa >> (8 * i)) & 0xFF);
  if (negative) b[5] |= 0x80;
  return b;
}

}  // namespace

Real48Bytes EncodeReal48(double value) {
  if (std::isnan(value) || value == 0.0) return Real48Bytes{};
  const bool negative = std::signbit(value);
  if (std::isinf(value)) return Pack(255, kMantissaOne - 1, negative);

  // |value| = f * 2^k with f in [0.5, 1) = 1.m * 2^(k - 1).
  int k = 0;
  const double f = std::frexp(std::fabs(value), &k);
  int exponent = k - 1 + kBias;
  // 2f - 1 carries at most 52 bits, so scaling it by 2^39 is exact and the
  // one rounding happens here.
  std::uint64_t mantissa = static_cast<std::uint64_t>(std::llround(std::ldexp(2.0 * f - 1.0, kMantissaBits)));
  if (mantissa == kMantissaOne) {  // rounded up to the next power of two
    mantissa = 0;
    ++exponent;
  }
  if (exponent > 255) return Pack(255, kMantissaOne - 1, negative);
  if (exponent < 1) return Real48Bytes{};
  return Pack(exponent, mantissa, negative);
}

double DecodeReal48(const Real48Bytes& b) {
  if (b[0] == 0) return 0.0;
  std::uint64_t mantissa = b[5] & 0x7F;
  for (int i = 4; i >= 1; --i) mantissa = (mantissa << 8) | b[i];
  const double magnitude =
      std::ldexp(1.0 + std::ldexp(static_cast<double>(mantissa), -kMantissaBits), static_cast<int>(b[0]) - kBias);
  return (b[5] & 0x80) ? -magnitude : magnitude;
}

}  // namespace lwk
