// Numbers read from text channels into variables of each type.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/runtime/core/file_fixture.h"

using FileNumbers = FileTest;

namespace {
template <typename T> std::string bytes_of(T v) { return std::string(reinterpret_cast<const char*>(&v), sizeof v); }
} // namespace

// Guard bytes behind the destination show how much each code stored.
TEST_F(FileNumbers, EachCodeStoresItsOwnWidthAndIntegersRoundHalvesToEven) {
  struct Case { uint32_t code; const char* text; std::string bytes; } cases[] = {
      {VT_INT32, "0.5", bytes_of(0)},     {VT_INT32, "1.5", bytes_of(2)},   {VT_INT32, "-2.5", bytes_of(-2)},
      {VT_INT32, "2147483647", bytes_of(2147483647)},
      {VT_UINT32, "3000000000", bytes_of(3000000000u)},
      {VT_WORD, "65535", bytes_of<uint16_t>(65535)},
      {VT_BYTE, "255", "\xFF"},           {VT_INT8, "-3.5", "\xFC"},
      {VT_INT64, "-12345678901", bytes_of(-12345678901LL)},
      {VT_INT64, "99999999999999999999", bytes_of(INT64_MAX)}, // held at the ends of the range
      {VT_INT64, "-99999999999999999999", bytes_of(INT64_MIN)},
      {VT_RAW, "43", bytes_of(43)},       {VT_REAL32, "0.25", bytes_of(0.25f)},
      {VT_REAL64, "-1.125", bytes_of(-1.125)},
  };
  for (const Case& c : cases) {
    open_text(c.text);
    std::string slot(12, '\xEE');
    EXPECT_EQ(file_read(&channel, TEXT_CH, &slot[0], c.code | VT_REF, 0), 0) << c.text;
    EXPECT_EQ(slot, c.bytes + std::string(12 - c.bytes.size(), '\xEE')) << c.code << " " << c.text;
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

TEST_F(FileNumbers, ANumberTakesAtMostFortyBytesAndAClosedChannelStoresNone) {
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
  int32_t got = 5;
  EXPECT_EQ(file_read(&channel, TEXT_CH, &got, VT_INT32 | VT_REF, 0), -1);
  EXPECT_EQ(got, 5) << "a closed channel stores nothing";
}
