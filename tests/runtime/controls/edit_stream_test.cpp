// Streaming a rich edit's text in from and out to strings and text channels on real files (codes 34, 33).
#include <richedit.h>

#include "tests/runtime/controls/command_fixture.h"
#include "tests/runtime/core/file_fixture.h"

namespace {
class EditStream : public CommandTest {
protected:
  FileChannel channel = nullptr;
  TempFiles files;

  void SetUp() override {
    CommandTest::SetUp();
    make_rich();
  }
  void TearDown() override {
    close();
    CommandTest::TearDown();
  }
  void open(const std::string& path, const char* mode) {
    ASSERT_EQ(file_open(&channel, VT_TEXT_CHANNEL, path.c_str(), mode), 0) << path;
  }
  void close() { file_close(&channel, TEXT_CH); }
};
} // namespace

TEST_F(EditStream, InFromAndOutToStringsCutToTheirCapacity) {
  char source[] = "first line\r\nsecond\0never";
  EXPECT_EQ(cmd(34, str_ref(source), num(0)), 18) << "characters read, up to the zero byte";
  EXPECT_EQ(text(), "first line\r\nsecond");
  EXPECT_STREQ(source, "first line\r\nsecond") << "the source is not changed";

  set_text("round trip"); // as rich text, out and back in
  Buffer rtf(2000);
  EXPECT_GT(cmd(33, str(rtf.data()), num(1), num(1999)), 10);
  EXPECT_EQ(rtf.text().rfind("{\\rtf", 0), 0u) << rtf.text();
  set_text("");
  cmd(34, str(rtf.data()), num(1));
  EXPECT_EQ(text(), "round trip");

  const std::string long_text(600, 'k');
  struct Case { const char* what; std::string text; int32_t size; size_t kept; } cases[] = { // size -1: none
      {"empty control", "", -1, 0},      {"short text", "one\r\ntwo", -1, 8}, {"string variable", long_text, -1, 254},
      {"capacity 5", long_text, 5, 5},   {"capacity 0", long_text, 0, 0},    {"larger buffer", long_text, 1000, 600},
      {"fits exactly", long_text.substr(0, 254), -1, 254},
  };
  for (const Case& c : cases) {
    set_text(c.text);
    Buffer buffer(1200);
    int32_t n = cmd(33, str_ref(buffer.data()), num(0), c.size >= 0 ? num(c.size) : none);
    EXPECT_EQ(n, static_cast<int32_t>(c.text.size())) << c.what << ": the control's count";
    EXPECT_TRUE(same_text(buffer.text(), c.text.substr(0, c.kept))) << c.what;
    EXPECT_TRUE(buffer.untouched_from(c.kept + 1)) << c.what;
  }
}

TEST_F(EditStream, InFromAndOutToATextChannelByteForByte) {
  std::string big;
  for (int i = 0; i < 3000; ++i) big += "line " + std::to_string(i) + "\r\n";
  std::string small = files.file_with("from a file\r\nline two\r\n");
  open(small, "R");
  EXPECT_EQ(cmd(34, channel_arg(&channel), num(0)), 23);
  close();
  EXPECT_EQ(text(), "from a file\r\nline two\r\n");

  SendMessageA(control, EM_EXLIMITTEXT, 0, 1 << 20);
  set_text(big);
  std::string path = files.new_path();
  open(path, "W");
  EXPECT_EQ(cmd(33, channel_arg(&channel), num(0)), static_cast<int32_t>(big.size()));
  close();
  EXPECT_TRUE(same_text(TempFiles::contents(path), big));

  set_text("");
  open(path, "R");
  cmd(34, channel_arg(&channel), num(0));
  close();
  EXPECT_TRUE(same_text(text(), big));
}

TEST_F(EditStream, WrongSourcesDoNothing) {
  set_text("stays");
  FileChannel closed = nullptr;
  char source[] = "new";
  int32_t number = 5;
  struct Case { const char* what; Arg a1, a2; } cases[] = {
      {"closed channel", channel_arg(&closed), num(0)},
      {"binary channel", {reinterpret_cast<ValueSlot>(&closed), VT_BIN_CHANNEL | VT_REF}, num(0)},
      {"a number", num_ref(&number), num(0)}, {"no format argument", str(source), none},
      {"format as a string", str(source), str(source)}, {"nothing", none, none},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cmd(34, c.a1, c.a2), 0) << c.what;
    EXPECT_EQ(cmd(33, c.a1, c.a2), 0) << c.what;
    EXPECT_EQ(text(), "stays") << c.what;
  }
  EXPECT_STREQ(source, "new");
}
