// ctl_command on a real report-style list view.
#include "tests/runtime/controls/control_test_support.h"

using ListViewCommand = CommandTest;

TEST_F(ListViewCommand, ItemsColumnsAndTheirTextsAndWrongArgumentsDoNothing) {
  make_common(WC_LISTVIEWA, LVS_REPORT);
  ASSERT_EQ(cmd(4, num(0), str("Name")), 0);
  ASSERT_EQ(cmd(4, num(1), str("Size")), 1);
  const char* items[] = {"alpha", "beta", "gamma"};
  for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(cmd(3, num(i), str(items[i])), i);
  EXPECT_EQ(cmd(16), 3);
  EXPECT_NE(cmd(5, num(1), num(1), str("12 KB")), 0);
  Buffer buffer(500);
  EXPECT_EQ(cmd(6, num(1), num(1), str_ref(buffer.data())), 5);
  EXPECT_EQ(buffer.text(), "12 KB");
  EXPECT_EQ(cmd(14, str("gamma")), 2);
  EXPECT_EQ(cmd(14, str("delta")), -1);
  EXPECT_NE(cmd(10, num(1), num(120)), 0);
  EXPECT_EQ(cmd(11, num(1)), 120);

  char text[] = "x";
  struct Case { const char* what; int32_t code; Arg a1, a2, a3; } wrong[] = {
      {"insert item without text", 3, num(0), num(5), none}, {"insert column without title", 4, num(2), none, none},
      {"item text into a number", 6, num(0), num(0), num(3)}, {"delete item by string", 2, str(text), none, none},
      {"unknown code", 17, num(0), none, none},
  };
  for (const Case& c : wrong) {
    EXPECT_EQ(cmd(c.code, c.a1, c.a2, c.a3), 0) << c.what;
    EXPECT_EQ(cmd(16), 3) << c.what;
    EXPECT_EQ(SendMessageA(ListView_GetHeader(control), HDM_GETITEMCOUNT, 0, 0), 2) << c.what;
  }
}
