#pragma once
// Numbers as text: weights, prices, records, printouts and messages always
// use "." as the decimal point. Qt sets the C library's locale from the
// desktop, so printf("%.2f") and strtod would follow it ("4,25", and "7.5"
// read as 7); these helpers never look at the locale.

#include <optional>
#include <string>
#include <string_view>

namespace lwk {

// The value in fixed notation with the given number of decimals (0 or more):
// FormatFixed(31, 2) is "31.00", FormatFixed(4.256, 2) is "4.26". Rounds as
// printf does; a value that rounds to zero is written without a minus sign.
// Infinity and NaN come out as "inf", "-inf" and "nan".
std::string FormatFixed(double value, int decimals);

// Reads a decimal number such as "7.5", "-3", "+2.25", ".5" or "1e3",
// ignoring spaces and tabs around it. Nullopt when the text is empty, holds
// anything else, or is not a finite number.
std::optional<double> ParseNumber(std::string_view text);

}  // namespace lwk
