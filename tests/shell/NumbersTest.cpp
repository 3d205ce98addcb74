#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "shell/Numbers.h"
#include "support/GermanLocale.h"

namespace lwk {
namespace {

void ExpectNumbersWithAPoint() {
  const struct {
    double value;
    int decimals;
    const char* text;
  } formats[] = {
      {31, 2, "31.00"},    {0, 2, "0.00"},  {4.256, 2, "4.26"}, {4.254, 2, "4.25"},           {-3.5, 1, "-3.5"},
      {-0.001, 2, "0.00"}, {12.6, 0, "13"}, {2.5, 3, "2.500"},  {123456.789, 2, "123456.79"},
  };
  for (const auto& f : formats) EXPECT_EQ(FormatFixed(f.value, f.decimals), f.text) << f.value << " " << f.decimals;

  const struct {
    const char* text;
    std::optional<double> value;
  } parses[] = {
      {"7.5", 7.5},
      {" 7.5\t", 7.5},
      {"-3", -3.0},
      {"+2.25", 2.25},
      {".5", 0.5},
      {"1e3", 1000},
      {"0", 0.0},
      {"", std::nullopt},
      {"  ", std::nullopt},
      {"7,5", std::nullopt},
      {"7.5lb", std::nullopt},
      {"abc", std::nullopt},
      {"+-5", std::nullopt},
      {"--5", std::nullopt},
      {"-", std::nullopt},
      {"inf", std::nullopt},
      {"nan", std::nullopt},
      {"1e999", std::nullopt},
  };
  for (const auto& p : parses) EXPECT_EQ(ParseNumber(p.text), p.value) << '"' << p.text << '"';
}

TEST(Numbers, FormatAndParseWithADecimalPoint) {
  ExpectNumbersWithAPoint();
}

TEST(Numbers, KeepTheirPointUnderAGermanLocale) {
  GermanLocale german;
  if (!german.active()) GTEST_SKIP() << GermanLocale::kSkipReason;
  // The C library itself now writes and reads a comma, as on a German desktop.
  char buf[16];
  std::snprintf(buf, sizeof buf, "%.2f", 31.0);
  ASSERT_STREQ(buf, "31,00");
  ASSERT_EQ(std::strtod("7.5", nullptr), 7.0);
  ExpectNumbersWithAPoint();
}

}  // namespace
}  // namespace lwk
