#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tournament/Real48.h"

namespace lwk {
namespace {

using B = Real48Bytes;

TEST(Real48, KnownBytes) {
  struct Case {
    double value;
    B bytes;
  };
  const Case cases[] = {
      {100.0, {0x87, 0, 0, 0, 0, 0x48}},
      {-100.0, {0x87, 0, 0, 0, 0, 0xC8}},
      {1.0, {0x81, 0, 0, 0, 0, 0}},
      {0.5, {0x80, 0, 0, 0, 0, 0}},
      {75.0, {0x87, 0, 0, 0, 0, 0x16}},
      {0.0, {0, 0, 0, 0, 0, 0}},
      {1.0 + std::ldexp(1.0, -39), {0x81, 1, 0, 0, 0, 0}},  // lowest mantissa bit, byte 1
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncodeReal48(c.value), c.bytes) << c.value;
    EXPECT_EQ(DecodeReal48(c.bytes), c.value) << c.value;
  }
}

TEST(Real48, ExponentZeroIsZeroWhateverTheMantissa) {
  EXPECT_EQ(DecodeReal48({0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), 0.0);
  EXPECT_EQ(EncodeReal48(-0.0), (B{0, 0, 0, 0, 0, 0}));
}

TEST(Real48, RoundsToThirtyNineBits) {
  const double ulp = std::ldexp(1.0, -39);  // of values in [1, 2)
  EXPECT_EQ(EncodeReal48(1.0 + ulp / 4), (B{0x81, 0, 0, 0, 0, 0}));
  EXPECT_EQ(EncodeReal48(1.0 + ulp / 2), (B{0x81, 1, 0, 0, 0, 0}));  // halfway goes away from zero
  EXPECT_EQ(EncodeReal48(1.0 + ulp * 0.75), (B{0x81, 1, 0, 0, 0, 0}));
  // Rounding up the largest mantissa carries into the exponent.
  EXPECT_EQ(EncodeReal48(2.0 - ulp / 4), (B{0x82, 0, 0, 0, 0, 0}));
}

TEST(Real48, ValuesOutsideTheFormat) {
  const B largest{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
  const B smallestNegative{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(EncodeReal48(std::numeric_limits<double>::quiet_NaN()), (B{}));
  EXPECT_EQ(EncodeReal48(std::numeric_limits<double>::infinity()), largest);
  EXPECT_EQ(EncodeReal48(-std::numeric_limits<double>::infinity()), smallestNegative);
  EXPECT_EQ(EncodeReal48(1e39), largest);
  EXPECT_EQ(EncodeReal48(-1e300), smallestNegative);
  EXPECT_EQ(EncodeReal48(1e-40), (B{}));
  EXPECT_EQ(EncodeReal48(std::numeric_limits<double>::denorm_min()), (B{}));
  // The ends of the range themselves are kept.
  EXPECT_EQ(EncodeReal48(std::ldexp(1.0, -128)), (B{1, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(std::isfinite(DecodeReal48(largest)));
  EXPECT_NEAR(DecodeReal48(largest), 1.7014118346e38, 1e29);
}

TEST(Real48, RoundTripsWithinItsPrecision) {
  const double values[] = {0.01,      0.99,  1.0 / 3, 3.14159265358979, 42.125, 99.99, -7.25,
                           12345.678, 1e-30, -1e30,   1.5e38,           3e-39};
  for (double v : values) {
    const double back = DecodeReal48(EncodeReal48(v));
    EXPECT_LE(std::fabs(back - v), std::fabs(v) * std::ldexp(1.0, -39)) << v;
  }
}

}  // namespace
}  // namespace lwk
