// Opening and closing file channels, and a channel argument of the wrong type.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "tests/runtime/core/file_fixture.h"
#include "tests/support/dialog_driver.h"

using FileChannels = FileTest;

TEST_F(FileChannels, ModesAreMatchedExactlyReadWriteOnlyOnBinaryChannelsAndOnlyWritingModesMakeTheFile) {
  struct Case { const char* mode; uint32_t kind; int want; bool missing = false; } cases[] = {
      {"R", VT_TEXT_CHANNEL, 0},       {"R+", VT_TEXT_CHANNEL, 1},      {"r+", VT_BIN_CHANNEL, 0},
      {"x", VT_TEXT_CHANNEL, 1},       {"R ", VT_TEXT_CHANNEL, 1},      {"R", VT_TEXT_CHANNEL, 1, true},
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

TEST_F(FileChannels, ReopeningClosesTheOldFileAndClosingTwiceDoesNothing) {
  std::string path = file_with("shared");
  ASSERT_EQ(file_open(&channel, VT_TEXT_CHANNEL, path.c_str(), "W"), 0);
  EXPECT_EQ(file_open(&other, VT_BIN_CHANNEL, path.c_str(), "R+"), 1) << "W should not share writing";
  EXPECT_EQ(other, nullptr);
  // Were the first handle still open after the reopen, its sharing would refuse this.
  ASSERT_EQ(file_open(&channel, VT_TEXT_CHANNEL, new_path().c_str(), "W"), 0);
  EXPECT_EQ(file_open(&other, VT_TEXT_CHANNEL, path.c_str(), "W"), 0);
  for (FileChannel* c : {&channel, &other}) file_close(c, TEXT_CH);
  EXPECT_EQ(file_close(&channel, BIN_CH), 0) << "closing a closed channel does nothing";
  EXPECT_EQ(file_close(nullptr, TEXT_CH), 0);
  EXPECT_EQ(channel, nullptr);
}

TEST_F(FileChannels, AWrongChannelTypeShowsTheOperationsErrorBox) {
  std::string missing = new_path();
  ASSERT_EQ(file_open(&other, VT_TEXT_CHANNEL, file_with("kept").c_str(), "R"), 0);
  FileChannel held = other;
  struct Case { const char* what; std::function<int()> call; const char* text; int want; } cases[] = {
      {"file_open", [&] { return file_open(&channel, VT_STRING | VT_REF, missing.c_str(), "W"); },
       "Runtime error (OPENFILE): file variable expected", 1},
      {"file_close", [&] { return file_close(&other, VT_INT32 | VT_REF); }, "Runtime Error: Invalid file variable", 0},
      {"file_eof", [&] { return file_eof(&other, VT_WINDOW); }, "Runtime error (EOF): file variable expected", 1},
  };
  for (const Case& c : cases) {
    std::string text;
    int result = 0;
    EXPECT_EQ(run_answering([&] { result = c.call(); }, [&](DialogDriver& d) { text = d.answer_box("Error"); }), "")
        << c.what;
    EXPECT_EQ(text, c.text) << c.what;
    EXPECT_EQ(result, c.want) << c.what;
  }
  EXPECT_EQ(channel, nullptr);
  EXPECT_FALSE(exists(missing)) << "file_open went on after its error";
  EXPECT_EQ(other, held) << "the channel was changed";
  int result = 0;
  std::swap(channel, other);
  EXPECT_EQ(read_whole_line(&result), "kept") << "file_close closed the file after its error";
}

TEST_F(FileChannels, ReadAndWriteRefuseAWrongTypeSilently) {
  open_text("line\r\n");
  // A box that appears is closed, and fails the test: never hangs it.
  char buf[8] = "";
  int result = 0;
  EXPECT_EQ(run_answering([&] {
              EXPECT_EQ(file_read(&channel, VT_INT32 | VT_REF, buf, VT_STRING | VT_REF, sizeof buf), -1);
              EXPECT_EQ(file_write(&channel, VT_STRING, reinterpret_cast<ValueSlot>("x"), VT_STRING | VT_REF, 1), 0);
              EXPECT_EQ(file_read_line(&channel, BIN_CH, &result), nullptr);
            }),
            "");
  EXPECT_EQ(result, -1);
  EXPECT_EQ(read_whole_line(&result), "line") << "a refused read moved the position";
}
