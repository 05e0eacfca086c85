// ctl_command on a real status bar and a real tool bar with two buttons and tool tips.
#include "tests/runtime/controls/control_test_support.h"

namespace {
using BarCommand = CommandTest;

std::string part_text(HWND bar, int part) {
  char buffer[256] = "";
  SendMessageA(bar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

constexpr int OPEN = 101, SAVE = 102;

class ToolBarCommand : public CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    make_common(TOOLBARCLASSNAMEA, TBSTYLE_TOOLTIPS);
    SendMessageA(control, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON buttons[2] = {};
    for (int i = 0; i < 2; ++i) buttons[i] = {I_IMAGENONE, i ? SAVE : OPEN, TBSTATE_ENABLED, 0, {}, 0, 0};
    SendMessageA(control, TB_ADDBUTTONSA, 2, reinterpret_cast<LPARAM>(buttons));
  }
  std::string label(int index) {
    char buffer[64] = "";
    LRESULT n =
        SendMessageA(control, TB_GETSTRINGA, MAKEWPARAM(sizeof buffer, index), reinterpret_cast<LPARAM>(buffer));
    return n < 0 ? "<none>" : buffer;
  }
};
} // namespace

// Every status-bar code gives 0.
TEST_F(BarCommand, StatusBarPartsFromAnArrayByReferenceTextsAndRefittingToTheParent) {
  make_common(STATUSCLASSNAMEA, 0);
  int32_t edges[3] = {100, 200, -1};
  EXPECT_EQ(cmd(0, num(3), num(edges[0])), 0);
  EXPECT_EQ(SendMessageA(control, SB_GETPARTS, 0, 0), 1) << "no array by reference: no parts";
  EXPECT_EQ(cmd(0, num(3), num_ref(edges)), 0);
  int got[3] = {};
  EXPECT_EQ(SendMessageA(control, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(got)), 3);
  EXPECT_EQ(got[1], 200);

  EXPECT_EQ(cmd(1, num(1), str("Ready")), 0);
  EXPECT_EQ(part_text(control, 1), "Ready");
  EXPECT_EQ(cmd(1, num(1), num(5)), 0);
  EXPECT_EQ(part_text(control, 1), "Ready") << "a number is not a text";

  MoveWindow(control, 5, 5, 40, 10, FALSE);
  EXPECT_EQ(cmd(2), 0);
  RECT bar = place_of(control), client;
  GetClientRect(parent.handle, &client);
  EXPECT_EQ(rect_text(bar), rect_text({0, client.bottom - (bar.bottom - bar.top), client.right, client.bottom}));
}

TEST_F(ToolBarCommand, LabelsSeparatedByBarsAndToolTips) {
  EXPECT_EQ(cmd(4, str("Open|Save|")), 0);
  EXPECT_EQ(label(1), "Save");
  EXPECT_EQ(label(2), "<none>") << "the trailing bar closes the list";
  EXPECT_EQ(cmd(4, str("Print")), 0);
  EXPECT_EQ(label(2), "Print") << "a list without a trailing bar ends too";
  EXPECT_EQ(label(3), "<none>");

  EXPECT_EQ(cmd(9, num(OPEN), str("Open a file")), 0);
  EXPECT_EQ(cmd(9, num(OPEN), num(1)), 0);
  HWND tips = reinterpret_cast<HWND>(SendMessageA(control, TB_GETTOOLTIPS, 0, 0));
  char text[80] = "";
  TTTOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = control;
  info.uId = OPEN;
  info.lpszText = text;
  SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(text, "Open a file") << "the tool tip";
}
