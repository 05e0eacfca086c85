// ctl_command on a real tool bar with two buttons and tool tips.
#include "tests/runtime/controls/control_test_support.h"

using ToolBarCommand = CommandTest;

TEST_F(ToolBarCommand, LabelsSeparatedByBarsAndToolTips) {
  constexpr int OPEN = 101, SAVE = 102;
  InitCommonControls();
  make(TOOLBARCLASSNAMEA, TBSTYLE_TOOLTIPS);
  SendMessageA(control, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  TBBUTTON buttons[2] = {};
  for (int i = 0; i < 2; ++i) buttons[i] = {I_IMAGENONE, i ? SAVE : OPEN, TBSTATE_ENABLED, 0, {}, 0, 0};
  SendMessageA(control, TB_ADDBUTTONSA, 2, reinterpret_cast<LPARAM>(buttons));
  auto label = [&](int index) -> std::string {
    char buffer[64] = "";
    LRESULT n =
        SendMessageA(control, TB_GETSTRINGA, MAKEWPARAM(sizeof buffer, index), reinterpret_cast<LPARAM>(buffer));
    return n < 0 ? "<none>" : buffer;
  };
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
