// Streaming a real rich-edit control's text in from and out to strings and
// text channels on real temporary files (codes 33 and 34).
#include "runtime/controls/edit_stream.h"
#include "tests/runtime/controls/command_fixture.h"

namespace {
class EditStream : public CommandTest {
protected:
  FileChannel channel = nullptr;
  std::vector<std::string> paths;

  void SetUp() override {
    CommandTest::SetUp();
    make_rich();
  }
  void TearDown() override {
    if (channel) file_close(&channel, VT_TEXT_CHANNEL | VT_REF);
    for (const std::string& p : paths) DeleteFileA(p.c_str());
    CommandTest::TearDown();
  }
  std::string new_path() {
    char dir[MAX_PATH], name[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    GetTempFileNameA(dir, "tls", 0, name);
    paths.push_back(name);
    return name;
  }
  std::string file_bytes(const std::string& path) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           0, nullptr);
    std::string s;
    char chunk[512];
    DWORD got = 0;
    while (ReadFile(f, chunk, sizeof chunk, &got, nullptr) && got > 0) s.append(chunk, got);
    CloseHandle(f);
    return s;
  }
  void open(const std::string& path, const char* mode) {
    ASSERT_EQ(file_open(&channel, VT_TEXT_CHANNEL, path.c_str(), mode), 0) << path;
  }
  void close() { file_close(&channel, VT_TEXT_CHANNEL | VT_REF); }
};
} // namespace

TEST_F(EditStream, InFromAStringAsPlainText) {
  char source[] = "first line\r\nsecond";
  EXPECT_EQ(cmd(34, str_ref(source), num(0)), 18) << "characters read";
  EXPECT_EQ(text(), "first line\r\nsecond");
  EXPECT_STREQ(source, "first line\r\nsecond") << "the source is not changed";
}

TEST_F(EditStream, InFromAStringStopsAtItsZeroByte) {
  char source[] = "abc\0def";
  cmd(34, str(source), num(0));
  EXPECT_EQ(text(), "abc");
}

TEST_F(EditStream, InFromAStringAsRichText) {
  char source[] = "{\\rtf1 plain {\\b bold} end}";
  cmd(34, str(source), num(1));
  EXPECT_EQ(text(), "plain bold end");
  cmd(15, num(6), num(10));
  CHARFORMATA f{};
  f.cbSize = sizeof f;
  SendMessageA(control, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&f));
  EXPECT_NE(f.dwEffects & CFE_BOLD, 0u);
}

TEST_F(EditStream, OutToAStringEmptiesItFirst) {
  Buffer buffer(300);
  std::memcpy(buffer.data(), "old text", 9);
  EXPECT_EQ(cmd(33, str_ref(buffer.data()), num(0)), 0) << "an empty control gives nothing";
  EXPECT_EQ(buffer.text(), "");

  set_text("one\r\ntwo");
  EXPECT_EQ(cmd(33, str_ref(buffer.data()), num(0)), 8);
  EXPECT_EQ(buffer.text(), "one\r\ntwo");
  EXPECT_TRUE(buffer.untouched_from(9));
}

TEST_F(EditStream, OutAsRichTextCanBeStreamedBackIn) {
  set_text("round trip");
  Buffer rtf(2000);
  int32_t n = cmd(33, str(rtf.data()), num(1), num(1999));
  EXPECT_GT(n, 10);
  EXPECT_EQ(rtf.text().rfind("{\\rtf", 0), 0u) << rtf.text();
  set_text("");
  cmd(34, str(rtf.data()), num(1));
  EXPECT_EQ(text(), "round trip");
}

// Streaming out into a string keeps to the string's capacity.
TEST_F(EditStream, OutToAStringIsCut) {
  struct Case {
    const char* what;
    size_t text_length;
    bool give_size;
    int32_t size;
    size_t kept;
  } cases[] = {
      {"string variable", 600, false, 0, 254},
      {"capacity 5", 600, true, 5, 5},
      {"capacity 0", 50, true, 0, 0},
      {"larger buffer", 600, true, 1000, 600},
      {"fits exactly", 254, false, 0, 254},
  };
  for (const Case& c : cases) {
    std::string long_text(c.text_length, 'k');
    set_text(long_text);
    Buffer buffer(1200);
    int32_t n = cmd(33, str(buffer.data()), num(0), c.give_size ? num(c.size) : none);
    EXPECT_EQ(n, static_cast<int32_t>(c.text_length)) << c.what << ": the control's count";
    EXPECT_TRUE(same_text(buffer.text(), long_text.substr(0, c.kept))) << c.what;
    EXPECT_TRUE(buffer.untouched_from(c.kept + 1)) << c.what;
  }
}

TEST_F(EditStream, InFromATextChannel) {
  std::string path = new_path();
  open(path, "W");
  const char* lines[] = {"from a file", "line two"};
  for (const char* l : lines)
    file_write(&channel, VT_TEXT_CHANNEL | VT_REF, reinterpret_cast<ValueSlot>(l), VT_STRING | VT_REF,
               text_len(l));
  close();

  open(path, "R");
  EXPECT_EQ(cmd(34, channel_arg(&channel), num(0)), 23);
  close();
  EXPECT_EQ(text(), "from a file\r\nline two\r\n");
}

TEST_F(EditStream, OutToATextChannel) {
  set_text("saved\r\ntext");
  std::string path = new_path();
  open(path, "W");
  EXPECT_EQ(cmd(33, channel_arg(&channel), num(0)), 11);
  close();
  EXPECT_EQ(file_bytes(path), "saved\r\ntext");
}

TEST_F(EditStream, LargeTextThroughAChannelBothWays) {
  std::string big;
  for (int i = 0; i < 3000; ++i) big += "line " + std::to_string(i) + "\r\n";
  SendMessageA(control, EM_EXLIMITTEXT, 0, 1 << 20);
  set_text(big);
  std::string path = new_path();
  open(path, "W");
  cmd(33, channel_arg(&channel), num(0));
  close();
  EXPECT_TRUE(same_text(file_bytes(path), big));

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
  struct Case {
    const char* what;
    Arg a1, a2;
  } cases[] = {
      {"closed channel", channel_arg(&closed), num(0)},
      {"binary channel", {reinterpret_cast<ValueSlot>(&closed), VT_BIN_CHANNEL | VT_REF}, num(0)},
      {"a number", num_ref(&number), num(0)},
      {"no format argument", str(source), none},
      {"format as a string", str(source), str(source)},
      {"nothing", none, none},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cmd(34, c.a1, c.a2), 0) << c.what;
    EXPECT_EQ(cmd(33, c.a1, c.a2), 0) << c.what;
    EXPECT_EQ(text(), "stays") << c.what;
  }
  EXPECT_STREQ(source, "new");
}

TEST(StreamCallbacks, StopWithoutACookieOrForAnUnknownSource) {
  BYTE buffer[16] = {};
  LONG done = 99;
  EXPECT_EQ(stream_read(0, buffer, sizeof buffer, &done), 1u);
  EXPECT_EQ(stream_write(0, buffer, sizeof buffer, &done), 1u);
  StreamCookie unknown{VT_INT32, nullptr, nullptr, 0, 0};
  EXPECT_EQ(stream_read(reinterpret_cast<DWORD_PTR>(&unknown), buffer, sizeof buffer, &done), 1u);
  EXPECT_EQ(stream_write(reinterpret_cast<DWORD_PTR>(&unknown), buffer, sizeof buffer, &done), 1u);
}
