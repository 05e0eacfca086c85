// Raw bytes through binary channels, positions and the end of the file.
#include <gtest/gtest.h>

#include <string>

#include "tests/runtime/core/file_fixture.h"

using FileBinary = FileTest;

namespace {
ValueSlot address_of(const void* p) { return reinterpret_cast<ValueSlot>(p); }
} // namespace

TEST_F(FileBinary, WritesComeFromTheSlotTheVariableOrTheMemoryItPointsTo) {
  const char memory[] = "MEMORY";
  const char* pointer = memory;
  const char bytes[] = "ABCDEF";
  struct Case { const char* what; ValueSlot slot; uint32_t type; int32_t length; std::string want; } cases[] = {
      {"part of the slot", 0x04030201, VT_INT32, 2, "\x01\x02"},
      {"no more than the slot holds", 0x34333231, VT_INT32, 64, "1234"},
      {"a variable by reference", address_of(bytes), VT_STRING | VT_REF, 6, "ABCDEF"},
      {"code 5 by reference: the memory", address_of(&pointer), VT_POINTER | VT_REF, 6, "MEMORY"},
      {"code 5 in the slot: the slot", 0x64636261, VT_POINTER, 4, "abcd"},
  };
  for (const Case& c : cases) {
    int put = 0;
    EXPECT_EQ(written(VT_BIN_CHANNEL, [&] { put = file_write(&channel, BIN_CH, c.slot, c.type, c.length); }), c.want)
        << c.what;
    EXPECT_EQ(put, static_cast<int>(c.want.size())) << c.what;
  }
}
