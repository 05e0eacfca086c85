// A channel argument of the wrong type: the runtime error box, answered as
// a person would, and what the operation then did.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <string>

#include "tests/runtime/core/file_fixture.h"
#include "tests/support/dialog_driver.h"

using FileErrors = FileTest;

TEST_F(FileErrors, AWrongChannelTypeShowsTheOperationsErrorBox) {
  std::string missing = new_path();
  std::string path = file_with("kept");
  ASSERT_EQ(file_open(&other, VT_TEXT_CHANNEL, path.c_str(), "R"), 0);
  FileChannel held = other;
  struct Case { const char* what; std::function<int()> call; const char* text; int want; } cases[] = {
      {"file_open", [&] { return file_open(&channel, VT_STRING | VT_REF, missing.c_str(), "W"); }, FILE_ERROR_OPEN, 1},
      {"file_close", [&] { return file_close(&other, VT_INT32 | VT_REF); }, FILE_ERROR_CLOSE, 0},
      {"file_eof", [&] { return file_eof(&other, VT_WINDOW); }, FILE_ERROR_EOF, 1},
  };
  for (const Case& c : cases) {
    std::string text;
    DialogDriver driver([&text](DialogDriver& d) {
      HWND box = d.wait_for(FILE_ERROR_TITLE);
      if (!box) return;
      text = DialogDriver::text_of(GetDlgItem(box, 0xFFFF));
      DialogDriver::press(box, IDOK);
      d.wait_gone(box);
    });
    int result = c.call();
    EXPECT_TRUE(driver.finish()) << c.what << ": " << driver.failure();
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

TEST_F(FileErrors, ReadAndWriteRefuseAWrongTypeSilently) {
  open_text("line\r\n");
  // Were a box shown, the answer would close it and the test would fail
  // instead of waiting forever.
  DialogDriver driver([](DialogDriver& d) { d.wait_for(FILE_ERROR_TITLE, 500); });
  char buf[8] = "";
  EXPECT_EQ(file_read(&channel, VT_INT32 | VT_REF, buf, VT_STRING | VT_REF, sizeof buf), -1);
  EXPECT_EQ(file_write(&channel, VT_STRING, reinterpret_cast<ValueSlot>("x"), VT_STRING | VT_REF, 1), 0);
  EXPECT_FALSE(driver.finish()) << "a box titled Error appeared";
}
