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
      {VT_INT32, "0.5", bytes_of(0)},     {VT_INT32, "-2.5", bytes_of(-2)},
      {VT_UINT32, "3000000000", bytes_of(3000000000u)},
      {VT_WORD, "65535", bytes_of<uint16_t>(65535)},
      {VT_BYTE, "255", "\xFF"},           {VT_INT8, "-3.5", "\xFC"},
      {VT_INT64, "99999999999999999999", bytes_of(INT64_MAX)}, // held at the ends of the range
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
