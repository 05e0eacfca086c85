// ctl_command on a real rich-edit 1.0 control: streaming (codes 33, 34).
#include "runtime/controls/richedit_api.h"

#include "tests/runtime/controls/control_test_support.h"
#include "tests/runtime/core/file_fixture.h"

namespace {
Arg channel_arg(FileChannel* channel) { return {reinterpret_cast<ValueSlot>(channel), VT_TEXT_CHANNEL | VT_REF}; }

class RichCommand : public CommandTest {
protected:
  FileChannel channel = nullptr;
  void SetUp() override {
    CommandTest::SetUp();
    make_rich();
  }
  void TearDown() override {
    file_close(&channel, TEXT_CH);
    CommandTest::TearDown();
  }
};
} // namespace

// Streamed in up to the source's zero byte; out, cut to the string's capacity.
TEST_F(RichCommand, StreamsFromAndToStringsAndTextChannelsAndNotFromAnythingElse) {
  char source[] = "first line\r\nsecond\0never";
  EXPECT_EQ(cmd(34, str_ref(source), num(0)), 18);
  EXPECT_EQ(text(), "first line\r\nsecond");
  set_text(std::string(600, 'k'));
  Buffer buffer(1200);
  EXPECT_EQ(cmd(33, str_ref(buffer.data()), num(0)), 600);
  EXPECT_EQ(buffer.text(), std::string(254, 'k')) << "a string variable's 255 bytes";
  EXPECT_TRUE(buffer.untouched_from(255));

  TempFiles files;
  std::string big;
  for (int i = 0; i < 3000; ++i) big += "line " + std::to_string(i) + "\r\n";
  SendMessageA(control, EM_EXLIMITTEXT, 0, 1 << 20);
  set_text(big);
  std::string path = files.new_path();
  ASSERT_EQ(file_open(&channel, VT_TEXT_CHANNEL, path.c_str(), "W"), 0);
  EXPECT_EQ(cmd(33, channel_arg(&channel), num(0)), static_cast<int32_t>(big.size()));
  file_close(&channel, TEXT_CH);
  EXPECT_TRUE(TempFiles::contents(path) == big) << "the file differs from the text";
  set_text("");
  ASSERT_EQ(file_open(&channel, VT_TEXT_CHANNEL, path.c_str(), "R"), 0);
  EXPECT_EQ(cmd(34, channel_arg(&channel), num(0)), static_cast<int32_t>(big.size()));
  EXPECT_TRUE(text() == big) << "the text differs from the file";

  set_text("stays");
  FileChannel closed = nullptr;
  int32_t number = 5;
  struct Case { const char* what; Arg a1, a2; } cases[] = {
      {"closed channel", channel_arg(&closed), num(0)},
      {"binary channel", {reinterpret_cast<ValueSlot>(&closed), VT_BIN_CHANNEL | VT_REF}, num(0)},
      {"a number", num_ref(&number), num(0)}, {"no format argument", str(source), none},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cmd(34, c.a1, c.a2), 0) << c.what;
    EXPECT_EQ(cmd(33, c.a1, c.a2), 0) << c.what;
    EXPECT_EQ(text(), "stays") << c.what;
  }
}
