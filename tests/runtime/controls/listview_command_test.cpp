// ctl_command on a real report-style list view.
#include "tests/runtime/controls/control_test_support.h"

namespace {
class ListViewCommand : public CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    make_common(WC_LISTVIEWA, LVS_REPORT);
    ASSERT_EQ(cmd(4, num(0), str("Name")), 0);
    ASSERT_EQ(cmd(4, num(1), str("Size")), 1);
    ASSERT_EQ(cmd(3, num(0), str("alpha")), 0);
    ASSERT_EQ(cmd(3, num(1), str("beta")), 1);
    ASSERT_EQ(cmd(3, num(2), str("gamma")), 2);
  }
};
} // namespace

TEST_F(ListViewCommand, ItemsTheirTextsSelectionAndDeletion) {
  EXPECT_EQ(cmd(16), 3);
  EXPECT_NE(cmd(5, num(1), num(1), str("12 KB")), 0);
  Buffer buffer(300);
  EXPECT_EQ(cmd(6, num(1), num(1), str_ref(buffer.data())), 5);
  EXPECT_EQ(buffer.text(), "12 KB");
  EXPECT_EQ(cmd(14, str("gamma")), 2);
  EXPECT_EQ(cmd(14, str("delta")), -1);

  EXPECT_NE(cmd(12, num(2)), 0);
  EXPECT_EQ(cmd(13, num(2)), LVIS_SELECTED);
  EXPECT_NE(cmd(2, num(0)), 0);
  cmd(6, num(0), num(0), str_ref(buffer.data()));
  EXPECT_EQ(buffer.text(), "beta");
  EXPECT_NE(cmd(0), 0);
  EXPECT_EQ(cmd(16), 0);
}

TEST_F(ListViewCommand, ColumnTitlesAndWidths) {
  Buffer title(300);
  EXPECT_NE(cmd(9, num(0), str(title.data())), 0);
  EXPECT_EQ(title.text(), "Name");
  EXPECT_GT(cmd(11, num(0)), SendMessageA(control, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>("Name")))
      << "wider than the title";
  EXPECT_NE(cmd(8, num(0), str("Title")), 0);
  cmd(9, num(0), str(title.data()));
  EXPECT_EQ(title.text(), "Title");
  EXPECT_NE(cmd(10, num(1), num(120)), 0);
  EXPECT_EQ(cmd(11, num(1)), 120);
  EXPECT_NE(cmd(1, num(1)), 0);
  EXPECT_EQ(cmd(9, num(1), str(title.data())), 0) << "the column is gone";
}

// Item and column texts are cut to the receiving string.
TEST_F(ListViewCommand, ReadTextsAreCutToTheString) {
  std::string long_text(400, 'L');
  cmd(5, num(0), num(0), str(long_text.c_str()));
  cmd(8, num(1), str(long_text.c_str()));
  struct Case { const char* what; int32_t code, size; size_t kept; } cases[] = { // size -1: not given
      {"item, string variable", 6, -1, 254}, {"item, larger buffer", 6, 450, 400}, {"column, capacity 7", 9, 7, 7},
  };
  for (const Case& c : cases) {
    Buffer buffer(500);
    Arg size = c.size >= 0 ? num(c.size) : none;
    if (c.code == 6)
      cmd(6, num(0), num(0), str(buffer.data()), size);
    else
      cmd(9, num(1), str(buffer.data()), size);
    EXPECT_TRUE(same_text(buffer.text(), long_text.substr(0, c.kept))) << c.what;
    EXPECT_TRUE(buffer.untouched_from(c.kept + 1)) << c.what;
  }
}

TEST_F(ListViewCommand, WrongArgumentsAndUnknownCodesDoNothing) {
  char text[] = "x";
  struct Case { const char* what; int32_t code; Arg a1, a2, a3; } cases[] = {
      {"insert item without text", 3, num(0), num(5), none}, {"insert column without title", 4, num(2), none, none},
      {"item text into a number", 6, num(0), num(0), num(3)}, {"delete item by string", 2, str(text), none, none},
      {"find a number", 14, num(1), none, none}, {"unknown code", 17, num(0), none, none},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cmd(c.code, c.a1, c.a2, c.a3), 0) << c.what;
    EXPECT_EQ(cmd(16), 3) << c.what;
    EXPECT_EQ(SendMessageA(ListView_GetHeader(control), HDM_GETITEMCOUNT, 0, 0), 2) << c.what;
  }
}
