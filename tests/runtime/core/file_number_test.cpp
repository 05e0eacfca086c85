// Numbers read from text channels into variables of each type.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/runtime/core/file_fixture.h"

using FileNumbers = FileTest;

namespace {
// A destination with guard bytes behind it, to see how much was stored.
struct Slot {
  unsigned char bytes[12];
  Slot() { std::memset(bytes, 0xEE, sizeof bytes); }
  template <typename T>
  T as() const {
    T v;
    std::memcpy(&v, bytes, sizeof v);
    return v;
  }
  int stored() const { // bytes changed from the guard pattern, counted from the front
    int n = sizeof bytes;
    while (n > 0 && bytes[n - 1] == 0xEE) --n;
    return n;
  }
};
} // namespace

TEST_F(FileNumbers, IntegersRoundToTheNearestAndHalvesToEven) {
  struct Case { const char* text; int32_t want; } cases[] = {
      {"0.5", 0},  {"1.5", 2},   {"2.5", 2},   {"3.5", 4},   {"-0.5", 0},  {"-1.5", -2}, {"-2.5", -2},
      {"2.51", 3}, {"2.49", 2},  {"-2.51", -3}, {"7", 7},    {"0", 0},     {"-", 0},     {"12.", 12},
      {"1.2.3", 1}, {"--4", 0},  {"4-", 4},    {"2147483647", 2147483647},
  };
  for (const Case& c : cases) {
    open_text(c.text);
    int32_t got = 99;
    EXPECT_EQ(file_read(&channel, TEXT_CH, &got, VT_INT32 | VT_REF, 0), 0) << c.text;
    EXPECT_EQ(got, c.want) << c.text;
    file_close(&channel, TEXT_CH);
  }
}

TEST_F(FileNumbers, EachCodeStoresItsOwnWidth) {
  struct Case {
    uint32_t code;
    const char* text;
    int width;
    long double want; // the stored value, signed for the integer codes (exact in 80 bits)
  } cases[] = {
      {VT_INT32, "-7", 4, -7},          {VT_UINT32, "3000000000", 4, static_cast<int32_t>(3000000000u)},
      {VT_WORD, "65535", 2, -1},        {VT_INT16, "-2", 2, -2},
      {VT_BYTE, "255", 1, -1},          {VT_INT8, "-3.5", 1, -4},
      {VT_INT64, "-12345678901", 8, -12345678901LL},
      {VT_UINT64, "12345678901", 8, 12345678901LL},
      {VT_INT64, "99999999999999999999", 8, INT64_MAX}, // held at the ends of the range
      {VT_INT64, "-99999999999999999999", 8, INT64_MIN},
      {VT_POINTER, "42", 4, 42},        {VT_RAW, "43", 4, 43},
      {VT_NONE, "44", 4, 44},           {VT_REAL32, "0.25", 4, 0.25},
      {VT_REAL64, "-1.125", 8, -1.125},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.code) + " " + c.text);
    open_text(c.text);
    Slot s;
    EXPECT_EQ(file_read(&channel, TEXT_CH, s.bytes, c.code | VT_REF, 0), 0);
    EXPECT_EQ(s.stored(), c.width);
    long double got = c.code == VT_REAL32   ? s.as<float>()
                      : c.code == VT_REAL64 ? s.as<double>()
                      : c.width == 1        ? s.as<int8_t>()
                      : c.width == 2        ? s.as<int16_t>()
                      : c.width == 4        ? s.as<int32_t>()
                                            : s.as<int64_t>();
    EXPECT_EQ(got, c.want);
    file_close(&channel, TEXT_CH);
  }
}

TEST_F(FileNumbers, NumbersAreFoundInTextEachTakingTheByteBehindItUntilOnlyLettersRemain) {
  open_text("x=-12.5;rest\r\n10 20,-3.25\r\nabc def");
  double got = 0;
  EXPECT_EQ(file_read(&channel, TEXT_CH, &got, VT_REAL64 | VT_REF, 0), 0);
  EXPECT_EQ(got, -12.5);
  int result = 0;
  EXPECT_EQ(read_whole_line(&result), "rest") << "the ';' should be gone";
  for (double want : {10.0, 20.0, -3.25}) {
    EXPECT_EQ(file_read(&channel, TEXT_CH, &got, VT_REAL64 | VT_REF, 0), 0);
    EXPECT_EQ(got, want);
  }
  got = 99;
  EXPECT_EQ(file_read(&channel, TEXT_CH, &got, VT_REAL64 | VT_REF, 0), -1);
  EXPECT_EQ(got, 0);
  int32_t whole = 99;
  EXPECT_EQ(file_read(&channel, TEXT_CH, &whole, VT_INT32 | VT_REF, 0), -1);
  EXPECT_EQ(whole, 0);
  EXPECT_EQ(file_eof(&channel, TEXT_CH), 1);
}

TEST_F(FileNumbers, ANumberTakesAtMostFortyBytesAndAClosedChannelHasNone) {
  open_text(std::string(45, '1') + ";");
  bool found = false;
  double first = file_read_number(&channel, &found);
  EXPECT_TRUE(found);
  EXPECT_EQ(first, text_to_num(std::string(40, '1').c_str()));
  // The 41st byte went with the first number; four are left.
  EXPECT_EQ(file_read_number(&channel, &found), 1111);
  EXPECT_TRUE(found);
  EXPECT_EQ(file_read_number(&channel, &found), 0);
  EXPECT_FALSE(found);
  file_close(&channel, TEXT_CH);
  found = true;
  EXPECT_EQ(file_read_number(&channel, &found), 0);
  EXPECT_FALSE(found) << "a closed channel has no number";
  int32_t got = 5;
  EXPECT_EQ(file_read(&channel, TEXT_CH, &got, VT_INT32 | VT_REF, 0), -1);
  EXPECT_EQ(got, 5) << "a closed channel stores nothing";
}
