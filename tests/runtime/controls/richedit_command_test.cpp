// ctl_command on a real rich-edit 1.0 control: search, formats, wrapping, pasting, and streaming (codes 33, 34).
#include "runtime/controls/richedit_api.h"

#include "tests/runtime/controls/control_test_support.h"
#include "tests/runtime/core/file_fixture.h"

namespace {
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
  CHARFORMATA format_of(WPARAM which) {
    CHARFORMATA f{};
    f.cbSize = sizeof f;
    SendMessageA(control, EM_GETCHARFORMAT, which, reinterpret_cast<LPARAM>(&f));
    return f;
  }
  void select(int32_t start, int32_t end) { cmd(15, num(start), num(end)); }
};
} // namespace

TEST_F(RichCommand, FindTextWithAndWithoutCaseAndTheSelectedTextCutToTheString) {
  set_text("Hello there, hello again");
  EXPECT_EQ(cmd(5, str("hello"), num(0), num(0)), 13) << "same case only";
  EXPECT_EQ(cmd(5, str("hello"), num(0), num(1)), 0) << "any case";
  EXPECT_EQ(cmd(5, str("hello"), num(1), num(1)), 13) << "from position 1";
  EXPECT_EQ(cmd(5, str("absent"), num(0), num(1)), -1);
  EXPECT_EQ(cmd(5, str("hello"), num(0), none), 0) << "a3 missing: nothing is searched";

  // The selected text, cut to the receiving string; size -1: not given.
  const std::string long_text(400, 'w');
  struct Case { std::string text; int32_t end, size, count; } cases[] = {
      {"Hello world", 5, -1, 5}, {"Hello world", 11, 3, 3}, {long_text, -1, -1, 254},
  };
  for (const Case& c : cases) {
    set_text(c.text);
    select(0, c.end);
    Buffer buffer(500);
    EXPECT_EQ(cmd(17, str_ref(buffer.data()), c.size >= 0 ? num(c.size) : none), c.count) << c.count;
    EXPECT_EQ(buffer.text(), c.text.substr(0, static_cast<size_t>(c.count)));
    EXPECT_TRUE(buffer.untouched_from(static_cast<size_t>(c.count) + 1)) << c.count;
  }
}

TEST_F(RichCommand, ColoursAndFontsForAllOrTheSelection) {
  EXPECT_NE(cmd(26, num(static_cast<int32_t>(make_rgb(0, 0, 255)))), 0);
  EXPECT_EQ(format_of(SCF_DEFAULT).crTextColor, make_rgb(0, 0, 255));

  set_text("text");
  EXPECT_EQ(cmd(25, str("Arial"), num(12), num(1), num(0x10011)), 0);
  CHARFORMATA f = format_of(SCF_DEFAULT);
  EXPECT_EQ(f.yHeight, 240);
  EXPECT_STREQ(f.szFaceName, "Arial");
  EXPECT_EQ(f.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT),
            static_cast<DWORD>(CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE));
  EXPECT_EQ(f.bCharSet, 1);

  // The selection's font and colour leave the rest.
  set_text("plain marked");
  select(6, 12);
  EXPECT_EQ(cmd(27, str("Courier New"), num(20), num(0), num(0x20)), 0);
  EXPECT_NE(cmd(28, num(static_cast<int32_t>(make_rgb(200, 10, 20)))), 0);
  f = format_of(SCF_SELECTION);
  EXPECT_EQ(f.yHeight, 400);
  EXPECT_EQ(f.dwEffects & (CFE_BOLD | CFE_STRIKEOUT | CFE_AUTOCOLOR), static_cast<DWORD>(CFE_STRIKEOUT));
  EXPECT_EQ(f.crTextColor, make_rgb(200, 10, 20));
  select(0, 5);
  EXPECT_NE(format_of(SCF_SELECTION).yHeight, 400);
}

TEST_F(RichCommand, RaisedTextAlignmentWrappingAndPasteSpecial) {
  set_text("E=mc2");
  select(4, 5);
  cmd(37, num(100));
  EXPECT_EQ(format_of(SCF_SELECTION).yOffset, 100);
  cmd(36, num(PFA_CENTER));
  PARAFORMAT p{};
  p.cbSize = sizeof p;
  SendMessageA(control, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&p));
  EXPECT_EQ(p.wAlignment, PFA_CENTER);

  std::string words;
  for (int i = 0; i < 60; ++i) words += "word ";
  set_text(words);
  EXPECT_EQ(cmd(31, num(0)), 0);
  EXPECT_GT(cmd(12), 1) << "wraps at the window's edge";
  cmd(31, num(1));
  EXPECT_EQ(cmd(12), 1) << "no wrapping";

  set_text("");
  put_clipboard(parent.handle, "special");
  EXPECT_EQ(cmd(35), 0);
  EXPECT_EQ(text(), "special");
}

TEST_F(RichCommand, StreamsInFromAndOutToStringsCutToTheirCapacity) {
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
  struct Case { const char* what; int32_t size; size_t kept; } cases[] = { // size -1: none
      {"string variable", -1, 254}, {"larger buffer", 1000, 600},
  };
  set_text(long_text);
  for (const Case& c : cases) {
    Buffer buffer(1200);
    EXPECT_EQ(cmd(33, str_ref(buffer.data()), num(0), c.size >= 0 ? num(c.size) : none), 600) << c.what;
    EXPECT_TRUE(same_text(buffer.text(), long_text.substr(0, c.kept))) << c.what;
    EXPECT_TRUE(buffer.untouched_from(c.kept + 1)) << c.what;
  }
}

TEST_F(RichCommand, StreamsOutToAndInFromATextChannelByteForByte) {
  TempFiles files;
  std::string big;
  for (int i = 0; i < 3000; ++i) big += "line " + std::to_string(i) + "\r\n";
  SendMessageA(control, EM_EXLIMITTEXT, 0, 1 << 20);
  set_text(big);
  std::string path = files.new_path();
  ASSERT_EQ(file_open(&channel, VT_TEXT_CHANNEL, path.c_str(), "W"), 0);
  EXPECT_EQ(cmd(33, channel_arg(&channel), num(0)), static_cast<int32_t>(big.size()));
  file_close(&channel, TEXT_CH);
  EXPECT_TRUE(same_text(TempFiles::contents(path), big));

  set_text("");
  ASSERT_EQ(file_open(&channel, VT_TEXT_CHANNEL, path.c_str(), "R"), 0);
  EXPECT_EQ(cmd(34, channel_arg(&channel), num(0)), static_cast<int32_t>(big.size()));
  EXPECT_TRUE(same_text(text(), big));
}

TEST_F(RichCommand, StreamingFromWrongSourcesDoesNothing) {
  set_text("stays");
  FileChannel closed = nullptr;
  char source[] = "new";
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
  EXPECT_STREQ(source, "new");
}
