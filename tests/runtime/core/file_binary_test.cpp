// Raw bytes through binary channels, positions and the end of the file.
#include <gtest/gtest.h>

#include <cstring>
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

TEST_F(FileBinary, ReadsFillTheDestinationOrTheMemoryItPointsTo) {
  ASSERT_EQ(file_open(&channel, VT_BIN_CHANNEL, file_with(std::string("\x00\r\nabcdefgh", 11)).c_str(), "R"), 0);
  char direct[8];
  std::memset(direct, 'Z', sizeof direct);
  EXPECT_EQ(file_read(&channel, BIN_CH, direct, VT_RAW | VT_REF, 3), 0);
  EXPECT_EQ(std::string(direct, 4), std::string("\x00\r\nZ", 4)) << "line ends are plain bytes here";
  char memory[8];
  std::memset(memory, 'Z', sizeof memory);
  char* pointer = memory;
  EXPECT_EQ(file_read(&channel, BIN_CH, &pointer, VT_POINTER | VT_REF, 5), 0);
  EXPECT_EQ(std::string(memory, 6), "abcdeZ");
  EXPECT_EQ(pointer, memory);
  std::memset(direct, 'Z', sizeof direct);
  EXPECT_EQ(file_read(&channel, BIN_CH, direct, VT_RAW | VT_REF, 8), 0) << "a short read still read";
  EXPECT_EQ(std::string(direct, 4), "fghZ");
  EXPECT_EQ(file_eof(&channel, BIN_CH), 1);
  EXPECT_EQ(file_read(&channel, BIN_CH, direct, VT_RAW | VT_REF, 8), -1);
}

TEST_F(FileBinary, ReadWriteModeChangesBytesInPlace) {
  std::string path = file_with("0123456789");
  ASSERT_EQ(file_open(&channel, VT_BIN_CHANNEL, path.c_str(), "R+"), 0);
  EXPECT_EQ(file_seek(channel, 4), 4);
  EXPECT_EQ(file_write(&channel, BIN_CH, address_of("xy"), VT_STRING | VT_REF, 2), 2);
  char got[4] = "";
  EXPECT_EQ(file_read(&channel, BIN_CH, got, VT_RAW | VT_REF, 3), 0);
  EXPECT_EQ(std::string(got, 3), "678");
  file_close(&channel, BIN_CH);
  EXPECT_EQ(contents(path), "0123xy6789");
}

TEST_F(FileBinary, SeekMovesFromTheStartAndMinusOneReportsThePosition) {
  ASSERT_EQ(file_open(&channel, VT_BIN_CHANNEL, file_with("abcdef").c_str(), "R"), 0);
  // -7 is unreachable: the position stays; 5000000000 is beyond 32 bits.
  struct Step { int64_t position, want; int eof; } steps[] = {
      {3, 3, 0}, {-1, 3, 0}, {6, 6, 1}, {-7, 6, 1}, {5000000000LL, 5000000000LL, 1}, {-1, 5000000000LL, 1}, {5, 5, 0},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(file_seek(channel, s.position), s.want) << s.position;
    EXPECT_EQ(file_eof(&channel, BIN_CH), s.eof) << s.position;
  }
  char got[2] = "";
  EXPECT_EQ(file_read(&channel, BIN_CH, got, VT_RAW | VT_REF, 1), 0);
  EXPECT_EQ(got[0], 'f');
  EXPECT_EQ(file_seek(nullptr, -1), 0);
}
