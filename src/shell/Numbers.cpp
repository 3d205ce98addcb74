#include "shell/Numbers.h"

#include <charconv>
#include <cmath>

namespace lwk {

std::string FormatFixed(double value, int decimals) {
  if (decimals < 0) decimals = 0;
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  // 309 digits before the point at most for a double, plus the decimals.
  std::string out(static_cast<size_t>(320 + decimals), '\0');
  auto [end, ec] = std::to_chars(out.data(), out.data() + out.size(), value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return "nan";
  out.resize(static_cast<size_t>(end - out.data()));
  // -0.001 with two decimals is "0.00", not "-0.00".
  if (out.front() == '-' && out.find_first_not_of("-0.") == std::string::npos) out.erase(0, 1);
  return out;
}

std::optional<double> ParseNumber(std::string_view text) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // A second sign ("+-5") or nothing left is not a number.
  if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
  double v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return std::nullopt;
  return negative ? -v : v;
}

}  // namespace lwk
