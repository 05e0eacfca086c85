#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "tests/support/temp_text.h"

using Numbers = HeapTest;

TEST_F(Numbers, NumToTextHasALeadingBlankAndTwoPlacesForFractionsRoundedAsTheSystemRuntime) {
  struct Case { double x; const char* want; } cases[] = {
      {-3, " -3"}, {-0.0, " 0"}, {1.0 / 3, " 0.33"}, {-0.5, " -0.50"},
      {-4294967297.0, " -4294967297"}, // past 32 bits: shown whole, not cut
      {1e20, " 100000000000000000000.00"},
      // The stored double decides: 2.675 is held as 2.67499..., 0.125 exactly, -0.005 as -0.0050...01.
      {2.675, " 2.67"}, {0.125, " 0.13"},  {-0.005, " -0.01"},
  };
  for (const Case& c : cases) EXPECT_EQ(take(num_to_text(c.x)), c.want) << c.x;
}

TEST_F(Numbers, TextToNumReadsOnlyItsSimpleForm) {
  struct Case { const char* s; double want; } cases[] = {
      {"  -12.50x", -12.5}, {".5", 0.5}, {"1e3", 1}, {"+4", 0}, {"\t42", 42}, {"1.2.3", 1.2}, {"- 5", 0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(text_to_num(c.s), c.want) << c.s;
  double minus = text_to_num("-");
  EXPECT_EQ(minus, 0);
  EXPECT_TRUE(std::signbit(minus)) << "a lone '-' is negative zero";
}

TEST(Int64Text, DigitsThenOneBlank) {
  char buffer[32];
  struct Case { int64_t v; const char* want; } cases[] = {{-45, "-45 "}, {0, "0 "}, {INT64_MIN, "-9223372036854775808 "}};
  for (const Case& c : cases) {
    EXPECT_EQ(int64_to_text(buffer, c.v), static_cast<int>(std::strlen(c.want)));
    EXPECT_STREQ(buffer, c.want);
  }
  EXPECT_EQ(uint64_to_text(buffer, 18446744073709551615ull), 21);
  EXPECT_STREQ(buffer, "18446744073709551615 ");
}

TEST(NumPower, FollowsTheSignRulesAndNumAbsNegatesNegatives) {
  struct Case { double x, y, want; } cases[] = {
      {-2, 3, -8}, {-2, 2, 4}, {-2, 0.5, 0}, {0, 0, 1}, {10, -2, 0.01}, {-3, -1, -1.0 / 3},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(num_power(c.x, c.y), c.want) << c.x << "^" << c.y;
  for (int k = 1; k <= 15; ++k) EXPECT_EQ(num_power(10, k), std::pow(10.0, k)) << "exact enough for 10^" << k;
  EXPECT_EQ(num_abs(-2.5), 2.5);
  EXPECT_EQ(num_abs(3), 3);
}
