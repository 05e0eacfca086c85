// ctl_command on a real rich-edit 1.0 control: search, selection, formats, event mask, wrapping, pasting.
#include "runtime/controls/richedit_api.h"

#include "tests/runtime/controls/command_fixture.h"

namespace {
class RichCommand : public CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    make_rich();
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
  EXPECT_EQ(cmd(5, str("HELLO"), num(0), num(0)), -1);
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

TEST_F(RichCommand, EventMaskColoursAndFontsForAllOrTheSelection) {
  EXPECT_EQ(cmd(7, num(ENM_CHANGE | ENM_SELCHANGE)), 0) << "the previous mask";
  EXPECT_EQ(cmd(6), ENM_CHANGE | ENM_SELCHANGE);
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
  EXPECT_STREQ(f.szFaceName, "Courier New");
  EXPECT_EQ(f.dwEffects & (CFE_BOLD | CFE_STRIKEOUT | CFE_AUTOCOLOR), static_cast<DWORD>(CFE_STRIKEOUT));
  EXPECT_EQ(f.crTextColor, make_rgb(200, 10, 20));
  select(0, 5);
  f = format_of(SCF_SELECTION);
  EXPECT_NE(f.yHeight, 400);
  EXPECT_EQ(f.dwEffects & CFE_STRIKEOUT, 0u);
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
  cmd(36, num(PFA_RIGHT));
  SendMessageA(control, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&p));
  EXPECT_EQ(p.wAlignment, PFA_RIGHT);

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
