#pragma once
// The 6-byte real of the saved game: byte 0 is the exponent e, bytes 1 to 5
// hold the 39 mantissa bits m, least significant byte first, and the top bit
// of byte 5 is the sign s. The value is (-1)^s * 2^(e-129) * 1.m; e = 0 means
// 0.0 whatever the other bytes hold. 100.0 is 87 00 00 00 00 48.

#include <array>
#include <cstdint>

namespace lwk {

using Real48Bytes = std::array<std::uint8_t, 6>;

// The nearest 6-byte real (mantissa rounded to 39 bits, halfway cases away
// from zero). Values the format cannot hold:
//  - NaN becomes 0.0;
//  - a magnitude too large (infinity included) becomes the largest real of
//    the same sign, about 1.7e38;
//  - a magnitude below the smallest real (about 2.9e-39) becomes 0.0.
Real48Bytes EncodeReal48(double value);

// The value of any six bytes; always finite.
double DecodeReal48(const Real48Bytes& bytes);

}  // namespace lwk
