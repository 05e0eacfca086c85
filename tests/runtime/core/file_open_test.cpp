// Opening and closing file channels in each mode.
#include <gtest/gtest.h>

#include <string>

#include "tests/runtime/core/file_fixture.h"

using FileOpen = FileTest;

TEST_F(FileOpen, ModesAreMatchedExactlyReadWriteOnlyOnBinaryChannelsAndOnlyWritingModesMakeTheFile) {
  struct Case { const char* mode; uint32_t kind; int want; bool missing = false; } cases[] = {
      {"R", VT_TEXT_CHANNEL, 0},  {"r", VT_TEXT_CHANNEL, 0},  {"R", VT_BIN_CHANNEL, 0},
      {"R+", VT_TEXT_CHANNEL, 1}, {"r+", VT_TEXT_CHANNEL, 1}, {"R+", VT_BIN_CHANNEL, 0},
      {"r+", BIN_CH, 0},          {"W", VT_TEXT_CHANNEL, 0},  {"w", VT_BIN_CHANNEL, 0},
      {"A", VT_TEXT_CHANNEL, 0},  {"a", VT_BIN_CHANNEL, 0},   {"R", TEXT_CH, 0},
      {"x", VT_TEXT_CHANNEL, 1},  {"", VT_TEXT_CHANNEL, 1},   {"rw", VT_BIN_CHANNEL, 1},
      {"W+", VT_BIN_CHANNEL, 1},  {"R ", VT_TEXT_CHANNEL, 1}, {"A+", VT_TEXT_CHANNEL, 1},
      {"R", VT_TEXT_CHANNEL, 1, true}, {"r+", VT_BIN_CHANNEL, 1, true}, // no file to read
      {"W", VT_TEXT_CHANNEL, 0, true}, {"a", VT_TEXT_CHANNEL, 0, true},
  };
  for (const Case& c : cases) {
    std::string path = c.missing ? new_path() : file_with("data");
    EXPECT_EQ(file_open(&channel, c.kind, path.c_str(), c.mode), c.want) << "'" << c.mode << "' " << c.kind;
    EXPECT_EQ(channel != nullptr, c.want == 0) << c.mode;
    EXPECT_EQ(exists(path), !c.missing || c.want == 0) << c.mode;
    EXPECT_EQ(file_close(&channel, c.kind), 0);
    EXPECT_EQ(channel, nullptr);
  }
}

TEST_F(FileOpen, AppendWritesBehindAndWriteEmptiesTheFile) {
  std::string path = file_with("old\r\n");
  ASSERT_EQ(file_open(&channel, VT_TEXT_CHANNEL, path.c_str(), "a"), 0);
  char text[] = "new";
  EXPECT_EQ(file_write(&channel, TEXT_CH, reinterpret_cast<ValueSlot>(text), VT_STRING | VT_REF, 3), 5);
  file_close(&channel, TEXT_CH);
  EXPECT_EQ(contents(path), "old\r\nnew\r\n");

  ASSERT_EQ(file_open(&channel, VT_TEXT_CHANNEL, path.c_str(), "W"), 0);
  EXPECT_EQ(file_eof(&channel, TEXT_CH), 1);
  EXPECT_EQ(file_write(&channel, TEXT_CH, reinterpret_cast<ValueSlot>(text), VT_STRING | VT_REF, 3), 5);
  file_close(&channel, TEXT_CH);
  EXPECT_EQ(contents(path), "new\r\n");
}

TEST_F(FileOpen, SharingModesReopeningAndClosingTwice) {
  std::string path = file_with("shared");
  ASSERT_EQ(file_open(&channel, VT_TEXT_CHANNEL, path.c_str(), "R"), 0);
  EXPECT_EQ(file_open(&other, VT_TEXT_CHANNEL, path.c_str(), "A"), 0) << "R should share writing";
  file_close(&other, TEXT_CH);
  file_close(&channel, TEXT_CH);

  ASSERT_EQ(file_open(&channel, VT_TEXT_CHANNEL, path.c_str(), "W"), 0);
  EXPECT_EQ(file_open(&other, VT_TEXT_CHANNEL, path.c_str(), "a"), 1) << "W should not share writing";
  EXPECT_EQ(file_open(&other, VT_BIN_CHANNEL, path.c_str(), "R+"), 1);
  EXPECT_EQ(other, nullptr);

  std::string first = new_path();
  std::string second = new_path();
  ASSERT_EQ(file_open(&channel, VT_TEXT_CHANNEL, first.c_str(), "W"), 0);
  ASSERT_EQ(file_open(&channel, VT_TEXT_CHANNEL, second.c_str(), "W"), 0);
  // Were the first handle still open, its sharing (read only) would refuse this.
  EXPECT_EQ(file_open(&other, VT_TEXT_CHANNEL, first.c_str(), "W"), 0);
  for (FileChannel* c : {&channel, &other}) file_close(c, TEXT_CH);
  EXPECT_EQ(file_close(&channel, TEXT_CH), 0) << "closing a closed channel does nothing";
  EXPECT_EQ(file_close(&channel, BIN_CH), 0);
  EXPECT_EQ(file_close(nullptr, TEXT_CH), 0);
  EXPECT_EQ(channel, nullptr);
}
