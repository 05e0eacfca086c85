// Strings and numbers written to text channels, byte for byte.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/runtime/core/file_fixture.h"

using FileWrite = FileTest;

namespace {
template <typename T> ValueSlot bits_of(T v) {
  ValueSlot slot = 0;
  std::memcpy(&slot, &v, sizeof v);
  return slot;
}
template <typename T> ValueSlot address_of(T* p) { return reinterpret_cast<ValueSlot>(p); }
} // namespace

TEST_F(FileWrite, StringsBecomeLinesOfTheGivenLengthNumbersTheirTextAndOneBlank) {
  int32_t i32 = -3, other = 77;
  double f64 = 2.5;
  int64_t i64 = 1099511627776LL;
  uint64_t u64 = 9223372036854775808ULL;
  struct Case { const char* what; ValueSlot slot; uint32_t type; int32_t length; const char* want; } cases[] = {
      {"part of a string", address_of("hello"), VT_STRING | VT_REF, 3, "hel\r\n"},
      {"a negative length", address_of("neg"), VT_STRING | VT_REF, -4, "\r\n"},
      {"int32 in the slot", 5, VT_INT32, 0, " 5 "},
      {"int32 by reference", address_of(&i32), VT_INT32 | VT_REF, 0, " -3 "},
      {"uint32 in the slot", 3000000000u, VT_UINT32, 0, " 3000000000 "},
      {"byte in the slot, high bits ignored", 0xAB00 | 200, VT_BYTE, 0, " 200 "},
      {"signed byte", 0xFF, VT_INT8, 0, " -1 "}, {"word", 0xFFFF, VT_WORD, 0, " 65535 "},
      {"signed word", 0xFFFF, VT_INT16, 0, " -1 "},
      {"real32 in the slot", bits_of(0.25f), VT_REAL32, 0, " 0.25 "},
      {"real64 always through the address", address_of(&f64), VT_REAL64, 0, " 2.50 "},
      {"int64 through the address", address_of(&i64), VT_INT64, 0, " 1099511627776 "},
      {"uint64 above the signed range", address_of(&u64), VT_UINT64 | VT_REF, 0, " 9223372036854775808.00 "},
      {"another code is an int32 behind the address", address_of(&other), VT_RAW, 0, " 77 "},
  };
  for (const Case& c : cases) {
    int put = 0;
    EXPECT_EQ(written(VT_TEXT_CHANNEL, [&] { put = file_write(&channel, TEXT_CH, c.slot, c.type, c.length); }),
              c.want)
        << c.what;
    EXPECT_EQ(put, static_cast<int>(std::strlen(c.want))) << c.what;
  }
}
